#pragma once
// Writing a whole file so that readers see either the old content or the new one, never a part.

#include <string>
#include <string_view>

namespace quorvel {

// Replaces path with bytes through a temporary file in the same directory that is flushed to disk and
// then renamed over path; a failure never leaves half a file. A link at path is replaced, never followed.
// False with the system's reason on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

} // namespace quorvel
