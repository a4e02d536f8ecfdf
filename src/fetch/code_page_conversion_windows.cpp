#include "fetch/code_page_conversion.h"

#include "fetch/wide_text_windows.h"

#include <windows.h>

#include <climits>

namespace quorvel {

std::string Utf16ToUtf8(std::u16string_view units) {
    return NarrowToUtf8(std::wstring_view(reinterpret_cast<const wchar_t*>(units.data()), units.size()));
}

bool CodePageToUtf8(std::string_view bytes, int codePage, std::string& utf8) {
    if (bytes.size() > INT_MAX) {
        return false;
    }
    // Without MB_ERR_INVALID_CHARS the call substitutes invalid sequences instead of failing.
    const auto page = static_cast<UINT>(codePage);
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(page, 0, bytes.data(), length, nullptr, 0);
    if (units <= 0) {
        return false;
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (MultiByteToWideChar(page, 0, bytes.data(), length, wide.data(), units) != units) {
        return false;
    }
    utf8 = NarrowToUtf8(wide);
    return true;
}

} // namespace quorvel
