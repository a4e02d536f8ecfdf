#pragma once
// Text as one field of a tab-separated line.

#include <string>
#include <string_view>

namespace quorvel {

// text with backslash, tab, line feed and carriage return written as \\, \t, \n and \r, so that a field
// never splits a line or a row.
std::string TsvField(std::string_view text);

} // namespace quorvel
