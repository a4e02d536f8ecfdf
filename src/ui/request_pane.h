#pragma once
// The message pane: a request as coloured XML (element names, attribute names and values, comments) with
// its "?" placeholders boxed; CR LF line ends, long lines wrapped, editable like a plain edit box.

#include <wx/stc/stc.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace quorvel::ui {

class RequestPane : public wxStyledTextCtrl {
public:
    RequestPane(wxWindow* parent, wxWindowID id);

    // Every style takes the font; the colours stay.
    bool SetFont(const wxFont& font) override;
    // Replaces the text without an event and without undo history. A long text shows its first part at
    // once and the rest a part at a time whenever the window is idle, so that it keeps answering; the
    // pane is read-only until the whole text is in, which then counts as unmodified. Problems marked go.
    void ShowText(const wxString& text);
    // The same for a request, whose line ends of any kind are shown as CR LF.
    void ShowRequest(const wxString& request);
    // The whole text being shown, also the part still on its way into the pane.
    wxString FullText() const;
    // Marks these lines (from 1) as having problems, and only these; lines still on their way are marked
    // as they come in.
    void MarkProblemLines(const std::vector<int>& lines);

private:
    void SetXmlColours();
    void Show(const wxString& text, bool crLfLineEnds);
    // The pending text from `from` up to `to`, as UTF-8 for the pane.
    std::string PendingUtf8(size_t from, size_t to) const;
    // Appends the next part of the pending text, coloured and with its placeholders and problems marked.
    void AppendPart();
    void OnIdle(wxIdleEvent& event);
    void MarkPlaceholders(int from, std::string_view text);
    void MarkProblemLinesFrom(int firstLine);

    // The text being shown, until all of it is in; the pane holds it up to m_pendingAt.
    wxString m_pending;
    size_t m_pendingAt = 0;
    bool m_crLfLineEnds = false;
    std::vector<int> m_problemLines;
};

} // namespace quorvel::ui
