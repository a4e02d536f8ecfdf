#pragma once
// The form under which two file names are the same file on a system that ignores letter case or
// Unicode forms: Unicode's NFKC case folding through ICU on Linux, the Windows normalisation and case
// mapping on Windows.

#include <string>
#include <string_view>

namespace quorvel {

std::string FoldedFileName(std::string_view name);

} // namespace quorvel
