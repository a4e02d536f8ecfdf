#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// text with its ASCII letters in lower case; every other byte as it is.
std::string AsciiLower(std::string_view text);
// True when a and b are the same, ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// True when text begins with prefix, ASCII letters compared without regard to case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// White space (any Unicode white space) removed at both ends.
std::string_view TrimWhiteSpace(std::string_view text);
// Any run of double and single quote characters removed at both ends; nothing else.
std::string_view TrimQuotes(std::string_view text);

// True for an address that starts with "http://" or "https://" (any letter case) after trimming.
bool IsHttpAddress(std::string_view address);
// True for an address that starts with "https://" (any letter case) after trimming.
bool IsHttpsAddress(std::string_view address);
// Trims blanks, then quotes; appends "?wsdl" or "&wsdl" to a web address that does not mention wsdl.
std::string NormalizeAddress(std::string_view address);
// "scheme://host:port" of a web address, in lower case, the port spelled out (80 or 443 when the address
// names none); empty for anything that is no web address. Credentials are sent only where it matches.
std::string UrlOrigin(std::string_view address);

} // namespace quorvel
