#include "text/utf8.h"

#include <cstring>

namespace quorvel {
namespace {

constexpr size_t kWordBytes = sizeof(uint64_t);

// Whether the eight bytes at text are all ASCII.
bool IsAsciiWord(const unsigned char* text) {
    uint64_t word = 0;
    std::memcpy(&word, text, kWordBytes);
    return (word & 0x8080808080808080ULL) == 0;
}

} // namespace

bool IsWellFormedUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t i = 0;
    while (i < text.size()) {
        // Most of a description is ASCII: eight bytes at a time while none has its high bit set.
        if (text.size() - i >= kWordBytes && IsAsciiWord(bytes + i)) {
            i += kWordBytes;
        } else if (NextUtf8CodePoint(text, i) < 0) {
            return false;
        }
    }
    return true;
}

} // namespace quorvel
