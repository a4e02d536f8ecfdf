#pragma once
// Prints the results as a table for people or as JSON for scripts.

#include "file_result.h"

#include <ostream>
#include <vector>

namespace quorvel::bench {

void PrintTable(std::ostream& out, const std::vector<FileResult>& results);
void PrintJson(std::ostream& out, const std::vector<FileResult>& results);

} // namespace quorvel::bench
