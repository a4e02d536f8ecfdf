#pragma once
// Independent check of a generated request: libxml2 re-parses it and its namespaces are inspected.

#include <string>

namespace quorvel::test {

// Empty when the request is well-formed, namespace-well-formed XML whose root is a SOAP Envelope,
// every element prefix is declared on that Envelope and nothing else carries a declaration or an
// attribute; otherwise a description of the first problem found.
std::string CheckRequest(const std::string& request);

} // namespace quorvel::test
