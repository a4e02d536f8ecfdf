#pragma once
// Addresses of this machine and of private networks, which a document from the public internet may not
// make the program reach.

#include <curl/curl.h>

#include <string>
#include <string_view>

namespace quorvel {

// True for loopback, private (10/8, 172.16/12, 192.168/16), link-local, site- and unique-local
// addresses, the unspecified address (which reaches this machine), and IPv4 ones written as IPv6.
bool IsPrivateNetworkAddress(const sockaddr* address);

// The same for the host of a URL when it is written as an address, or is "localhost"; false for any
// other name, which only its resolution can tell.
bool NamesPrivateNetworkHost(const std::string& url);

// For tests: the address made 127.0.0.1 (IPv4) or ::1 (IPv6), its port kept.
void PointToLoopback(sockaddr* address);

} // namespace quorvel
