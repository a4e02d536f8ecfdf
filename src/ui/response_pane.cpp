#include "ui/response_pane.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"

#include <wx/checkbox.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <utility>

namespace quorvel::ui {

ResponsePane::ResponsePane(wxWindow* parent, wxWindowID id) : wxPanel(parent, id) {
    m_line = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                              wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    m_prettyBox = new wxCheckBox(this, wxID_ANY, FromUtf8(ui_msg::kCheckPretty));
    m_prettyBox->SetValue(true);
    m_body = new RequestPane(this, wxID_ANY);
    m_body->SetReadOnly(true);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(m_line, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    top->Add(m_prettyBox, 0, wxALIGN_CENTER_VERTICAL);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(top, 0, wxEXPAND | wxBOTTOM, 4);
    column->Add(m_body, 1, wxEXPAND);
    SetSizer(column);
    m_prettyBox->Bind(wxEVT_CHECKBOX, &ResponsePane::OnPrettyBox, this);
}

void ResponsePane::ShowLine(const wxString& line) {
    m_line->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    m_line->SetLabelText(line);
}

// A fault or a failure shows its line in red.
void ResponsePane::ShowResponse(ResponseView view) {
    m_view = std::move(view);
    ShowLine(m_view.line);
    if (m_view.outcome != ResponseView::Outcome::Answered) {
        m_line->SetForegroundColour(wxColour(190, 0, 0));
    }
    m_line->SetToolTip(m_view.line);
    ShowBody();
}

void ResponsePane::SetBodyFont(const wxFont& font) {
    m_body->SetFont(font);
}

wxString ResponsePane::BodyText() const {
    return m_body->GetValue();
}

bool ResponsePane::ShowsPretty() const {
    return m_prettyBox->GetValue() && !m_view.pretty.empty();
}

void ResponsePane::OnPrettyBox(wxCommandEvent&) {
    ShowBody();
}

// The indented view only where there is one: a body that is not well-formed XML is shown as received.
void ResponsePane::ShowBody() {
    m_body->SetReadOnly(false);
    m_body->ShowText(ShowsPretty() ? m_view.pretty : m_view.raw);
    m_body->SetReadOnly(true);
}

} // namespace quorvel::ui
