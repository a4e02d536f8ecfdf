// What the user does in the dialog: choose a file, load a description, browse the tree, read a request.

#include "ui/main_dialog.h"

#include "load/service_load.h"
#include "model/model_walk.h"
#include "ui/line_ends.h"
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

// The button reads 取消 while a load or an export runs, and then cancels it.
void MainDialog::OnParseButton(wxCommandEvent&) {
    if (m_loading) {
        CancelLoad();
    } else if (m_exporting) {
        CancelExport();
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

// The request copies, the bulk of the tree's memory, are made before the tree changes: when they do not
// fit, the previous tree stays. Should the tree itself run out of memory, it is left empty.
void MainDialog::ShowModel(WsdlModel model) {
    std::vector<std::unique_ptr<wxString>> requestTexts;
    WalkModel(model, [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
        requestTexts.push_back(std::make_unique<wxString>(wxString::FromUTF8(operation.request)));
    });
    // The items of both trees point into the model and the copies that are about to be replaced.
    m_filteredTree->DeleteChildren(m_filteredTree->GetRootItem());
    m_serviceTree->DeleteChildren(m_serviceTree->GetRootItem());
    m_model = std::make_shared<WsdlModel>(std::move(model));
    m_requestTexts = std::move(requestTexts);
    m_endpointEdits.clear();
    try {
        FillServiceTree();
    } catch (const std::bad_alloc&) {
        m_serviceTree->DeleteChildren(m_serviceTree->GetRootItem());
        m_model.reset();
        m_requestTexts.clear();
        m_outline.Capture(*m_serviceTree);
        m_selectedNode.reset();
        throw;
    }
}

// Services, their bindings, their operations and one request item per operation, into the empty tree;
// each level sorted, services and bindings expanded, operations collapsed. The request copies are in
// model order.
void MainDialog::FillServiceTree() {
    const wxTreeItemId root = m_serviceTree->GetRootItem();
    // Every service and binding item in the order made, the last of each level the parent of what follows.
    std::vector<wxTreeItemId> parents;
    wxTreeItemId serviceItem;
    wxTreeItemId bindingItem;
    size_t nextRequest = 0;
    WalkModel(
        *m_model,
        ModelVisitor{
            [&](const WsdlService& service) {
                serviceItem =
                    m_serviceTree->AppendItem(root, wxString::FromUTF8(service.name), kImageService,
                                              kImageService, new ServiceTreeItem(TreeRecord{&service}));
                parents.push_back(serviceItem);
            },
            [&](const WsdlService& service, const WsdlBinding& binding) {
                bindingItem = m_serviceTree->AppendItem(serviceItem, wxString::FromUTF8(binding.name),
                                                        kImageBinding, kImageBinding,
                                                        new ServiceTreeItem(TreeRecord{&service, &binding}));
                parents.push_back(bindingItem);
            },
            [&](const WsdlService& service, const WsdlBinding& binding, const WsdlOperation& operation) {
                const TreeRecord record{&service, &binding, &operation, m_requestTexts[nextRequest++].get()};
                const wxTreeItemId operationItem =
                    m_serviceTree->AppendItem(bindingItem, wxString::FromUTF8(operation.name),
                                              kImageOperation, kImageOperation, new ServiceTreeItem(record));
                m_serviceTree->AppendItem(operationItem, FromUtf8(ui_msg::kRequestItem), kImageRequest,
                                          kImageRequest, new ServiceTreeItem(record, true));
            },
        });
    // Backwards, so that each binding is sorted and expanded before its service.
    for (auto item = parents.rbegin(); item != parents.rend(); ++item) {
        m_serviceTree->SortChildren(*item);
        m_serviceTree->Expand(*item);
    }
    m_serviceTree->SortChildren(root);
    // The filter shows parts of the tree in this order; a new tree starts unfiltered and unselected.
    m_outline.Capture(*m_serviceTree);
    m_selectedNode.reset();
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
    m_messagePane->ShowText(request ? WithCrLfLineEnds(*request) : wxString());
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
