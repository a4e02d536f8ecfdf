// What the user does in the dialog: choose a file, load a description, browse the tree, read a request.

#include "ui/quorvel_dlg.h"

#include "load/service_load.h"
#include "ui/line_ends.h"
#include "ui/messages.h"
#include "ui/request_pane.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <memory>
#include <new>
#include <utility>
#include <vector>

using quorvel::ui::kImageBinding;
using quorvel::ui::kImageOperation;
using quorvel::ui::kImageRequest;
using quorvel::ui::kImageService;
using quorvel::ui::ServiceTreeItem;
using quorvel::ui::TreeRecord;

void CQuorvelDlg::OnBnClickedOpen(wxCommandEvent&) {
    wxString path;
    if (quorvel::ui::CurrentPrompts().ChooseDescriptionFile(this, path)) {
        m_editAddress->SetValue(path);
    }
}

// The button reads 取消 while a load runs, and then cancels it.
void CQuorvelDlg::OnBnClickedParse(wxCommandEvent&) {
    if (m_bLoading) {
        CancelLoad();
    } else {
        ParseAddress();
    }
}

// The automatic start for a command-line address: fires once and presses the parse button.
void CQuorvelDlg::OnTimer(wxTimerEvent&) {
    m_autoParseTimer.Stop();
    wxCommandEvent click(wxEVT_BUTTON, IDC_BTN_PARSE);
    click.SetEventObject(m_btnParse);
    m_btnParse->Command(click);
}

// Starts a load of the address in the box; the result arrives later (quorvel_dlg_loading.cpp). While
// a load runs, Enter and F5 leave it alone: the button cancels it.
void CQuorvelDlg::ParseAddress() {
    if (m_bLoading) {
        return;
    }
    const wxString address = m_editAddress->GetValue().Strip(wxString::both);
    if (address.empty()) {
        quorvel::ui::CurrentPrompts().ShowMessage(this, wxString::FromUTF8(quorvel::ui::kAddressMissing),
                                                  wxICON_INFORMATION);
        return;
    }
    StartLoad(address);
}

// The request copies, the bulk of the tree's memory, are made before the tree changes: when they do not
// fit, the previous tree stays. Should the tree itself run out of memory, it is left empty.
void CQuorvelDlg::ShowModel(quorvel::WsdlModel model) {
    std::vector<std::unique_ptr<wxString>> requestTexts;
    for (const quorvel::WsdlService& service : model) {
        for (const quorvel::WsdlBinding& binding : service.bindings) {
            for (const quorvel::WsdlOperation& operation : binding.operations) {
                requestTexts.push_back(std::make_unique<wxString>(wxString::FromUTF8(operation.request)));
            }
        }
    }
    // The items of both trees point into the model and the copies that are about to be replaced.
    m_treeFiltered->DeleteChildren(m_treeFiltered->GetRootItem());
    m_treeServices->DeleteChildren(m_treeServices->GetRootItem());
    m_model = std::move(model);
    m_requestTexts = std::move(requestTexts);
    try {
        FillServiceTree();
    } catch (const std::bad_alloc&) {
        m_treeServices->DeleteChildren(m_treeServices->GetRootItem());
        m_model.clear();
        m_requestTexts.clear();
        m_outline.Capture(*m_treeServices);
        m_selectedNode.reset();
        throw;
    }
}

// Services, their bindings, their operations and one request item per operation, into the empty tree;
// each level sorted, services and bindings expanded, operations collapsed. The request copies are in
// model order.
void CQuorvelDlg::FillServiceTree() {
    const wxTreeItemId root = m_treeServices->GetRootItem();
    size_t nextRequest = 0;
    for (const quorvel::WsdlService& service : m_model) {
        const wxTreeItemId serviceItem =
            m_treeServices->AppendItem(root, wxString::FromUTF8(service.name), kImageService, kImageService,
                                       new ServiceTreeItem(TreeRecord{&service}));
        for (const quorvel::WsdlBinding& binding : service.bindings) {
            const wxTreeItemId bindingItem = m_treeServices->AppendItem(
                serviceItem, wxString::FromUTF8(binding.name), kImageBinding, kImageBinding,
                new ServiceTreeItem(TreeRecord{&service, &binding}));
            for (const quorvel::WsdlOperation& operation : binding.operations) {
                const TreeRecord record{&service, &binding, &operation, m_requestTexts[nextRequest++].get()};
                const wxTreeItemId operationItem =
                    m_treeServices->AppendItem(bindingItem, wxString::FromUTF8(operation.name),
                                               kImageOperation, kImageOperation, new ServiceTreeItem(record));
                m_treeServices->AppendItem(operationItem, wxString::FromUTF8(quorvel::ui::kRequestItem),
                                           kImageRequest, kImageRequest, new ServiceTreeItem(record, true));
            }
            m_treeServices->SortChildren(bindingItem);
            m_treeServices->Expand(bindingItem);
        }
        m_treeServices->SortChildren(serviceItem);
        m_treeServices->Expand(serviceItem);
    }
    m_treeServices->SortChildren(root);
    // The filter shows parts of the tree in this order; a new tree starts unfiltered and unselected.
    m_outline.Capture(*m_treeServices);
    m_selectedNode.reset();
}

void CQuorvelDlg::OnTvnSelchangedTree(wxTreeEvent& event) {
    // Neither the dialog's own filling and selecting is the user's selection, nor the tree control's
    // when, once idle without a selection, it selects its hidden root.
    const auto* tree = static_cast<const wxTreeCtrl*>(event.GetEventObject());
    const wxTreeItemId item = event.GetItem();
    if (m_bUpdatingTree || item == tree->GetRootItem()) {
        return;
    }
    const auto* data = item.IsOk() ? static_cast<const ServiceTreeItem*>(tree->GetItemData(item)) : nullptr;
    m_selectedNode.reset();
    if (data != nullptr) {
        m_selectedNode.emplace(data->node, data->requestItem);
    }
    // Services and bindings carry no request; the stored copy stays as it is, whatever is typed here.
    const wxString* request = data != nullptr ? data->record.request : nullptr;
    m_editMessage->ShowText(request ? quorvel::ui::WithCrLfLineEnds(*request) : wxString());
}
