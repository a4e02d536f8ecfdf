#include "fetch/network_address.h"

#include "fetch/address.h"
#include "fetch/curl_handles.h"

// The socket address types: Winsock's on Windows, the same names elsewhere.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#endif

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {
namespace {

// 4 bytes for IPv4, 16 for IPv6, in network order.
using AddressBytes = std::vector<uint8_t>;

std::optional<AddressBytes> BytesOf(const sockaddr* address) {
    if (address->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        return AddressBytes(reinterpret_cast<const uint8_t*>(&v4->sin_addr),
                            reinterpret_cast<const uint8_t*>(&v4->sin_addr) + 4);
    }
    if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        return AddressBytes(v6->sin6_addr.s6_addr, v6->sin6_addr.s6_addr + 16);
    }
    return std::nullopt;
}

std::optional<AddressBytes> ParseAddressLiteral(const std::string& text) {
    uint8_t bytes[16];
    if (inet_pton(AF_INET, text.c_str(), bytes) == 1) {
        return AddressBytes(bytes, bytes + 4);
    }
    if (inet_pton(AF_INET6, text.c_str(), bytes) == 1) {
        return AddressBytes(bytes, bytes + 16);
    }
    return std::nullopt;
}

bool IsPrivateIpv4(const uint8_t* a) {
    return a[0] == 0 || a[0] == 10 || a[0] == 127 || (a[0] == 169 && a[1] == 254) ||
           (a[0] == 172 && (a[1] & 0xF0) == 16) || (a[0] == 192 && a[1] == 168);
}

bool IsPrivateIpv6(const uint8_t* a) {
    const bool zeroPrefix = std::all_of(a, a + 10, [](uint8_t b) { return b == 0; });
    if (zeroPrefix && a[10] == 0xFF && a[11] == 0xFF) {
        return IsPrivateIpv4(a + 12); // IPv4 written as IPv6
    }
    const bool loopbackOrUnspecified =
        zeroPrefix && std::all_of(a + 10, a + 15, [](uint8_t b) { return b == 0; }) && a[15] <= 1;
    return loopbackOrUnspecified || (a[0] & 0xFE) == 0xFC || (a[0] == 0xFE && (a[1] & 0x80) == 0x80);
}

bool IsPrivate(const AddressBytes& bytes) {
    return bytes.size() == 4 ? IsPrivateIpv4(bytes.data())
                             : bytes.size() == 16 && IsPrivateIpv6(bytes.data());
}

} // namespace

bool IsPrivateNetworkAddress(const sockaddr* address) {
    const std::optional<AddressBytes> bytes = BytesOf(address);
    return bytes && IsPrivate(*bytes);
}

bool NamesPrivateNetworkHost(const std::string& url) {
    const UrlHandle parsed(curl_url());
    char* raw = nullptr;
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_HOST, &raw, 0) != CURLUE_OK) {
        return false;
    }
    const CurlText text(raw);
    std::string host = text.get();
    if (host.size() > 2 && host.front() == '[') {
        host = host.substr(1, host.find_first_of("]%") - 1);
    }
    if (host.size() == 9 && StartsWithIgnoringCase(host, "localhost")) {
        return true;
    }
    const std::optional<AddressBytes> bytes = ParseAddressLiteral(host);
    return bytes && IsPrivate(*bytes);
}

void PointToLoopback(sockaddr* address) {
    if (address->sa_family == AF_INET) {
        reinterpret_cast<sockaddr_in*>(address)->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    } else if (address->sa_family == AF_INET6) {
        reinterpret_cast<sockaddr_in6*>(address)->sin6_addr = in6addr_loopback;
    }
}

} // namespace quorvel
