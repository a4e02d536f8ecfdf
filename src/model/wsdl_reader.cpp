#include "model/wsdl_reader.h"

#include "gen/envelope_builder.h"
#include "model/binding_inspection.h"
#include "model/messages.h"
#include "xml/schema_index.h"

#include <set>

namespace quorvel {
namespace {

// What every request of one document shares.
struct ReadContext {
    explicit ReadContext(const xmlNode* root) : description(root), bindings(root, "binding") {
        CollectSchemas(root, index);
    }
    SchemaIndex index;
    DescriptionLookup description;
    NamedChildren bindings;
    GenerationBudget budget;
};

WsdlBinding ReadBinding(ReadContext& context, const xmlNode* binding, std::string name, int32_t version) {
    WsdlBinding record{std::move(name), version, {}};
    const EnvelopeBuilder builder(context.index, context.description, binding, context.budget);
    DomNodeList operations;
    FindChildElements(binding, "operation", operations);
    for (const xmlNode* operation : operations) {
        std::string operationName = GetAttributeText(operation, "name");
        // Each request numbers its prefixes afresh.
        PrefixRegistry registry;
        std::string request = builder.BuildRequestEnvelope(registry, operationName);
        record.operations.push_back({std::move(operationName), std::move(request)});
    }
    return record;
}

// Without any service element, every SOAP binding of the description forms one made-up service.
void ReadBindingsAsService(ReadContext& context, WsdlModel& model) {
    WsdlService service{"WSDL", {}};
    DomNodeList bindings;
    FindChildElements(context.description.definitions, "binding", bindings);
    for (const xmlNode* binding : bindings) {
        if (int32_t version = DetectSoapVersion(binding); version != SOAP_NONE) {
            service.bindings.push_back(
                ReadBinding(context, binding, GetAttributeText(binding, "name"), version));
        }
    }
    if (!service.bindings.empty()) {
        model.push_back(std::move(service));
    }
}

// A service keeps each SOAP binding its ports reach once, where the first port naming it stands.
void ReadService(ReadContext& context, const xmlNode* serviceElement, WsdlModel& model) {
    WsdlService service{GetAttributeText(serviceElement, "name"), {}};
    std::set<std::string> taken;
    DomNodeList ports;
    FindChildElements(serviceElement, "port", ports);
    for (const xmlNode* port : ports) {
        std::string namespaceName, localName;
        ResolveQName(port, GetAttributeText(port, "binding"), namespaceName, localName);
        if (taken.count(localName) != 0) {
            continue;
        }
        const xmlNode* binding = context.bindings.Find(localName);
        int32_t version = DetectSoapVersion(binding);
        if (binding == nullptr || version == SOAP_NONE) {
            continue;
        }
        taken.insert(localName);
        service.bindings.push_back(ReadBinding(context, binding, localName, version));
    }
    if (!service.bindings.empty()) {
        model.push_back(std::move(service));
    }
}

} // namespace

bool WsdlReader(const xmlDoc* document, WsdlModel& model, std::string& message) {
    model.clear();
    const xmlNode* root = document == nullptr ? nullptr : xmlDocGetRootElement(document);
    if (root == nullptr || LocalName(root) != "definitions") {
        message = MSG_NOT_WSDL;
        return false;
    }
    ReadContext context(root);
    DomNodeList services;
    FindChildElements(root, "service", services);
    if (services.empty()) {
        ReadBindingsAsService(context, model);
    }
    for (const xmlNode* service : services) {
        ReadService(context, service, model);
    }
    if (model.empty()) {
        message = MSG_NO_SOAP_BINDING;
        return false;
    }
    return true;
}

} // namespace quorvel
