#pragma once
// Writing a whole file so that readers see either the old content or the new one, never a part.

#include <string>
#include <string_view>

namespace quorvel {

// Replaces path with bytes through a temporary file in the same directory that is then renamed over
// path: readers see the old file or the new one, never a part, and a failure leaves no half file. A link
// at path is replaced, never followed. When durable, the bytes reach the disk before the rename, so that
// a crash also leaves one or the other; that costs a disk flush per file. False with the system's reason
// on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason,
                         bool durable = true);

} // namespace quorvel
