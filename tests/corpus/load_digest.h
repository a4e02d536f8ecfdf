#pragma once
// A fingerprint of everything one load produced, to prove that output stays byte-identical.

#include "model/wsdl_model.h"

#include <map>
#include <string>

namespace quorvel::test {

// The load's digest as sixteen lower-case hex digits.
std::string DigestLoadHex(bool loaded, const WsdlModel& model, const std::string& message);

// Digest file: one "relative path<TAB>digest" line per corpus file, sorted by path.
using DigestTable = std::map<std::string, std::string>;
bool ReadDigestTable(const std::string& path, DigestTable& table);
bool WriteDigestTable(const std::string& path, const DigestTable& table);

} // namespace quorvel::test
