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
    // The last service and binding item made: the parents of the items that follow.
    wxTreeItemId parents[2];
    std::vector<wxTreeItemId> expanded;
    wxTreeItemId selection;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (!visible[i]) {
            continue;
        }
        const OutlineNode& node = nodes[i];
        const int depth = static_cast<int>(node.level);
        const int image = quorvel::ui::kImageService + depth;
        const wxTreeItemId item =
            m_treeServices->AppendItem(depth == 0 ? root : parents[depth - 1], node.text, image, image,
                                       new ServiceTreeItem(node.record, false, i));
        wxTreeItemId request;
        if (node.level == OutlineLevel::Operation) {
            request = m_treeServices->AppendItem(item, requestText, quorvel::ui::kImageRequest,
                                                 quorvel::ui::kImageRequest,
                                                 new ServiceTreeItem(node.record, true, i));
        } else {
            parents[depth] = item;
            expanded.push_back(item);
        }
        if (m_selectedNode && m_selectedNode->first == i) {
            selection = m_selectedNode->second ? request : item;
        }
    }
    // Services and bindings come up expanded, once they have their children; operations collapsed.
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
