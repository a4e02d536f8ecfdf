#include "one_request.h"

#include "model/binding_traits.h"

namespace quorvel::test {

std::string BuildRequestEnvelope(const SchemaIndex& index, PrefixRegistry& registry,
                                 const xmlNode* definitions, const xmlNode* binding,
                                 const std::string& operationName, GenerationBudget& budget) {
    const DescriptionLookup description(std::vector<const xmlNode*>{definitions});
    const WsdlBinding record{"", DetectSoapVersion(binding), {}, GetBindingStyle(binding)};
    DeclarationFacts facts(index);
    return EnvelopeBuilder(index, description, binding, record)
        .BuildRequestEnvelope(registry, operationName, budget, facts);
}

} // namespace quorvel::test
