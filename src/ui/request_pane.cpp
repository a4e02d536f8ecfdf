#include "ui/request_pane.h"

#include "ui/line_ends.h"
#include "ui/utf8_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui {

namespace {

// The indicator that boxes placeholders; lower numbers belong to lexers.
constexpr int kPlaceholderIndicator = 8;
// A long text goes into the pane in parts of about this many characters, each cut after a line end: a
// part takes a few milliseconds to convert, insert and colour.
constexpr size_t kPartCharacters = 32 * 1024;
// The marker that tints a line with a problem found by a check.
constexpr int kProblemMarker = 1;

struct StylesColour {
    std::vector<int> styles;
    wxColour colour;
};

// Element names dark blue, attribute names brown, values purple, comments green, text content black.
const StylesColour kXmlColours[] = {
    {{wxSTC_H_TAG, wxSTC_H_TAGUNKNOWN, wxSTC_H_TAGEND, wxSTC_H_OTHER, wxSTC_H_XMLSTART, wxSTC_H_XMLEND},
     wxColour(0, 0, 160)},
    {{wxSTC_H_ATTRIBUTE, wxSTC_H_ATTRIBUTEUNKNOWN}, wxColour(150, 60, 0)},
    {{wxSTC_H_DOUBLESTRING, wxSTC_H_SINGLESTRING}, wxColour(128, 0, 128)},
    {{wxSTC_H_COMMENT}, wxColour(0, 128, 0)},
    {{wxSTC_H_ENTITY}, wxColour(128, 64, 0)},
    {{wxSTC_H_CDATA}, wxColour(90, 90, 90)},
};

} // namespace

RequestPane::RequestPane(wxWindow* parent, wxWindowID id)
    : wxStyledTextCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE) {
    SetLexer(wxSTC_LEX_XML);
    SetEOLMode(wxSTC_EOL_CRLF);
    SetWrapMode(wxSTC_WRAP_WORD);
    SetUseHorizontalScrollBar(false);
    SetMarginWidth(1, 0);
    SetMarginLeft(2);
    IndicatorSetStyle(kPlaceholderIndicator, wxSTC_INDIC_ROUNDBOX);
    IndicatorSetForeground(kPlaceholderIndicator, wxColour(255, 140, 0));
    IndicatorSetAlpha(kPlaceholderIndicator, 110);
    IndicatorSetOutlineAlpha(kPlaceholderIndicator, 255);
    IndicatorSetUnder(kPlaceholderIndicator, true);
    MarkerDefine(kProblemMarker, wxSTC_MARK_BACKGROUND, wxNullColour, wxColour(255, 215, 215));
    SetXmlColours();
    Bind(wxEVT_IDLE, &RequestPane::OnIdle, this);
}

bool RequestPane::SetFont(const wxFont& font) {
    wxStyledTextCtrl::SetFont(font);
    StyleSetFont(wxSTC_STYLE_DEFAULT, font);
    StyleClearAll();
    SetXmlColours();
    return true;
}

void RequestPane::SetXmlColours() {
    for (const StylesColour& entry : kXmlColours) {
        for (const int style : entry.styles) {
            StyleSetForeground(style, entry.colour);
        }
    }
    StyleSetItalic(wxSTC_H_COMMENT, true);
}

void RequestPane::ShowText(const wxString& text) {
    Show(text, false);
}

void RequestPane::ShowRequest(const wxString& request) {
    Show(request, true);
}

void RequestPane::Show(const wxString& text, bool crLfLineEnds) {
    SetReadOnly(false);
    MarkerDeleteAll(kProblemMarker);
    m_problemLines.clear();
    // Neither the old text's removal nor the new text is kept for undo: both can be megabytes.
    SetUndoCollection(false);
    ClearAll();
    m_pending = text;
    m_pendingAt = 0;
    m_crLfLineEnds = crLfLineEnds;
    AppendPart();
}

std::string RequestPane::PendingUtf8(size_t from, size_t to) const {
    return m_crLfLineEnds ? Utf8WithCrLfLineEnds(m_pending, from, to)
                          : wxString(m_pending.wc_str() + from, to - from).utf8_string();
}

wxString RequestPane::FullText() const {
    return GetText() + FromUtf8(PendingUtf8(m_pendingAt, m_pending.length()));
}

void RequestPane::AppendPart() {
    const size_t end = TextPartEnd(m_pending, m_pendingAt, kPartCharacters);
    const std::string part = PendingUtf8(m_pendingAt, end);
    const int from = GetLength();
    const int firstLine = GetLineCount() - 1;
    // The pane is read-only for the user while it fills, and the control then refuses every change.
    SetReadOnly(false);
    AppendTextRaw(part.data(), static_cast<int>(part.size()));
    MarkPlaceholders(from, part);
    MarkProblemLinesFrom(firstLine);
    m_pendingAt = end;
    if (m_pendingAt < m_pending.length()) {
        SetReadOnly(true);
        // Coloured now, so that scrolling there later costs no more than this part.
        Colourise(from, GetLength());
        return;
    }
    wxString().swap(m_pending);
    m_pendingAt = 0;
    EmptyUndoBuffer();
    SetUndoCollection(true);
    SetSavePoint();
}

// A part at each idle time; the control's own idle work (wrapping long lines) runs as well.
void RequestPane::OnIdle(wxIdleEvent& event) {
    event.Skip();
    if (m_pendingAt < m_pending.length()) {
        AppendPart();
        event.RequestMore();
    }
}

void RequestPane::MarkProblemLines(const std::vector<int>& lines) {
    MarkerDeleteAll(kProblemMarker);
    m_problemLines = lines;
    MarkProblemLinesFrom(0);
}

void RequestPane::MarkProblemLinesFrom(int firstLine) {
    for (const int line : m_problemLines) {
        if (line - 1 >= firstLine && line - 1 < GetLineCount()) {
            MarkerAdd(line - 1, kProblemMarker);
        }
    }
}

// A placeholder is a "?" that is an element's whole content or an attribute's whole value. Positions
// are byte offsets into the pane's UTF-8 text, which holds text from the offset from on. Parts end at
// line ends, and no placeholder spans one.
void RequestPane::MarkPlaceholders(int from, std::string_view text) {
    SetIndicatorCurrent(kPlaceholderIndicator);
    for (size_t at = text.find('?'); at != std::string_view::npos; at = text.find('?', at + 1)) {
        if (at == 0 || at + 1 >= text.size()) {
            continue;
        }
        const char before = text[at - 1];
        const char after = text[at + 1];
        if ((before == '>' && after == '<') || (before == '"' && after == '"') ||
            (before == '\'' && after == '\'')) {
            IndicatorFillRange(from + static_cast<int>(at), 1);
        }
    }
}

} // namespace quorvel::ui
