// What the user does with requests besides reading them: copy or save one, export those below a service
// or a binding, from the tree's context menu or with the keyboard.

#include "ui/main_dialog.h"

#include "export/messages.h"
#include "export/request_export.h"
#include "export/request_file_names.h"
#include "fetch/file_writing.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/popup_menu.h"
#include "ui/request_pane.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvel::ui {

namespace {

wxString Count(size_t count) {
    return wxString::Format("%zu", count);
}

wxString ExportingStatus(size_t written, size_t total) {
    return wxString::Format(FromUtf8(ui_msg::kStatusExporting), Count(written), Count(total));
}

} // namespace

// The records of the selected item, as its node of the outline holds them; all null when nothing is
// selected.
TreeRecord MainDialog::SelectedRecord() const {
    const ServiceTreeCtrl* tree = ShownTree();
    const wxTreeItemId item = tree->GetSelection();
    const auto* data = item.IsOk() && tree->IsSelected(item)
                           ? static_cast<const ServiceTreeItem*>(tree->GetItemData(item))
                           : nullptr;
    return data != nullptr ? m_outline.Nodes()[data->node].record : TreeRecord{};
}

// The selected operation's request as the pane shows it, edits included, with the line feeds of a
// built request; the request as built when the pane shows something else.
std::string MainDialog::SelectedRequestText() const {
    const TreeRecord record = SelectedRecord();
    if (record.operation == nullptr) {
        return {};
    }
    if (!m_paneShowsSelection) {
        return record.operation->request;
    }
    wxString text = m_messagePane->FullText();
    text.Replace("\r\n", "\n");
    return text.utf8_string();
}

// A right click selects the item under the pointer and offers what can be done with it.
void MainDialog::OnTreeItemMenu(wxTreeEvent& event) {
    if (event.GetItem().IsOk()) {
        ShownTree()->SelectItem(event.GetItem());
        ShowItemMenu(event.GetItem(), false);
    }
}

// With the request of an operation or its "Request 1", or with every request below a service or a
// binding. From the keyboard the menu opens below the item, its first command selected.
void MainDialog::ShowItemMenu(const wxTreeItemId& item, bool fromKeyboard) {
    const TreeRecord record = SelectedRecord();
    if (!item.IsOk() || record.service == nullptr) {
        return;
    }
    // The chosen command reaches the dialog's menu handlers.
    wxMenu menu;
    if (record.operation != nullptr) {
        menu.Append(kIdCopyRequest, FromUtf8(ui_msg::kMenuCopyRequest));
        menu.Append(kIdSaveRequest, FromUtf8(ui_msg::kMenuSaveRequest));
    } else {
        // Requests being rebuilt are exported once they are in.
        menu.Append(kIdExportAll, FromUtf8(ui_msg::kMenuExportAll))->Enable(!m_exporting && !m_rebuilding);
    }
    if (!fromKeyboard) {
        PopupMenu(&menu);
    } else {
        wxRect bounds;
        ShownTree()->GetBoundingRect(item, bounds, true);
        SelectFirstItemWhenShown(this, menu);
        PopupMenu(&menu, ScreenToClient(ShownTree()->ClientToScreen(bounds.GetBottomLeft())));
    }
    // The Esc that closed the menu must not close the dialog too.
    m_escapeGuard.Hold();
}

void MainDialog::OnCopyRequest(wxCommandEvent&) {
    const std::string request = SelectedRequestText();
    if (SelectedRecord().operation == nullptr || !wxTheClipboard->Open()) {
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(FromUtf8(request)));
    wxTheClipboard->Close();
    SetStatus(FromUtf8(ui_msg::kStatusCopied));
}

// Writes the request into a file the user chooses, as the export writes it: UTF-8 without a byte-order
// mark, ending in a line feed; the file offered is named as the export names it. What is written is
// taken before the chooser opens: a load that ends meanwhile replaces the model and the tree.
void MainDialog::OnSaveRequest(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.operation == nullptr) {
        return;
    }
    const std::string request = SelectedRequestText() + '\n';
    const std::string offered =
        RequestFileNames().Next(record.service->name, record.binding->name, record.operation->name);
    wxString path;
    if (!CurrentPrompts().ChooseSaveFile(this, FromUtf8(offered), path)) {
        SetStatus(FromUtf8(ui_msg::kStatusSaveCancelled));
        return;
    }
    std::string reason;
    if (!WriteFileAtomically(path.utf8_string(), request, reason)) {
        const std::string message = std::string(export_msg::kCannotWriteFile) + path.utf8_string() +
                                    std::string(export_msg::kReasonSeparator) + reason;
        CurrentPrompts().ShowMessage(this, FromUtf8(message), wxICON_ERROR);
        return;
    }
    SetStatus(wxString::Format(FromUtf8(ui_msg::kStatusSaved), path));
}

// Writes every request below the selected service or binding into a folder the user chooses, with the
// index, as the command line's export of a whole description does, on a thread of its own. The export
// holds the model it reads, so a load that ends meanwhile cannot take it away.
void MainDialog::OnExportAll(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.service == nullptr || record.operation != nullptr || m_exporting || m_rebuilding) {
        return;
    }
    std::shared_ptr<const WsdlModel> model = m_model;
    std::vector<RequestRecord> requests;
    for (const WsdlBinding& binding : record.service->bindings) {
        if (record.binding == nullptr || record.binding == &binding) {
            AppendRequestRecords(*record.service, binding, requests);
        }
    }
    wxString folder;
    if (!CurrentPrompts().ChooseFolder(this, m_exportFolder.empty() ? m_descriptionFolder : m_exportFolder,
                                       folder)) {
        SetStatus(FromUtf8(ui_msg::kStatusExportNotStarted));
        return;
    }
    m_exportFolder = folder;
    m_exporting = true;
    ShowBusy();
    m_exportTotal = requests.size();
    SetStatus(ExportingStatus(0, m_exportTotal));
    m_exporter.Start(std::move(model), std::move(requests), folder.utf8_string());
}

void MainDialog::CancelExport() {
    m_exporter.Cancel();
}

void MainDialog::OnExportProgress(wxThreadEvent&) {
    if (m_exporting) {
        SetStatus(ExportingStatus(m_exporter.Written(), m_exportTotal));
    }
}

// Whole files only are left behind, also when cancelled: each is written aside and then renamed.
void MainDialog::OnExportFinished(wxThreadEvent& event) {
    const auto outcome = event.GetPayload<ExportOutcome>();
    m_exporting = false;
    ShowBusy();
    const wxString folder = FromUtf8(outcome.folder);
    const std::string_view status = outcome.ok          ? ui_msg::kStatusExported
                                    : outcome.cancelled ? ui_msg::kStatusExportCancelled
                                                        : ui_msg::kStatusExportFailed;
    SetStatus(wxString::Format(FromUtf8(status), Count(outcome.ok ? outcome.total : outcome.written),
                               folder));
    if (!outcome.ok && !outcome.cancelled) {
        CurrentPrompts().ShowMessage(this, FromUtf8(outcome.message), wxICON_ERROR);
    }
}

} // namespace quorvel::ui
