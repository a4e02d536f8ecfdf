// The filter box above the tree: operations whose names contain the typed text, in any letter case,
// with their bindings and services expanded; an empty box shows the whole tree again.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/tree_sort.h"

#include <wx/srchctrl.h>
#include <wx/stattext.h>

namespace quorvel::ui {

void MainDialog::OnFilterText(wxCommandEvent&) {
    ShowFilteredTree();
}

void MainDialog::ClearFilter() {
    m_filterBox->ChangeValue(wxEmptyString);
    ShowFilteredTree();
}

ServiceTreeCtrl* MainDialog::ShownTree() const {
    return m_filteredTree->IsShown() ? m_filteredTree : m_serviceTree;
}

// With text in the box the filtered tree takes the service tree's place; without, the service tree
// comes back as it was, with the item the user selected last. A filter that matches nothing says so on
// the status line and empties the pane; the selected item's request comes back with the item.
void MainDialog::ShowFilteredTree() {
    const wxString filter = m_filterBox->GetValue().Lower();
    const bool filtering = !filter.empty();
    if (filtering) {
        FillFilteredTree(filter);
    } else {
        m_filteredTree->DeleteChildren(m_filteredTree->GetRootItem());
        SelectInServiceTree();
    }
    if (m_filteredTree->IsShown() != filtering) {
        m_filteredTree->Show(filtering);
        m_serviceTree->Show(!filtering);
    }
    const bool noMatch =
        filtering && m_filteredTree->GetChildrenCount(m_filteredTree->GetRootItem(), false) == 0;
    if (noMatch && !m_statusBeforeNoMatch) {
        m_statusBeforeNoMatch = m_statusLine->GetLabel();
        SetStatus(FromUtf8(ui_msg::kStatusNoMatch));
        ClearPane();
    } else if (!noMatch && m_statusBeforeNoMatch) {
        SetStatus(*m_statusBeforeNoMatch);
        m_statusBeforeNoMatch.reset();
    }
    if (!m_paneShowsSelection && SelectedRecord().request != nullptr) {
        ShowSelectedRequest();
    }
}

// Fills the filtered tree with the items that the filter lets through, in the order of the service tree,
// and selects the item the user selected last if it is among them; the pane keeps its text.
void MainDialog::FillFilteredTree(const wxString& lowerFilter) {
    const std::vector<OutlineNode>& nodes = m_outline.Nodes();
    const std::vector<bool> visible = m_outline.Visible(lowerFilter);
    const wxTreeItemId root = m_filteredTree->GetRootItem();
    const wxString requestText = FromUtf8(ui_msg::kRequestItem);
    m_updatingTree = true;
    m_filteredTree->Freeze();
    m_filteredTree->DeleteChildren(root);
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
        const int image = kImageService + depth;
        const wxTreeItemId item =
            m_filteredTree->AppendItem(depth == 0 ? root : parents[depth - 1], node.text, image, image,
                                       new ServiceTreeItem(node.record, false, i));
        wxTreeItemId request;
        if (node.level == OutlineLevel::Operation) {
            request = m_filteredTree->AppendItem(item, requestText, kImageRequest, kImageRequest,
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
        m_filteredTree->Expand(item);
    }
    if (selection.IsOk()) {
        m_filteredTree->SelectItem(selection);
        m_filteredTree->EnsureVisible(selection);
    }
    m_filteredTree->Thaw();
    m_updatingTree = false;
}

// The user may have selected another item while the filter was on.
void MainDialog::SelectInServiceTree() {
    if (!m_selectedNode) {
        return;
    }
    const OutlineNode& node = m_outline.Nodes().at(m_selectedNode->first);
    const wxTreeItemId item = m_selectedNode->second ? node.requestItem : node.item;
    if (item.IsOk() && m_serviceTree->GetSelection() != item) {
        m_updatingTree = true;
        m_serviceTree->SelectItem(item);
        m_serviceTree->EnsureVisible(item);
        m_updatingTree = false;
    }
}

} // namespace quorvel::ui
