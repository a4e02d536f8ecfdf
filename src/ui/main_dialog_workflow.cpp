// What the user does in the dialog: choose a file, load a description, browse the tree, read a request.

#include "ui/main_dialog.h"

#include "load/messages.h"
#include "load/service_load.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace quorvel::ui {

void MainDialog::OnOpenButton(wxCommandEvent&) {
    wxString path;
    if (CurrentPrompts().ChooseDescriptionFile(this, path)) {
        m_addressBox->SetValue(path);
    }
}

// The button reads 取消 while a load, an export or a rebuild of the requests runs, and then cancels it.
void MainDialog::OnParseButton(wxCommandEvent&) {
    if (m_loading) {
        CancelLoad();
    } else if (m_exporting) {
        CancelExport();
    } else if (m_rebuilding) {
        CancelRebuild();
    } else {
        StartLoad();
    }
}

// The automatic start for a command-line address: fires once and presses the parse button.
void MainDialog::OnTimer(wxTimerEvent&) {
    m_autoLoadTimer.Stop();
    wxCommandEvent click(wxEVT_BUTTON, kIdParseButton);
    click.SetEventObject(m_parseButton);
    m_parseButton->Command(click);
}

// Starts a load of the address in the box; the result arrives later (main_dialog_loading.cpp). While
// a load or an export runs, Enter and F5 leave it alone: the button cancels it.
void MainDialog::StartLoad() {
    if (m_loading || m_exporting) {
        return;
    }
    const wxString address = m_addressBox->GetValue().Strip(wxString::both);
    if (address.empty()) {
        CurrentPrompts().ShowMessage(this, FromUtf8(ui_msg::kAddressMissing), wxICON_INFORMATION);
        return;
    }
    StartWorker(address);
}

// The model replaces the one before, with the tree's content made from it: the records of the outline
// point into the model's vectors, whose elements stay where they are when the model moves. What it
// replaces is freed aside, once the items that point into it are gone; a rebuild of it is superseded.
void MainDialog::ShowModel(WsdlModel model, TreeContent content) {
    DropRebuild();
    m_filteredFiller->Clear();
    m_serviceFiller->Clear();
    ReleaseAside(m_releaser, std::move(m_model), std::move(m_requestTexts), std::move(m_outline),
                 std::move(m_documents), std::move(m_validator));
    m_model = std::make_shared<WsdlModel>(std::move(model));
    m_requestTexts = std::move(content.requestTexts);
    m_outline = std::move(content.outline);
    m_endpointEdits.clear();
    FillServiceTree();
}

// Services, their bindings, their operations and one request item per operation, into the empty tree, in
// the outline's order, a part at a time (OnIdle); services and bindings expanded, operations collapsed.
// A new tree starts unfiltered and unselected.
void MainDialog::FillServiceTree() {
    m_selectedNode.reset();
    m_updatingTree = true;
    m_serviceFiller->Start(m_outline, m_outline.Visible(wxString()), &m_selectedNode);
    m_updatingTree = false;
}

// Should a tree run out of memory while it fills, the model goes as after a failed load.
void MainDialog::OnIdle(wxIdleEvent& event) {
    event.Skip();
    for (TreeFiller* filler : {m_serviceFiller.get(), m_filteredFiller.get()}) {
        if (!filler->Filling()) {
            continue;
        }
        m_updatingTree = true;
        try {
            filler->FillPart();
        } catch (const std::bad_alloc&) {
            DropRebuild();
            m_filteredFiller->Clear();
            m_serviceFiller->Clear();
            m_model.reset();
            m_requestTexts.clear();
            m_outline = TreeOutline();
            m_selectedNode.reset();
            ClearPane();
            CurrentPrompts().ShowMessage(this, FromUtf8(load_msg::kOutOfMemory), wxICON_ERROR);
        }
        m_updatingTree = false;
        if (filler->Filling()) {
            event.RequestMore();
        }
    }
}

void MainDialog::OnTreeSelChanged(wxTreeEvent& event) {
    // Neither the dialog's own filling and selecting is the user's selection, nor the tree control's
    // when, once idle without a selection, it selects its hidden root.
    const auto* tree = static_cast<const wxTreeCtrl*>(event.GetEventObject());
    const wxTreeItemId item = event.GetItem();
    if (m_updatingTree || item == tree->GetRootItem()) {
        return;
    }
    const auto* data = item.IsOk() ? static_cast<const ServiceTreeItem*>(tree->GetItemData(item)) : nullptr;
    m_selectedNode.reset();
    if (data != nullptr) {
        m_selectedNode.emplace(data->node, data->requestItem);
    }
    ShowSelectedRequest();
}

// Services and bindings carry no request; the stored copy stays as it is, whatever is typed in the pane.
void MainDialog::ShowSelectedRequest() {
    const wxString* request = SelectedRecord().request;
    m_messagePane->ShowRequest(request ? *request : wxString());
    m_paneShowsSelection = request != nullptr;
    ShowEndpoint(SelectedRecord());
}

void MainDialog::ClearPane() {
    m_messagePane->ShowText(wxString());
    m_paneShowsSelection = false;
}

// The line is set only when its text changes, so that it does not flicker with repeated news.
void MainDialog::SetStatus(const wxString& text) {
    if (m_statusLine->GetLabel() != text) {
        m_statusLine->SetLabel(text);
    }
}

} // namespace quorvel::ui
