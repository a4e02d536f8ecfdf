#pragma once
// A small SOAP description around a schema, for tests that need a whole document.

#include <string>
#include <utility>
#include <vector>

namespace quorvel::test {

// A SOAP 1.1 document/literal description in the namespace "urn:hostile" (prefix tns) whose schema
// body is given; each operation (name, global element) sends that element.
using OperationSpec = std::pair<std::string, std::string>;
std::string DescribeService(const std::string& schemaBody, const std::vector<OperationSpec>& operations,
                            const std::string& doctype = "");

} // namespace quorvel::test
