#pragma once
// Bounds that keep one load's request generation finite in time, memory and stack, whatever the
// description holds. Below them the requests are written in full.

#include <cstddef>
#include <string>

namespace quorvel {

// Lines of one request, envelope included.
inline constexpr size_t kMaxRequestLines = 100000;
// Lines of all requests of one load together.
inline constexpr size_t kMaxLoadLines = 4000000;
// Bytes of one request, envelope included, and of all requests of one load together: lines within the
// line bounds can still be long (indentation alone makes a line at the deepest level 768 bytes long).
inline constexpr size_t kMaxRequestBytes = 16u * 1024 * 1024;
inline constexpr size_t kMaxLoadBytes = 128u * 1024 * 1024;
// Element nesting levels of a request, envelope included: an element at the deepest level is written
// empty, as a recursive type would be, so that parsers with the usual depth limit accept every request.
inline constexpr int kMaxNestingDepth = 256;

// Derived: the writer's own call nesting (element levels, model groups, extension bases together).
inline constexpr int kMaxWriterRecursion = 4 * kMaxNestingDepth;
// Writer steps (elements, model groups, extension bases) that count as one line: far more than any
// real schema takes per line, so only steps that write nothing, again and again, reach the limits.
inline constexpr size_t kStepsPerLine = 8;

// What is left of one load's lines and bytes; shared by every request of that load.
struct GenerationBudget {
    size_t loadLinesLeft = kMaxLoadLines;
    size_t loadBytesLeft = kMaxLoadBytes;
};

// The comment line written where a request stops, without indentation.
inline std::string RequestTruncatedNote() {
    return "<!--Sample truncated: more than " + std::to_string(kMaxRequestLines) + " lines-->";
}
inline std::string LoadTruncatedNote() {
    return "<!--Sample truncated: more than " + std::to_string(kMaxLoadLines) +
           " lines in this description-->";
}
inline std::string RequestBytesTruncatedNote() {
    return "<!--Sample truncated: more than " + std::to_string(kMaxRequestBytes) + " bytes-->";
}
inline std::string LoadBytesTruncatedNote() {
    return "<!--Sample truncated: more than " + std::to_string(kMaxLoadBytes) +
           " bytes in this description-->";
}

// Where a writer stops: the most it may spend, and the note it leaves where it stopped.
struct WriteBound {
    size_t limit;
    std::string note;
};

} // namespace quorvel
