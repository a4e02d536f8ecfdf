#pragma once
// Checks shared by the fuzz targets: a failed one aborts, which libFuzzer reports as a crash.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quorvel::fuzz {

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

// Well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF, no truncated sequence.
inline bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
        unsigned char lead = byte(0);
        size_t length = lead < 0x80   ? 1
                        : lead < 0xC2 ? 0
                        : lead < 0xE0 ? 2
                        : lead < 0xF0 ? 3
                        : lead < 0xF5 ? 4
                                      : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        // The second byte's range narrows after the leads that could start an overlong form, a
        // surrogate or a code point above U+10FFFF.
        unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (length > 1 && (byte(1) < low || byte(1) > high)) {
            return false;
        }
        for (size_t k = 2; k < length; ++k) {
            if ((byte(k) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace quorvel::fuzz
