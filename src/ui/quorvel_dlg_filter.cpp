// The filter box above the tree: operations whose names contain the typed text, in any letter case,
// with their bindings and services expanded; an empty box shows the whole tree again.

#include "ui/quorvel_dlg.h"

#include "ui/messages.h"
#include "ui/tree_sort.h"

#include <wx/srchctrl.h>

using quorvel::ui::OutlineLevel;
using quorvel::ui::OutlineNode;
using quorvel::ui::ServiceTreeItem;

void CQuorvelDlg::OnFilterText(wxCommandEvent&) {
    ShowFilteredTree();
}

void CQuorvelDlg::ClearFilter() {
    m_editFilter->ChangeValue(wxEmptyString);
    ShowFilteredTree();
}

// Rebuilds the items that the filter lets through, in the order of the full tree, and selects the item
// the user selected last if it is among them; the pane keeps its text.
void CQuorvelDlg::ShowFilteredTree() {
    const std::vector<OutlineNode>& nodes = m_outline.Nodes();
    const std::vector<bool> visible = m_outline.Visible(m_editFilter->GetValue().Lower());
    const wxTreeItemId root = m_treeServices->GetRootItem();
    const wxString requestText = wxString::FromUTF8(quorvel::ui::kRequestItem);
    m_bRebuildingTree = true;
    m_treeServices->Freeze();
    m_treeServices->DeleteChildren(root);
    wxTreeItemId service;
    wxTreeItemId binding;
    wxTreeItemId selection;
    std::vector<wxTreeItemId> expanded;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (!visible[i]) {
            continue;
        }
        const OutlineNode& node = nodes[i];
        const bool selected = m_selectedNode && m_selectedNode->first == i;
        switch (node.level) {
        case OutlineLevel::Service:
            service = m_treeServices->AppendItem(root, node.text, quorvel::ui::kImageService,
                                                 quorvel::ui::kImageService,
                                                 new ServiceTreeItem(node.record, false, i));
            expanded.push_back(service);
            selection = selected ? service : selection;
            break;
        case OutlineLevel::Binding:
            binding = m_treeServices->AppendItem(service, node.text, quorvel::ui::kImageBinding,
                                                 quorvel::ui::kImageBinding,
                                                 new ServiceTreeItem(node.record, false, i));
            expanded.push_back(binding);
            selection = selected ? binding : selection;
            break;
        case OutlineLevel::Operation: {
            const wxTreeItemId operation = m_treeServices->AppendItem(
                binding, node.text, quorvel::ui::kImageOperation, quorvel::ui::kImageOperation,
                new ServiceTreeItem(node.record, false, i));
            const wxTreeItemId request = m_treeServices->AppendItem(
                operation, requestText, quorvel::ui::kImageRequest, quorvel::ui::kImageRequest,
                new ServiceTreeItem(node.record, true, i));
            selection = selected ? (m_selectedNode->second ? request : operation) : selection;
            break;
        }
        }
    }
    for (const wxTreeItemId& item : expanded) {
        m_treeServices->Expand(item);
    }
    if (selection.IsOk()) {
        m_treeServices->SelectItem(selection);
        m_treeServices->EnsureVisible(selection);
    }
    m_treeServices->Thaw();
    m_bRebuildingTree = false;
}
