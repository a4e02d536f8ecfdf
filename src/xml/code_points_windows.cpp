#include "xml/code_points.h"

#include "text/utf8.h"

#include <windows.h>

namespace quorvel {
namespace {

std::wstring Utf16(char32_t c) {
    if (c < 0x10000) {
        return std::wstring(1, static_cast<wchar_t>(c));
    }
    c -= 0x10000;
    return {static_cast<wchar_t>(0xD800 + (c >> 10)), static_cast<wchar_t>(0xDC00 + (c & 0x3FF))};
}

// The character type bits of c; a character beyond the basic plane has none that the system reports.
WORD CharacterType(char32_t c) {
    const std::wstring units = Utf16(c);
    WORD types[2] = {};
    if (!GetStringTypeW(CT_CTYPE1, units.data(), static_cast<int>(units.size()), types)) {
        return 0;
    }
    return types[0];
}

} // namespace

// UTF-8 is decoded by hand rather than with MultiByteToWideChar: a malformed sequence is one unit for its
// longest valid beginning, as on the other systems.
int32_t NextCodePoint(std::string_view text, size_t& index) {
    return NextUtf8CodePoint(text, index);
}

std::u32string CodePoints(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const int32_t c = NextCodePoint(text, i);
        result.push_back(c < 0 ? 0xFFFD : static_cast<char32_t>(c));
    }
    return result;
}

std::string Utf8(const std::u32string& codePoints) {
    std::string result;
    for (const char32_t c : codePoints) {
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c < 0x800) {
            result += static_cast<char>(0xC0 | c >> 6);
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += static_cast<char>(0xE0 | c >> 12);
            result += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | c >> 18);
            result += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            result += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

char32_t LowerCodePoint(char32_t c) {
    const std::wstring units = Utf16(c);
    wchar_t lower[2] = {};
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, units.data(),
                                     static_cast<int>(units.size()), lower, 2, nullptr, nullptr, 0);
    return length == 1 ? static_cast<char32_t>(lower[0]) : c;
}

bool IsLetter(char32_t c) {
    return (CharacterType(c) & C1_ALPHA) != 0;
}

bool IsLetterOrDigit(char32_t c) {
    return (CharacterType(c) & (C1_ALPHA | C1_DIGIT)) != 0;
}

} // namespace quorvel
