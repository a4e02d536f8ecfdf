#include "fetch/address.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>

namespace quorvel {
namespace {

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string_view TrimWhiteSpace(std::string_view text) {
    // Works on code points so that a pasted no-break or ideographic space goes as well.
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t begin = 0;
    while (begin < length) {
        int32_t next = begin;
        UChar32 c;
        U8_NEXT(bytes, next, length, c);
        if (c < 0 || !u_isUWhiteSpace(c)) {
            break;
        }
        begin = next;
    }
    int32_t end = length;
    while (end > begin) {
        int32_t previous = end;
        UChar32 c;
        U8_PREV(bytes, begin, previous, c);
        if (c < 0 || !u_isUWhiteSpace(c)) {
            break;
        }
        end = previous;
    }
    return text.substr(begin, end - begin);
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
    std::string lower = result;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("wsdl") == std::string::npos) {
        result += result.find('?') == std::string::npos ? "?wsdl" : "&wsdl";
    }
    return result;
}

} // namespace quorvel
