#pragma once
// The flag another thread sets to end a load, a download or a build early.

#include <atomic>

namespace quorvel {

// True once flag is set; no flag is never set.
inline bool IsCancelled(const std::atomic<bool>* flag) {
    return flag != nullptr && flag->load(std::memory_order_relaxed);
}

} // namespace quorvel
