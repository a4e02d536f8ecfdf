#include "send/response_text.h"

#include "fetch/code_page_conversion.h"
#include "fetch/messages.h"
#include "fetch/text_decoding.h"

#include <algorithm>
#include <cctype>

namespace quorvel {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool HasByteOrderMark(std::string_view body) {
    return body.starts_with("\xEF\xBB\xBF") || body.starts_with("\xFF\xFE") || body.starts_with("\xFE\xFF");
}

} // namespace

std::string ContentTypeCharset(std::string_view contentType) {
    const std::string lower = Lower(contentType);
    for (size_t semicolon = lower.find(';'); semicolon != std::string::npos;
         semicolon = lower.find(';', semicolon + 1)) {
        const size_t name = lower.find_first_not_of(" \t", semicolon + 1);
        if (name == std::string::npos || lower.compare(name, 8, "charset=") != 0) {
            continue;
        }
        std::string value = lower.substr(name + 8, lower.find(';', name) - name - 8);
        value.erase(value.find_last_not_of(" \t") + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return std::string();
}

bool DecodeResponseText(std::string_view body, std::string_view contentType, std::string& text,
                        std::string& message) {
    const std::string charset = ContentTypeCharset(contentType);
    const int codePage = CodePageForEncoding(charset);
    // Where the charset and the declaration agree (mostly both UTF-8), the load's decoder reads it as well,
    // without converting what is already UTF-8.
    if (charset.empty() || HasByteOrderMark(body) ||
        codePage == CodePageForEncoding(DetectEncodingName(body))) {
        return DecodeDocumentText(body, text, message);
    }
    if (!CodePageToUtf8(body, codePage, text) || text.empty()) {
        text.clear();
        message = fetch_msg::kDecodeFailed;
        return false;
    }
    return true;
}

} // namespace quorvel
