#pragma once
// Measures one description file: one load for peak memory and output, then timed runs.

#include "file_result.h"

#include <string>

namespace quorvel::bench {

FileResult BenchmarkFile(const std::string& path, int runs);

} // namespace quorvel::bench
