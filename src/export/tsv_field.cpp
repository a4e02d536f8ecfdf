#include "export/tsv_field.h"

#include <cstdio>

namespace quorvel {
namespace {

// "\u" and four hexadecimal digits: a control character that a terminal would act on instead of show.
void AppendCodePointEscape(unsigned codePoint, std::string& field) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04X", codePoint);
    field += escape;
}

// U+0080 to U+009F, the C1 controls, are 0xC2 followed by 0x80 to 0x9F in UTF-8.
bool IsC1Second(std::string_view text, size_t at) {
    return at < text.size() && static_cast<unsigned char>(text[at]) >= 0x80 &&
           static_cast<unsigned char>(text[at]) <= 0x9F;
}

} // namespace

std::string TsvField(std::string_view text) {
    std::string field;
    field.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '\\':
            field += "\\\\";
            break;
        case '\t':
            field += "\\t";
            break;
        case '\n':
            field += "\\n";
            break;
        case '\r':
            field += "\\r";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                AppendCodePointEscape(byte, field);
            } else if (byte == 0xC2 && IsC1Second(text, i + 1)) {
                AppendCodePointEscape(static_cast<unsigned char>(text[++i]), field);
            } else {
                field += text[i];
            }
        }
    }
    return field;
}

} // namespace quorvel
