#pragma once
// The platform's socket addresses as plain bytes, for the classification that is the same everywhere.

#include <curl/curl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// 4 bytes for IPv4, 16 for IPv6, in network order.
using AddressBytes = std::vector<uint8_t>;

std::optional<AddressBytes> BytesOf(const sockaddr* address);
// An IPv4 or IPv6 address written as text, without brackets.
std::optional<AddressBytes> ParseAddressLiteral(const std::string& text);

} // namespace quorvel
