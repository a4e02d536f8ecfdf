#pragma once
// An indented view of well-formed XML text that changes nothing but the white space between tags.

#include <string>
#include <string_view>

namespace quorvel {

// Each tag, comment and processing instruction of a well-formed document on its own line, indented two
// spaces per level; an element holding only text stays on one line with it. Only white space between two
// pieces of markup is replaced: text, attribute values and everything inside markup stay as they are, and
// an element whose whole content is white space keeps it. Ends in one line feed.
std::string IndentXml(std::string_view text);

} // namespace quorvel
