#pragma once
// 连接设置…: the user name, password and extra request headers of this window's connections.

#include "ui/connection_settings.h"

#include <wx/dialog.h>

class wxTextCtrl;

namespace quorvel::ui {

class ConnectionSettingsDialog : public wxDialog {
public:
    ConnectionSettingsDialog(wxWindow* parent, const ConnectionSettings& settings);

    // The settings as entered; valid once the dialog ended with wxID_OK.
    const ConnectionSettings& Settings() const { return m_settings; }

private:
    // OK takes the entries only when every header line is valid; otherwise it says which is not.
    void OnOk(wxCommandEvent& event);

    wxTextCtrl* m_userBox;
    wxTextCtrl* m_passwordBox;
    wxTextCtrl* m_headersBox;
    ConnectionSettings m_settings;
};

} // namespace quorvel::ui
