#include "model/wsdl_reader.h"

#include "model/binding_traits.h"
#include "model/messages.h"
#include "xml/named_children.h"

#include <set>

namespace quorvel {
namespace {

// The description being read, its bindings by name, and the binding element of each record made.
struct ReadContext {
    ReadContext(const DefinitionsList& roots, BindingElements& elements)
        : definitions(roots), bindings(roots, "binding"), recordBindings(elements) {}
    const DefinitionsList& definitions;
    NamedChildren bindings;
    BindingElements& recordBindings;
};

// The binding record with its operations and endpoint; their requests are built once the whole model stands.
WsdlBinding ReadBinding(ReadContext& context, const xmlNode* binding, std::string name, int32_t version,
                        std::string endpoint) {
    WsdlBinding record{std::move(name), version, {}, GetBindingStyle(binding), std::move(endpoint)};
    DomNodeList operations;
    FindChildElements(binding, "operation", operations);
    for (const xmlNode* operation : operations) {
        record.operations.push_back(
            {GetAttributeText(operation, "name"), std::string(), GetSoapAction(operation)});
    }
    context.recordBindings.push_back(binding);
    return record;
}

// Without any service element, every SOAP binding of the description forms one made-up service.
void ReadBindingsAsService(ReadContext& context, WsdlModel& model) {
    WsdlService service{"WSDL", {}};
    DomNodeList bindings;
    for (const xmlNode* definitions : context.definitions) {
        FindChildElements(definitions, "binding", bindings);
        for (const xmlNode* binding : bindings) {
            if (int32_t version = DetectSoapVersion(binding); version != SOAP_NONE) {
                service.bindings.push_back(
                    ReadBinding(context, binding, GetAttributeText(binding, "name"), version, std::string()));
            }
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
        service.bindings.push_back(ReadBinding(context, binding, localName, version, GetPortAddress(port)));
    }
    if (!service.bindings.empty()) {
        model.push_back(std::move(service));
    }
}

} // namespace

bool ReadWsdlModel(const DefinitionsList& definitions, WsdlModel& model, BindingElements& bindingElements,
                   std::string& message) {
    model.clear();
    bindingElements.clear();
    if (definitions.empty() || definitions.front() == nullptr ||
        LocalName(definitions.front()) != "definitions") {
        message = model_msg::kNotWsdl;
        return false;
    }
    ReadContext context(definitions, bindingElements);
    DomNodeList services, documentServices;
    for (const xmlNode* root : definitions) {
        FindChildElements(root, "service", documentServices);
        services.insert(services.end(), documentServices.begin(), documentServices.end());
    }
    if (services.empty()) {
        ReadBindingsAsService(context, model);
    }
    for (const xmlNode* service : services) {
        ReadService(context, service, model);
    }
    if (model.empty()) {
        message = model_msg::kNoSoapBinding;
        return false;
    }
    return true;
}

} // namespace quorvel
