#pragma once

#include <string>

namespace quorvel {

// Reads a local description file whole (at most 64 MiB). False with the user's message on failure.
bool ReadDescriptionFile(const std::string& path, std::string& bytes, std::string& message);

} // namespace quorvel
