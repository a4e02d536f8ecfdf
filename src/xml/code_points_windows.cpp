#include "xml/code_points.h"

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

// UTF-8 is decoded here rather than with MultiByteToWideChar: a malformed sequence is one unit for its
// longest valid beginning, as on the other systems.
int32_t NextCodePoint(std::string_view text, size_t& index) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char lead = bytes[index++];
    size_t trail = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    int32_t c = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else if (lead >= 0x80) {
        return -1;
    }
    for (; trail > 0; --trail, low = 0x80, high = 0xBF) {
        if (index == text.size() || bytes[index] < low || bytes[index] > high) {
            return -1;
        }
        c = c << 6 | (bytes[index++] & 0x3F);
    }
    return c;
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
