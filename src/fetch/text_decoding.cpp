#include "fetch/text_decoding.h"

#include "fetch/messages.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace quorvel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr size_t kDeclarationWindow = 200;
constexpr size_t kWordBytes = sizeof(uint64_t);

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// ICU reports memory that ran out as a status; it ends the load as a failed allocation does elsewhere.
void ThrowIfOutOfMemory(UErrorCode status) {
    if (status == U_MEMORY_ALLOCATION_ERROR) {
        throw std::bad_alloc();
    }
}

// ICU names of the Windows code-page tables (the plain "cp950" is an IBM table that differs).
const char* ConverterName(int codePage) {
    switch (codePage) {
    case 936:
        return "windows-936-2000";
    case 950:
        return "windows-950-2000";
    default:
        return "UTF-8";
    }
}

// UTF-16 after a byte-order mark: whole code units only; the mark itself is dropped.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    icu::UnicodeString text;
    const size_t units = bytes.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        const auto first = static_cast<uint8_t>(bytes[2 * i]);
        const auto second = static_cast<uint8_t>(bytes[2 * i + 1]);
        text.append(static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
    }
    if (!text.isEmpty() && text.charAt(0) == 0xFEFF) {
        text.remove(0, 1);
    }
    std::string utf8;
    text.toUTF8String(utf8); // an unpaired surrogate becomes U+FFFD
    return utf8;
}

// Whether the eight bytes at text are all ASCII.
bool IsAsciiWord(const unsigned char* text) {
    uint64_t word = 0;
    std::memcpy(&word, text, kWordBytes);
    return (word & 0x8080808080808080ULL) == 0;
}

// Whether text is well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF. Such
// text decodes to itself, so it needs no conversion.
bool IsWellFormedUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
        // Most of a description is ASCII: eight bytes at a time while none has its high bit set.
        if (size - i >= kWordBytes && IsAsciiWord(bytes + i)) {
            i += kWordBytes;
            continue;
        }
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : low;
            high = lead == 0xED ? 0x9F : high;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : low;
            high = lead == 0xF4 ? 0x8F : high;
        } else {
            return false;
        }
        if (size - i < length || bytes[i + 1] < low || bytes[i + 1] > high) {
            return false;
        }
        for (size_t k = 2; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

std::string DetectEncodingName(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return "utf-8";
    }
    std::string window(bytes.substr(0, std::min(bytes.size(), kDeclarationWindow)));
    window = window.substr(0, window.find('\0'));
    std::transform(window.begin(), window.end(), window.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

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
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        text = DecodeUtf16(bytes, bytes[0] == '\xFE');
        return true;
    }
    const std::string_view body = bytes.starts_with(kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : bytes;
    const int codePage = CodePageForEncoding(DetectEncodingName(bytes));
    if (codePage == 65001 && !body.empty() && IsWellFormedUtf8(body)) {
        text.assign(body);
        return true;
    }

    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(ConverterName(codePage), &status));
    ThrowIfOutOfMemory(status);
    if (U_FAILURE(status) || body.empty()) {
        message = fetch_msg::kDecodeFailed;
        return false;
    }
    // The default callback substitutes U+FFFD for invalid sequences instead of failing.
    const icu::UnicodeString decoded(body.data(), static_cast<int32_t>(body.size()), converter.get(), status);
    ThrowIfOutOfMemory(status);
    if (U_FAILURE(status) || decoded.isEmpty()) {
        message = fetch_msg::kDecodeFailed;
        return false;
    }
    decoded.toUTF8String(text);
    return true;
}

} // namespace quorvel
