#include "xml/code_points.h"

#include "fetch/wide_text_windows.h"

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

std::u32string CodePoints(std::string_view text) {
    const std::wstring wide = WidenUtf8(text);
    std::u32string result;
    result.reserve(wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            result.push_back(0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
            ++i;
        } else {
            result.push_back(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
        }
    }
    return result;
}

std::string Utf8(const std::u32string& codePoints) {
    std::wstring wide;
    for (const char32_t c : codePoints) {
        wide += Utf16(c);
    }
    return NarrowToUtf8(wide);
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
