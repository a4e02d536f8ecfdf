#include "fetch/import_address.h"

#include "fetch/address.h"
#include "fetch/curl_handles.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// base, then reference resolved against it when one is given; false when either is no usable URL.
bool ParseUrl(const std::string& base, const std::string* reference, std::string& url) {
    const UrlHandle handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK ||
        (reference != nullptr &&
         curl_url_set(handle.get(), CURLUPART_URL, reference->c_str(), 0) != CURLUE_OK)) {
        return false;
    }
    char* raw = nullptr;
    if (curl_url_get(handle.get(), CURLUPART_URL, &raw, 0) != CURLUE_OK) {
        return false;
    }
    const CurlText text(raw);
    url = text.get();
    return true;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// "file:///a/b.xsd" and "file://localhost/a/b.xsd" are "/a/b.xsd"; "file:b.xsd" is "b.xsd".
std::string FileUrlPath(std::string_view url) {
    std::string_view rest = url.substr(5);
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    return PercentDecoded(rest);
}

} // namespace

std::optional<std::string> ResolveImportLocation(const std::string& holderAddress,
                                                 std::string_view location) {
    const std::string trimmed(TrimWhiteSpace(location));
    std::string address;
    if (trimmed.empty()) {
        return std::nullopt;
    }
    if (IsHttpAddress(holderAddress)) {
        return ParseUrl(holderAddress, &trimmed, address) ? std::optional(address) : std::nullopt;
    }
    if (IsHttpAddress(trimmed)) {
        return trimmed;
    }
    const fs::path path =
        StartsWithIgnoringCase(trimmed, "file:") ? fs::path(FileUrlPath(trimmed)) : fs::path(trimmed);
    address = (fs::path(holderAddress).parent_path() / path).lexically_normal().string();
    return address.empty() ? std::nullopt : std::optional(address);
}

bool MayImport(std::string_view holderAddress, std::string_view address) {
    if (IsHttpsAddress(holderAddress)) {
        return IsHttpsAddress(address);
    }
    return !IsHttpAddress(holderAddress) || IsHttpAddress(address);
}

std::string DocumentKey(const std::string& address) {
    if (IsHttpAddress(address)) {
        std::string url;
        return ParseUrl(address, nullptr, url) ? url : address;
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(address, error);
    return error ? address : absolute.lexically_normal().string();
}

} // namespace quorvel
