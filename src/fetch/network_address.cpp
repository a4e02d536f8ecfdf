#include "fetch/network_address.h"

#include "fetch/address.h"
#include "fetch/curl_handles.h"
#include "fetch/network_address_bytes.h"

#include <algorithm>

namespace quorvel {
namespace {

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

} // namespace quorvel
