#pragma once
// Code points of names and the Unicode properties that prefix making asks about: ICU on Linux, the
// Windows character calls on Windows.

#include <string>
#include <string_view>

namespace quorvel {

// Code points of UTF-8 text; malformed bytes become U+FFFD.
std::u32string CodePoints(std::string_view text);
// UTF-8 of code points.
std::string Utf8(const std::u32string& codePoints);
// The simple lower-case mapping of c, independent of any locale.
char32_t LowerCodePoint(char32_t c);
bool IsLetter(char32_t c);
bool IsLetterOrDigit(char32_t c);

} // namespace quorvel
