#pragma once
// The message pane: a request as coloured XML (element names, attribute names and values, comments) with
// its "?" placeholders boxed; CR LF line ends, long lines wrapped, editable like a plain edit box.

#include <wx/stc/stc.h>

#include <vector>

namespace quorvel::ui {

class RequestPane : public wxStyledTextCtrl {
public:
    RequestPane(wxWindow* parent, wxWindowID id);

    // Every style takes the font; the colours stay.
    bool SetFont(const wxFont& font) override;
    // Replaces the text (line ends already CR LF) without an event and without undo history; the text
    // counts as unmodified, and problems marked go.
    void ShowText(const wxString& text);
    // Marks these lines (from 1) as having problems, and only these.
    void MarkProblemLines(const std::vector<int>& lines);

private:
    void SetXmlColours();
    void MarkPlaceholders();
};

} // namespace quorvel::ui
