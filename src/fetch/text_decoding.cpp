#include "fetch/text_decoding.h"

#include "fetch/address.h"
#include "fetch/code_page_conversion.h"
#include "fetch/messages.h"
#include "text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace quorvel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr size_t kDeclarationWindow = 200;

// UTF-16 after a byte-order mark: whole code units only; the mark itself is dropped.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<uint8_t>(bytes[i]);
        const auto second = static_cast<uint8_t>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
    }
    std::u16string_view text(units);
    if (text.starts_with(u'\uFEFF')) {
        text.remove_prefix(1);
    }
    return Utf16ToUtf8(text);
}

bool HasUtf16Mark(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// True when bytes are read as UTF-8 (no UTF-16 byte-order mark, no other encoding named) and are
// well-formed after a UTF-8 byte-order mark: then they are the text itself from start on.
bool IsTextAlready(std::string_view bytes, size_t& start) {
    if (HasUtf16Mark(bytes) || CodePageForEncoding(DetectEncodingName(bytes)) != 65001) {
        return false;
    }
    start = bytes.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    const std::string_view body = bytes.substr(start);
    return !body.empty() && IsWellFormedUtf8(body);
}

// Text in UTF-16 after its byte-order mark, or in the code page the bytes name; invalid sequences become
// U+FFFD. False with the message when nothing is left.
bool Convert(std::string_view bytes, std::string& text, std::string& message) {
    if (HasUtf16Mark(bytes)) {
        text = DecodeUtf16(bytes, bytes[0] == '\xFE');
        return true;
    }
    const std::string_view body = bytes.starts_with(kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : bytes;
    const int codePage = CodePageForEncoding(DetectEncodingName(bytes));
    if (body.empty() || !CodePageToUtf8(body, codePage, text) || text.empty()) {
        text.clear();
        message = fetch_msg::kDecodeFailed;
        return false;
    }
    return true;
}

} // namespace

std::string DetectEncodingName(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return "utf-8";
    }
    const std::string_view head = bytes.substr(0, std::min(bytes.size(), kDeclarationWindow));
    const std::string window = AsciiLower(head.substr(0, head.find('\0')));

    const size_t match = window.find("encoding");
    if (match == std::string::npos) {
        return "utf-8";
    }
    const size_t open = window.find_first_of("\"'", match);
    if (open == std::string::npos) {
        return "utf-8";
    }
    const size_t close = window.find(window[open], open + 1);
    if (close == std::string::npos) {
        return "utf-8";
    }
    return window.substr(open + 1, close - open - 1);
}

int CodePageForEncoding(std::string_view lowerCaseName) {
    if (lowerCaseName.find("utf-8") != std::string_view::npos) {
        return 65001;
    }
    if (lowerCaseName.find("gb") != std::string_view::npos) {
        return 936;
    }
    if (lowerCaseName.find("big5") != std::string_view::npos) {
        return 950;
    }
    return 65001;
}

bool DecodeDocumentText(std::string_view bytes, std::string& text, std::string& message) {
    text.clear();
    size_t start = 0;
    if (IsTextAlready(bytes, start)) {
        text.assign(bytes.substr(start));
        return true;
    }
    return Convert(bytes, text, message);
}

bool DecodeDocumentText(std::string&& bytes, std::string& text, std::string& message) {
    size_t start = 0;
    if (!IsTextAlready(bytes, start)) {
        text.clear();
        const bool converted = Convert(bytes, text, message);
        std::string().swap(bytes);
        return converted;
    }
    bytes.erase(0, start);
    text = std::move(bytes);
    return true;
}

} // namespace quorvel
