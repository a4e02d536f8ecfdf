#include "xml/code_points.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace quorvel {

int32_t NextCodePoint(std::string_view text, size_t& index) {
    auto i = static_cast<int32_t>(index);
    UChar32 c = 0;
    U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
    index = static_cast<size_t>(i);
    return c;
}

std::u32string CodePoints(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    int32_t length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(text.data(), i, length, c);
        result.push_back(static_cast<char32_t>(c < 0 ? 0xFFFD : c));
    }
    return result;
}

std::string Utf8(const std::u32string& codePoints) {
    std::string result;
    for (char32_t c : codePoints) {
        char buffer[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(buffer, length, static_cast<UChar32>(c));
        result.append(buffer, static_cast<size_t>(length));
    }
    return result;
}

char32_t LowerCodePoint(char32_t c) {
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}
bool IsLetter(char32_t c) {
    return u_isalpha(static_cast<UChar32>(c));
}
bool IsLetterOrDigit(char32_t c) {
    return u_isalnum(static_cast<UChar32>(c));
}

} // namespace quorvel
