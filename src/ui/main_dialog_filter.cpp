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
        m_filteredFiller->Clear();
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
// a part at a time (OnIdle), and selects the item the user selected last as it comes; the pane keeps its
// text.
void MainDialog::FillFilteredTree(const wxString& lowerFilter) {
    m_updatingTree = true;
    m_filteredFiller->Start(m_outline, m_outline.Visible(lowerFilter), &m_selectedNode);
    m_updatingTree = false;
}

// The user may have selected another item while the filter was on; one that the service tree does not
// hold yet is selected as it comes.
void MainDialog::SelectInServiceTree() {
    if (!m_selectedNode) {
        return;
    }
    const wxTreeItemId item = m_serviceFiller->Item(*m_selectedNode);
    if (item.IsOk() && m_serviceTree->GetSelection() != item) {
        m_updatingTree = true;
        m_serviceTree->SelectItem(item);
        m_serviceTree->EnsureVisible(item);
        m_updatingTree = false;
    }
}

} // namespace quorvel::ui
