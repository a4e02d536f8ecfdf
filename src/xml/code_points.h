#pragma once
// Code points of names and the Unicode properties that prefix making asks about: ICU on Linux, the
// Windows character calls on Windows.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The code point of UTF-8 text at index, which moves past it; negative for a malformed sequence, which
// is passed over as one unit (its longest valid beginning, else one byte).
int32_t NextCodePoint(std::string_view text, size_t& index);
// Code points of UTF-8 text; malformed bytes become U+FFFD.
std::u32string CodePoints(std::string_view text);
// UTF-8 of code points.
std::string Utf8(const std::u32string& codePoints);
// The simple lower-case mapping of c, independent of any locale.
char32_t LowerCodePoint(char32_t c);
bool IsLetter(char32_t c);
bool IsLetterOrDigit(char32_t c);

} // namespace quorvel
