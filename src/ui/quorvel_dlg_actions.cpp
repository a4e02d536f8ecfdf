// What the user does with a request besides reading it: copy it, save it, from the tree's context menu
// or with the keyboard; and the dialog's shortcuts.

#include "ui/quorvel_dlg.h"

#include "ui/messages.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <fstream>

// Ctrl+O opens a file, Ctrl+L goes to the address box, F5 loads its address again, and Ctrl+C in the
// tree copies the selected request. True when the key was one of them.
bool CQuorvelDlg::OnShortcut(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool control = event.GetModifiers() == wxMOD_CONTROL;
    if (key == WXK_F5 && event.GetModifiers() == wxMOD_NONE) {
        ParseAddress();
    } else if (control && key == 'O') {
        wxCommandEvent open;
        OnBnClickedOpen(open);
    } else if (control && key == 'L') {
        m_editAddress->SetFocus();
        m_editAddress->SelectAll();
    } else if (control && key == 'C' && FindFocus() == ShownTree() && SelectedRecord().request != nullptr) {
        wxCommandEvent copy;
        OnCopyRequest(copy);
    } else {
        return false;
    }
    return true;
}

// The records of the selected item; all null when nothing is selected.
quorvel::ui::TreeRecord CQuorvelDlg::SelectedRecord() const {
    const CServiceTreeCtrl* tree = ShownTree();
    const wxTreeItemId item = tree->GetSelection();
    const auto* data =
        item.IsOk() ? static_cast<const quorvel::ui::ServiceTreeItem*>(tree->GetItemData(item)) : nullptr;
    return data != nullptr ? data->record : quorvel::ui::TreeRecord{};
}

// A right click selects the item under the pointer and offers what can be done with it.
void CQuorvelDlg::OnTreeContextMenu(wxTreeEvent& event) {
    if (!event.GetItem().IsOk()) {
        return;
    }
    ShownTree()->SelectItem(event.GetItem());
    if (SelectedRecord().operation == nullptr) {
        return;
    }
    // The chosen command reaches the dialog's menu handlers.
    wxMenu menu;
    menu.Append(IDM_COPY_REQUEST, wxString::FromUTF8(quorvel::ui::kMenuCopyRequest));
    menu.Append(IDM_SAVE_REQUEST, wxString::FromUTF8(quorvel::ui::kMenuSaveRequest));
    PopupMenu(&menu);
}

// The request as it was built, line feeds and all.
void CQuorvelDlg::OnCopyRequest(wxCommandEvent&) {
    const quorvel::ui::TreeRecord record = SelectedRecord();
    if (record.request == nullptr || !wxTheClipboard->Open()) {
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(*record.request));
    wxTheClipboard->Close();
    m_statusLine->SetLabel(wxString::FromUTF8(quorvel::ui::kStatusCopied));
}

// Writes the request as it was built into a file the user chooses, in UTF-8 without a byte-order mark.
void CQuorvelDlg::OnSaveRequest(wxCommandEvent&) {
    const quorvel::ui::TreeRecord record = SelectedRecord();
    wxString path;
    if (record.operation == nullptr || !quorvel::ui::CurrentPrompts().ChooseSaveFile(
                                           this, wxString::FromUTF8(record.operation->name) + ".xml", path)) {
        return;
    }
    std::ofstream file(path.fn_str(), std::ios::binary | std::ios::trunc);
    file.write(record.operation->request.data(),
               static_cast<std::streamsize>(record.operation->request.size()));
    file.close();
    if (!file) {
        quorvel::ui::CurrentPrompts().ShowMessage(
            this, wxString::FromUTF8(quorvel::ui::kStatusSaveFailed) + path, wxICON_ERROR);
        return;
    }
    m_statusLine->SetLabel(wxString::Format(wxString::FromUTF8(quorvel::ui::kStatusSaved), path));
}
