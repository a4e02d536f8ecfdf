#include "fetch/network_address.h"

#include "fetch/network_address_bytes.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace quorvel {

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

void PointToLoopback(sockaddr* address) {
    if (address->sa_family == AF_INET) {
        reinterpret_cast<sockaddr_in*>(address)->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    } else if (address->sa_family == AF_INET6) {
        reinterpret_cast<sockaddr_in6*>(address)->sin6_addr = in6addr_loopback;
    }
}

} // namespace quorvel
