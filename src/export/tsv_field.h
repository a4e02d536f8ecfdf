#pragma once
// Text as one field of a tab-separated line.

#include <string>
#include <string_view>

namespace quorvel {

// text with backslash, tab, line feed and carriage return written as \\, \t, \n and \r, so that a field
// never splits a line or a row, and every other control character (C0, DEL and the C1 range U+0080 to
// U+009F) as \u and four hexadecimal digits, so that none reaches a terminal.
std::string TsvField(std::string_view text);

} // namespace quorvel
