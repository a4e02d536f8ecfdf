#pragma once
// The message pane: a request as coloured XML (element names, attribute names and values, comments) with
// its "?" placeholders boxed; CR LF line ends, long lines wrapped, editable like a plain edit box.

#include <wx/stc/stc.h>
#include <wx/timer.h>

#include <string>
#include <string_view>

#include <vector>

namespace quorvel::ui {

class RequestPane : public wxStyledTextCtrl {
public:
    RequestPane(wxWindow* parent, wxWindowID id);

    // Every style takes the font; the colours stay.
    bool SetFont(const wxFont& font) override;
    // Replaces the text (line ends already CR LF) without an event and without undo history. A long text
    // shows its first part at once and the rest in steps while the window keeps answering; the pane is
    // read-only until the whole text is in, which then counts as unmodified. Problems marked go.
    void ShowText(const wxString& text);
    // The whole text being shown, also the part still on its way into the pane.
    wxString FullText() const;
    // Marks these lines (from 1) as having problems, and only these.
    void MarkProblemLines(const std::vector<int>& lines);

private:
    void SetXmlColours();
    // Appends the next part of the pending text, coloured and with its placeholders marked.
    void AppendPart();
    void OnFillTimer(wxTimerEvent& event);
    void MarkPlaceholders(int from, std::string_view text);

    // The text still to append, from m_pendingAt on.
    std::string m_pending;
    size_t m_pendingAt = 0;
    wxTimer m_fillTimer;
};

} // namespace quorvel::ui
