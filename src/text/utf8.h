#pragma once
// UTF-8 byte sequences, read by the one table of which bytes may follow which: shortest forms only, no
// surrogates, nothing above U+10FFFF.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvel {

// The code point of the UTF-8 sequence at index, which moves past it; negative for a malformed sequence,
// which is passed over as one unit (its longest valid beginning, else one byte). Inline: checking a whole
// text, on the path of every load, runs it for each character beyond ASCII.
inline int32_t NextUtf8CodePoint(std::string_view text, size_t& index) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char lead = bytes[index++];
    size_t trail = 0;
    // The range of the byte after the lead; every later one is 0x80 to 0xBF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    int32_t c = lead;
    if (lead < 0x80) {
        return c;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return -1;
    }
    for (; trail > 0; --trail, low = 0x80, high = 0xBF) {
        if (index == text.size() || static_cast<unsigned char>(bytes[index] - low) > high - low) {
            return -1;
        }
        c = c << 6 | (bytes[index++] & 0x3F);
    }
    return c;
}

// Whether all of text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

} // namespace quorvel
