#include "ui/connection_settings_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace quorvel::ui {

ConnectionSettingsDialog::ConnectionSettingsDialog(wxWindow* parent, const ConnectionSettings& settings)
    : wxDialog(parent, wxID_ANY, FromUtf8(ui_msg::kSettingsCaption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_settings(settings) {
    m_userBox = new wxTextCtrl(this, wxID_ANY, FromUtf8(settings.user));
    m_passwordBox = new wxTextCtrl(this, wxID_ANY, FromUtf8(settings.password), wxDefaultPosition,
                                   wxDefaultSize, wxTE_PASSWORD);
    m_headersBox = new wxTextCtrl(this, wxID_ANY, HeaderLinesText(settings.headers), wxDefaultPosition,
                                  wxSize(420, 100), wxTE_MULTILINE | wxHSCROLL);

    auto* fields = new wxFlexGridSizer(2, wxSize(8, 8));
    fields->AddGrowableCol(1);
    fields->Add(new wxStaticText(this, wxID_ANY, FromUtf8(ui_msg::kLabelUser)), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(m_userBox, 1, wxEXPAND);
    fields->Add(new wxStaticText(this, wxID_ANY, FromUtf8(ui_msg::kLabelPassword)), 0,
                wxALIGN_CENTER_VERTICAL);
    fields->Add(m_passwordBox, 1, wxEXPAND);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(fields, 0, wxEXPAND | wxALL, 10);
    column->Add(new wxStaticText(this, wxID_ANY, FromUtf8(ui_msg::kLabelHeaders)), 0, wxLEFT | wxRIGHT, 10);
    column->Add(m_headersBox, 1, wxEXPAND | wxALL, 10);
    column->Add(new wxStaticText(this, wxID_ANY, FromUtf8(ui_msg::kSettingsNote)), 0, wxLEFT | wxRIGHT, 10);
    column->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(column);
    Bind(wxEVT_BUTTON, &ConnectionSettingsDialog::OnOk, this, wxID_OK);
}

void ConnectionSettingsDialog::OnOk(wxCommandEvent& event) {
    std::vector<std::string> headers;
    if (const size_t bad = ReadHeaderLines(m_headersBox->GetValue(), headers)) {
        const wxString text =
            wxString::Format(FromUtf8(ui_msg::kBadHeaderLine), wxString::Format("%zu", bad)) +
            m_headersBox->GetLineText(static_cast<long>(bad) - 1);
        CurrentPrompts().ShowMessage(this, text, wxICON_ERROR);
        m_headersBox->SetFocus();
        return;
    }
    m_settings.user = m_userBox->GetValue().utf8_string();
    m_settings.password = m_passwordBox->GetValue().utf8_string();
    m_settings.headers = std::move(headers);
    event.Skip();
}

} // namespace quorvel::ui
