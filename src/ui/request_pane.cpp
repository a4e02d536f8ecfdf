#include "ui/request_pane.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace quorvel::ui {

namespace {

// The indicator that boxes placeholders; lower numbers belong to lexers.
constexpr int kPlaceholderIndicator = 8;
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
    ChangeValue(text);
    EmptyUndoBuffer();
    SetSavePoint();
    MarkerDeleteAll(kProblemMarker);
    MarkPlaceholders();
}

void RequestPane::MarkProblemLines(const std::vector<int>& lines) {
    MarkerDeleteAll(kProblemMarker);
    for (const int line : lines) {
        MarkerAdd(line - 1, kProblemMarker);
    }
}


// A placeholder is a "?" that is an element's whole content or an attribute's whole value. Positions
// are byte offsets into the pane's UTF-8 text.
void RequestPane::MarkPlaceholders() {
    SetIndicatorCurrent(kPlaceholderIndicator);
    IndicatorClearRange(0, GetLength());
    const wxCharBuffer buffer = GetTextRaw();
    const std::string_view text(buffer.data(), std::strlen(buffer.data()));
    for (size_t at = text.find('?'); at != std::string_view::npos; at = text.find('?', at + 1)) {
        if (at == 0 || at + 1 >= text.size()) {
            continue;
        }
        const char before = text[at - 1];
        const char after = text[at + 1];
        if ((before == '>' && after == '<') || (before == '"' && after == '"') ||
            (before == '\'' && after == '\'')) {
            IndicatorFillRange(static_cast<int>(at), 1);
        }
    }
}

} // namespace quorvel::ui
