#include "fetch/address.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorvel {
namespace {

// UTF-8 of the characters with the Unicode White_Space property, a set that the standard keeps fixed.
constexpr std::array<std::string_view, 25> kWhiteSpace = {
    "\t",           "\n",           "\v",           "\f",           "\r",           " ",
    "\xC2\x85",     // next line
    "\xC2\xA0",     // no-break space
    "\xE1\x9A\x80", // ogham space mark
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", // en quad to hair space
    "\xE2\x80\xA8", "\xE2\x80\xA9", // line and paragraph separators
    "\xE2\x80\xAF", "\xE2\x81\x9F", // narrow no-break and medium mathematical space
    "\xE3\x80\x80",                 // ideographic space
};

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view TrimWhiteSpace(std::string_view text) {
    // Works on whole characters so that a pasted no-break or ideographic space goes as well. A malformed
    // byte is never one of these encodings, so trimming stops there.
    bool trimmed = true;
    while (trimmed) {
        trimmed = false;
        for (const std::string_view space : kWhiteSpace) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                trimmed = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string_view TrimQuotes(std::string_view text) {
    while (!text.empty() && IsQuote(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsQuote(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsHttpAddress(std::string_view address) {
    const std::string_view trimmed = TrimWhiteSpace(address);
    return StartsWithIgnoringCase(trimmed, "http://") || StartsWithIgnoringCase(trimmed, "https://");
}

bool IsHttpsAddress(std::string_view address) {
    return StartsWithIgnoringCase(TrimWhiteSpace(address), "https://");
}

std::string NormalizeAddress(std::string_view address) {
    std::string result(TrimQuotes(TrimWhiteSpace(address)));
    if (!IsHttpAddress(result)) {
        return result;
    }
    if (AsciiLower(result).find("wsdl") == std::string::npos) {
        result += result.find('?') == std::string::npos ? "?wsdl" : "&wsdl";
    }
    return result;
}

std::string UrlOrigin(std::string_view address) {
    const std::string_view trimmed = TrimWhiteSpace(address);
    if (!IsHttpAddress(trimmed)) {
        return std::string();
    }
    const bool https = IsHttpsAddress(trimmed);
    std::string_view authority = trimmed.substr(https ? 8 : 7);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    authority.remove_prefix(authority.rfind('@') == std::string_view::npos ? 0 : authority.rfind('@') + 1);
    std::string origin(authority);
    std::transform(origin.begin(), origin.end(), origin.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // A port follows the last colon, unless that colon is inside a bracketed IPv6 host.
    const size_t colon = origin.rfind(':');
    if (colon == std::string::npos || origin.find(']', colon) != std::string::npos) {
        origin += https ? ":443" : ":80";
    }
    return (https ? "https://" : "http://") + origin;
}

} // namespace quorvel
