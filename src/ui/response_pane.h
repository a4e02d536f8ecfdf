#pragma once
// The response of the last send: one line that sums it up, and the body, read-only and coloured as the
// request is, indented or as received.

#include "ui/response_view.h"

#include <wx/panel.h>

class wxCheckBox;
class wxStaticText;

namespace quorvel::ui {

class RequestPane;

class ResponsePane : public wxPanel {
public:
    ResponsePane(wxWindow* parent, wxWindowID id);

    // The line while a send is under way; the body of the previous response stays until the new one.
    void ShowLine(const wxString& line);
    void ShowResponse(ResponseView view);
    void SetBodyFont(const wxFont& font);
    // The body's text as shown, and whether it is the indented view.
    wxString BodyText() const;
    bool ShowsPretty() const;
    const wxStaticText* Line() const { return m_line; }

private:
    void OnPrettyBox(wxCommandEvent& event);
    void ShowBody();

    wxStaticText* m_line;
    wxCheckBox* m_prettyBox;
    RequestPane* m_body;
    ResponseView m_view;
};

} // namespace quorvel::ui
