#pragma once
// Bounds that keep one load's request generation finite in time, memory and stack, whatever the
// description holds. Below them the requests are written in full.

#include <cstddef>

namespace quorvel {

// Lines of one request, envelope included.
inline constexpr size_t kMaxRequestLines = 100000;
// Lines of all requests of one load together.
inline constexpr size_t kMaxLoadLines = 4000000;
// Element nesting levels; a deeper element is written empty, as a recursive type would be.
inline constexpr int kMaxNestingDepth = 256;

// Derived: the writer's own call nesting (element levels, model groups, extension bases together).
inline constexpr int kMaxWriterRecursion = 4 * kMaxNestingDepth;

} // namespace quorvel
