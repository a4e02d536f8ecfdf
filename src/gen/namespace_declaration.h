#pragma once
// The namespace declarations of a request's Envelope element, as written and as counted.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// Appends value escaped for an attribute value or element text: the characters that would end or break
// it, and tab, line feed and carriage return, which a reader would otherwise turn into blanks.
void AppendEscaped(std::string& text, std::string_view value);

// Appends xmlns:prefix="name", the name escaped as an attribute value.
void AppendDeclaration(std::string& text, std::string_view prefix, std::string_view namespaceName);

// Bytes of one declaration together with the blank that separates it from what comes before.
size_t DeclarationBytes(std::string_view prefix, std::string_view namespaceName);

} // namespace quorvel
