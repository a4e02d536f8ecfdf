#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// True for an address that starts with "http://" or "https://" (any letter case) after trimming.
bool IsHttpAddress(std::string_view address);
// Trims blanks, then quotes; appends "?wsdl" or "&wsdl" to a web address that does not mention wsdl.
std::string NormalizeAddress(std::string_view address);

} // namespace quorvel
