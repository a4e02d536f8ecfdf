#pragma once
// Test helpers: fixture files under tests/data and parsing them into documents.

#include "xml/dom.h"
#include "xml/parsing.h"

#include <string>

namespace quorvel::test {

// Whole content of a file below the test data directory ("gen/order.wsdl").
std::string ReadTestData(const std::string& relativePath);

// Parses text that must be well-formed; fails the calling test otherwise.
XmlDocument ParseOrFail(const std::string& text);

} // namespace quorvel::test
