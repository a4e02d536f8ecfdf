#include "model/wsdl_reader.h"

#include "gen/envelope_builder.h"
#include "model/binding_traits.h"
#include "model/messages.h"
#include "model/request_building.h"
#include "xml/schema_index.h"

#include <set>
#include <vector>

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
    // The binding element of each binding record, in model order; their requests are built at the end.
    std::vector<const xmlNode*> recordBindings;
};

// The binding record with its operations; their requests are built once the whole model stands.
WsdlBinding ReadBinding(ReadContext& context, const xmlNode* binding, std::string name, int32_t version) {
    WsdlBinding record{std::move(name), version, {}};
    DomNodeList operations;
    FindChildElements(binding, "operation", operations);
    for (const xmlNode* operation : operations) {
        record.operations.push_back({GetAttributeText(operation, "name"), std::string()});
    }
    context.recordBindings.push_back(binding);
    return record;
}

// Every operation of the model, in model order, with the binding element it belongs to.
std::vector<RequestJob> RequestJobs(const ReadContext& context, WsdlModel& model) {
    std::vector<RequestJob> jobs;
    size_t record = 0;
    for (WsdlService& service : model) {
        for (WsdlBinding& binding : service.bindings) {
            for (WsdlOperation& operation : binding.operations) {
                jobs.push_back({context.recordBindings[record], &operation.name, &operation.request});
            }
            ++record;
        }
    }
    return jobs;
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
    BuildRequests(context.index, context.description, RequestJobs(context, model), context.budget);
    return true;
}

} // namespace quorvel
