#pragma once
// Loads through the program's one entry point and keeps what came out, with the time it took.

#include "load/service_load.h"

#include <string>

namespace quorvel::test {

struct LoadOutcome : LoadResult {
    double seconds = 0;
};

// Loads an address (a file path or URL) as the program does.
LoadOutcome LoadAddress(const std::string& address, const LoadOptions& options = {});

// Writes bytes to a real file in a fresh temporary directory and loads that file.
LoadOutcome LoadDocumentBytes(const std::string& bytes, const LoadOptions& options = {});

} // namespace quorvel::test
