// What the user does with requests besides reading them: copy or save one, export those below a service
// or a binding, from the tree's context menu or with the keyboard; and the dialog's shortcuts.

#include "ui/main_dialog.h"

#include "export/messages.h"
#include "export/request_export.h"
#include "export/request_file_names.h"
#include "fetch/file_writing.h"
#include "ui/messages.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

namespace quorvel::ui {

// Ctrl+O opens a file, Ctrl+L goes to the address box, F5 loads its address again, and Ctrl+C in the
// tree copies the selected request. True when the key was one of them.
bool MainDialog::HandleShortcut(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool control = event.GetModifiers() == wxMOD_CONTROL;
    if (key == WXK_F5 && event.GetModifiers() == wxMOD_NONE) {
        StartLoad();
    } else if (control && key == 'O') {
        wxCommandEvent open;
        OnOpenButton(open);
    } else if (control && key == 'L') {
        m_addressBox->SetFocus();
        m_addressBox->SelectAll();
    } else if (control && key == 'C' && FindFocus() == ShownTree() && SelectedRecord().request != nullptr) {
        wxCommandEvent copy;
        OnCopyRequest(copy);
    } else {
        return false;
    }
    return true;
}

// The records of the selected item; all null when nothing is selected.
TreeRecord MainDialog::SelectedRecord() const {
    const ServiceTreeCtrl* tree = ShownTree();
    const wxTreeItemId item = tree->GetSelection();
    const auto* data = item.IsOk() ? static_cast<const ServiceTreeItem*>(tree->GetItemData(item)) : nullptr;
    return data != nullptr ? data->record : TreeRecord{};
}

// A right click selects the item under the pointer and offers what can be done with it: with the
// request of an operation or its "Request 1", or with every request below a service or a binding.
void MainDialog::OnTreeItemMenu(wxTreeEvent& event) {
    if (!event.GetItem().IsOk()) {
        return;
    }
    ShownTree()->SelectItem(event.GetItem());
    const TreeRecord record = SelectedRecord();
    if (record.service == nullptr) {
        return;
    }
    // The chosen command reaches the dialog's menu handlers.
    wxMenu menu;
    if (record.operation != nullptr) {
        menu.Append(kIdCopyRequest, wxString::FromUTF8(kMenuCopyRequest));
        menu.Append(kIdSaveRequest, wxString::FromUTF8(kMenuSaveRequest));
    } else {
        menu.Append(kIdExportAll, wxString::FromUTF8(kMenuExportAll));
    }
    PopupMenu(&menu);
}

// The request as it was built, line feeds and all.
void MainDialog::OnCopyRequest(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.request == nullptr || !wxTheClipboard->Open()) {
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(*record.request));
    wxTheClipboard->Close();
    m_statusLine->SetLabel(wxString::FromUTF8(kStatusCopied));
}

// Writes the request into a file the user chooses, as the export writes it: UTF-8 without a byte-order
// mark, ending in a line feed; the file offered is named as the export names it.
void MainDialog::OnSaveRequest(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.operation == nullptr) {
        return;
    }
    const std::string offered =
        RequestFileNames().Next(record.service->name, record.binding->name, record.operation->name);
    wxString path;
    if (!CurrentPrompts().ChooseSaveFile(this, wxString::FromUTF8(offered), path)) {
        return;
    }
    std::string reason;
    const bool written = WriteFileAtomically(path.utf8_string(), record.operation->request + '\n', reason);
    ShowWriteResult(written,
                    std::string(export_msg::kCannotWriteFile) + path.utf8_string() +
                        std::string(export_msg::kReasonSeparator) + reason,
                    wxString::Format(wxString::FromUTF8(kStatusSaved), path));
}

// Writes every request below the selected service or binding into a folder the user chooses, with the
// index, as the command line's export of a whole description does.
void MainDialog::OnExportAll(wxCommandEvent&) {
    const TreeRecord record = SelectedRecord();
    if (record.service == nullptr || record.operation != nullptr) {
        return;
    }
    std::vector<RequestRecord> requests;
    for (const WsdlBinding& binding : record.service->bindings) {
        if (record.binding == nullptr || record.binding == &binding) {
            AppendRequestRecords(*record.service, binding, requests);
        }
    }
    wxString folder;
    if (!CurrentPrompts().ChooseFolder(this, folder)) {
        return;
    }
    std::string message;
    const bool written = ExportRequests(requests, folder.utf8_string(), message);
    ShowWriteResult(written, message,
                    wxString::Format(wxString::FromUTF8(kStatusExported),
                                     wxString::Format("%zu", requests.size()), folder));
}

// A failure to write shows its reason in an error box; success is told on the status line.
void MainDialog::ShowWriteResult(bool written, const std::string& message, const wxString& status) {
    if (!written) {
        CurrentPrompts().ShowMessage(this, wxString::FromUTF8(message), wxICON_ERROR);
        return;
    }
    m_statusLine->SetLabel(status);
}

} // namespace quorvel::ui
