#include "ui/line_ends.h"

namespace quorvel::ui {

std::string Utf8WithCrLfLineEnds(const wxString& text, size_t from, size_t to) {
    // CR and LF never occur inside a UTF-8 sequence, so the line ends are mended on the bytes.
    const std::string utf8 = wxString(text.wc_str() + from, to - from).utf8_string();
    std::string shown;
    shown.reserve(utf8.size() + utf8.size() / 16);
    for (size_t at = 0; at < utf8.size(); ++at) {
        const char c = utf8[at];
        if (c != '\r' && c != '\n') {
            shown += c;
            continue;
        }
        shown += "\r\n";
        if (c == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n') {
            ++at;
        }
    }
    return shown;
}

size_t TextPartEnd(const wxString& text, size_t from, size_t length) {
    if (text.length() - from <= length) {
        return text.length();
    }
    const size_t lineEnd = text.find_first_of(wxS("\r\n"), from + length);
    if (lineEnd == wxString::npos) {
        return text.length();
    }
    const bool crLf = text[lineEnd] == '\r' && lineEnd + 1 < text.length() && text[lineEnd + 1] == '\n';
    return lineEnd + (crLf ? 2 : 1);
}

} // namespace quorvel::ui
