// The options menu beside 跟随导入: the connection settings, for sending and for loading.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/menu.h>

namespace quorvel::ui {

// The menu drops down below the button; the chosen command reaches the dialog's menu handlers.
void MainDialog::OnOptionsButton(wxCommandEvent&) {
    wxMenu menu;
    menu.Append(kIdConnectionSettings, wxString::FromUTF8(kMenuConnectionSettings));
    const wxRect button = m_optionsButton->GetRect();
    PopupMenu(&menu, button.GetBottomLeft());
}

// Kept while the window is open; they take effect with the next load and the next send.
void MainDialog::OnConnectionSettings(wxCommandEvent&) {
    ConnectionSettings settings = m_connection;
    if (CurrentPrompts().EditConnectionSettings(this, settings)) {
        m_connection = std::move(settings);
    }
}

} // namespace quorvel::ui
