#include "load/heap_reserve.h"

// Only the GNU C library on Linux offers what this needs; elsewhere the heap is left as it is.
#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdlib>
#endif

namespace quorvel {

#if defined(__linux__) && defined(__GLIBC__)
namespace {

// Below this a load takes a few milliseconds, and zeroing a huge page costs more than the faults it saves.
constexpr size_t kSmallestReserved = 1024 * 1024;
// A load takes up to about eight times its description's bytes; the reserve is only address space until
// it is used.
constexpr size_t kBytesPerDescriptionByte = 10;
constexpr size_t kLargestReserve = 1024u * 1024 * 1024;
// The largest block the C library will serve from the heap instead of a mapping of its own.
constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;
// What the heap grows by beyond each need unless told otherwise.
constexpr int kDefaultTopPad = 128 * 1024;

} // namespace

void ReserveHeapForLoad(size_t bytes) {
    static std::atomic<bool> reserved{false};
    if (bytes < kSmallestReserved || reserved.exchange(true)) {
        return;
    }
    const size_t reserve = std::min(bytes * kBytesPerDescriptionByte, kLargestReserve);
    // Large blocks (the text, the parser's buffers) come from the heap too, and nothing is trimmed.
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    mallopt(M_TOP_PAD, static_cast<int>(reserve));
    const auto start = reinterpret_cast<uintptr_t>(sbrk(0));
    // A block larger than what the heap has left makes it grow by the pad at once; volatile, so that
    // the compiler keeps the pair of calls.
    void* volatile block = std::malloc(4 * 1024 * 1024);
    std::free(block);
    // Later growth asks for no more than it needs, so that a small block can still be had when the
    // system has no room for another reserve.
    mallopt(M_TOP_PAD, kDefaultTopPad);
    const auto end = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (end > first) {
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
}

#else

void ReserveHeapForLoad(size_t) {}

#endif

} // namespace quorvel
