// The dialog from the keyboard: the order of the tab stops, Esc, Tab in the request pane, the context
// menu keys and the shortcuts.

#include "ui/main_dialog.h"

#include "ui/request_pane.h"
#include "ui/tree_sort.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/srchctrl.h>
#include <wx/textctrl.h>

namespace quorvel::ui {

namespace {

// The tab stops in the order Tab visits them: the address row's box and 打开, the filter and the tree
// below it (the filtered tree stands in the service tree's place), the request pane, then the check box
// and 解析, the last stop. A control added to the dialog takes its place in this list.
const int kTabOrder[] = {
    kIdAddressBox,     kIdOpenButton,  kIdFilterBox,           kIdServiceTree, kIdFilteredTree,
    kIdMessagePane,    kIdEndpointBox, kIdResetEndpointButton, kIdSendButton,  kIdValidateButton,
    kIdResultsBook,    kIdOptionsButton, kIdFollowImportsBox,  kIdParseButton,
};

} // namespace

void MainDialog::ApplyTabOrder() {
    wxWindow* previous = nullptr;
    for (const int id : kTabOrder) {
        wxWindow* control = FindWindow(id);
        if (previous != nullptr && control != nullptr) {
            control->MoveAfterInTabOrder(previous);
        }
        previous = control != nullptr ? control : previous;
    }
}

// Sees every key before the focused control: Ctrl+Enter sends and Esc cancels a send under way; Enter in
// the address box loads and goes no further; Esc, Tab in the request pane and the shortcuts are the
// dialog's; everything else takes its normal course.
void MainDialog::OnCharHook(wxKeyEvent& event) {
    if (HandleSendKeys(event)) {
        return;
    }
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && FindFocus() == m_addressBox) {
        m_escapeGuard.Release();
        StartLoad();
        return;
    }
    if (key == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
        OnEscape();
        return;
    }
    m_escapeGuard.Release();
    if (!HandleTabInPane(event) && !HandleShortcut(event)) {
        event.Skip();
    }
}

// Esc cancels a load, an export or a rebuild of the requests under way, else clears the filter box it is
// pressed in, else closes the dialog. An Esc right after one that did something else is held back.
void MainDialog::OnEscape() {
    if (m_escapeGuard.Holds()) {
        m_escapeGuard.Hold();
        return;
    }
    if (m_loading) {
        CancelLoad();
    } else if (m_exporting) {
        CancelExport();
    } else if (m_rebuilding) {
        CancelRebuild();
    } else if (FindFocus() == m_filterBox && !m_filterBox->GetValue().empty()) {
        ClearFilter();
    } else {
        Close();
        return;
    }
    m_escapeGuard.Hold();
}

// The pane is a multi-line edit in a dialog: Tab and Shift+Tab move on, Ctrl+Tab types a tab.
bool MainDialog::HandleTabInPane(const wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB || FindFocus() != m_messagePane) {
        return false;
    }
    const int modifiers = event.GetModifiers();
    if (modifiers == wxMOD_CONTROL) {
        if (!m_messagePane->GetReadOnly()) {
            m_messagePane->ReplaceSelection("\t");
        }
    } else if (modifiers == wxMOD_NONE || modifiers == wxMOD_SHIFT) {
        m_messagePane->Navigate(modifiers == wxMOD_SHIFT ? wxNavigationKeyEvent::IsBackward
                                                         : wxNavigationKeyEvent::IsForward);
    } else {
        return false;
    }
    return true;
}

// Ctrl+O opens a file, Ctrl+L goes to the address box, F5 loads its address again; in the tree Ctrl+C
// copies the selected request, and Shift+F10 or the Menu key open the selected item's menu. True when
// the key was one of them.
bool MainDialog::HandleShortcut(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int modifiers = event.GetModifiers();
    const bool inTree = FindFocus() == ShownTree();
    if (key == WXK_F5 && modifiers == wxMOD_NONE) {
        StartLoad();
    } else if (modifiers == wxMOD_CONTROL && key == 'O') {
        wxCommandEvent open;
        OnOpenButton(open);
    } else if (modifiers == wxMOD_CONTROL && key == 'L') {
        m_addressBox->SetFocus();
        m_addressBox->SelectAll();
    } else if (inTree && modifiers == wxMOD_CONTROL && key == 'C' && SelectedRecord().request != nullptr) {
        wxCommandEvent copy;
        OnCopyRequest(copy);
    } else if (inTree && ((key == WXK_MENU && modifiers == wxMOD_NONE) ||
                          (key == WXK_F10 && modifiers == wxMOD_SHIFT))) {
        ShowItemMenu(ShownTree()->GetSelection(), true);
    } else {
        return false;
    }
    return true;
}

// A tree that takes the focus without a selection marks the item the arrow keys start from.
void MainDialog::OnTreeFocus(wxFocusEvent& event) {
    event.Skip();
    auto* tree = static_cast<ServiceTreeCtrl*>(event.GetEventObject());
    const wxTreeItemId selection = tree->GetSelection();
    if (selection.IsOk() && selection != tree->GetRootItem()) {
        return;
    }
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = tree->GetFirstChild(tree->GetRootItem(), cookie);
    if (first.IsOk()) {
        tree->SetFocusedItem(first);
    }
}

} // namespace quorvel::ui
