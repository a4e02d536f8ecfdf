#include "fetch/import_address.h"

#include "fetch/address.h"
#include "fetch/curl_handles.h"
#include "fetch/utf8_path.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// base, then reference resolved against it when one is given, without a fragment; false when either is
// no usable URL.
bool ParseUrl(const std::string& base, const std::string* reference, std::string& url) {
    const UrlHandle handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK ||
        (reference != nullptr &&
         curl_url_set(handle.get(), CURLUPART_URL, reference->c_str(), 0) != CURLUE_OK) ||
        curl_url_set(handle.get(), CURLUPART_FRAGMENT, nullptr, 0) != CURLUE_OK) {
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

bool IsSlash(char c) {
    return c == '/' || c == '\\';
}

// "//host/share" and "\\host\share", in any mix of the two slashes.
bool IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1]);
}

ResolvedImport Resolved(std::string address) {
    return {ImportLocation::Resolved, std::move(address)};
}

// The path of a file: URL: "file:///a/b.xsd" and "file://localhost/a/b.xsd" are "/a/b.xsd", "file:b.xsd" is
// "b.xsd", and "file:///C:/a.xsd" is "C:/a.xsd" where paths begin with a drive. A URL naming another
// host is a network share; a NUL in the path (%00) makes it invalid.
ResolvedImport FileUrlPath(std::string_view url) {
    std::string_view rest = url.substr(5);
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !(host.size() == 9 && StartsWithIgnoringCase(host, "localhost"))) {
            return {ImportLocation::NetworkShare, {}};
        }
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    std::string path = PercentDecoded(rest);
    if (path.find('\0') != std::string::npos) {
        return {};
    }
    if (path.size() > 1 && path[0] == '/' && PathFromUtf8(std::string_view(path).substr(1)).has_root_name()) {
        path.erase(0, 1);
    }
    return Resolved(std::move(path));
}

} // namespace

ResolvedImport ResolveImportLocation(const std::string& holderAddress, std::string_view location) {
    const std::string_view trimmed = TrimWhiteSpace(location);
    if (trimmed.empty()) {
        return {};
    }
    const std::string reference(TrimWhiteSpace(trimmed.substr(0, trimmed.find('#'))));
    if (reference.empty()) {
        return Resolved(holderAddress);
    }
    if (IsHttpAddress(holderAddress)) {
        std::string url;
        return ParseUrl(holderAddress, &reference, url) ? Resolved(std::move(url)) : ResolvedImport{};
    }
    if (IsHttpAddress(reference)) {
        return Resolved(reference);
    }
    std::string path = reference;
    if (StartsWithIgnoringCase(reference, "file:")) {
        ResolvedImport file = FileUrlPath(reference);
        if (!file.ok()) {
            return file;
        }
        path = std::move(file.address);
    }
    if (IsNetworkPath(path)) {
        return {ImportLocation::NetworkShare, {}};
    }
    const fs::path folder = PathFromUtf8(holderAddress).parent_path();
    fs::path resolved = folder / PathFromUtf8(path);
    // A relative location is a URI reference, so "a%20b.xsd" names "a b.xsd"; a file whose name holds a
    // percent sign itself is still found as written.
    if (std::error_code error; !fs::exists(resolved, error)) {
        if (const std::string decoded = PercentDecoded(path);
            decoded != path && decoded.find('\0') == std::string::npos) {
            resolved = folder / PathFromUtf8(decoded);
        }
    }
    std::string address = PathToUtf8(resolved.lexically_normal());
    return address.empty() ? ResolvedImport{} : Resolved(std::move(address));
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
    const fs::path absolute = fs::absolute(PathFromUtf8(address), error);
    return error ? address : PathToUtf8(absolute.lexically_normal());
}

} // namespace quorvel
