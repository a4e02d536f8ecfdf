#pragma once
// One request built on its own, outside a load.

#include "gen/envelope_builder.h"

#include <string>

namespace quorvel::test {

// The request of operationName of a binding of the description whose definitions element is given, with
// the SOAP version and style the reader finds for that binding.
std::string BuildRequestEnvelope(const SchemaIndex& index, PrefixRegistry& registry,
                                 const xmlNode* definitions, const xmlNode* binding,
                                 const std::string& operationName, GenerationBudget& budget);

} // namespace quorvel::test
