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

CServiceTreeCtrl* CQuorvelDlg::ShownTree() const {
    return m_treeFiltered->IsShown() ? m_treeFiltered : m_treeServices;
}

// With text in the box the filtered tree takes the service tree's place; without, the service tree
// comes back as it was, with the item the user selected last.
void CQuorvelDlg::ShowFilteredTree() {
    const wxString filter = m_editFilter->GetValue().Lower();
    const bool filtering = !filter.empty();
    if (filtering) {
        FillFilteredTree(filter);
    } else {
        m_treeFiltered->DeleteChildren(m_treeFiltered->GetRootItem());
        SelectInServiceTree();
    }
    if (m_treeFiltered->IsShown() != filtering) {
        m_treeFiltered->Show(filtering);
        m_treeServices->Show(!filtering);
    }
}

// Fills the filtered tree with the items that the filter lets through, in the order of the service tree,
// and selects the item the user selected last if it is among them; the pane keeps its text.
void CQuorvelDlg::FillFilteredTree(const wxString& lowerFilter) {
    const std::vector<OutlineNode>& nodes = m_outline.Nodes();
    const std::vector<bool> visible = m_outline.Visible(lowerFilter);
    const wxTreeItemId root = m_treeFiltered->GetRootItem();
    const wxString requestText = wxString::FromUTF8(quorvel::ui::kRequestItem);
    m_bUpdatingTree = true;
    m_treeFiltered->Freeze();
    m_treeFiltered->DeleteChildren(root);
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
            m_treeFiltered->AppendItem(depth == 0 ? root : parents[depth - 1], node.text, image, image,
                                       new ServiceTreeItem(node.record, false, i));
        wxTreeItemId request;
        if (node.level == OutlineLevel::Operation) {
            request = m_treeFiltered->AppendItem(item, requestText, quorvel::ui::kImageRequest,
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
        m_treeFiltered->Expand(item);
    }
    if (selection.IsOk()) {
        m_treeFiltered->SelectItem(selection);
        m_treeFiltered->EnsureVisible(selection);
    }
    m_treeFiltered->Thaw();
    m_bUpdatingTree = false;
}

// The user may have selected another item while the filter was on.
void CQuorvelDlg::SelectInServiceTree() {
    if (!m_selectedNode) {
        return;
    }
    const OutlineNode& node = m_outline.Nodes().at(m_selectedNode->first);
    const wxTreeItemId item = m_selectedNode->second ? node.requestItem : node.item;
    if (item.IsOk() && m_treeServices->GetSelection() != item) {
        m_bUpdatingTree = true;
        m_treeServices->SelectItem(item);
        m_treeServices->EnsureVisible(item);
        m_bUpdatingTree = false;
    }
}
