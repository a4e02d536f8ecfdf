#include "app/model_listing.h"

#include "export/tsv_field.h"
#include "model/model_walk.h"

#include <nlohmann/json.hpp>

namespace quorvel {
namespace {

std::string SoapVersionText(int32_t version) {
    return version == SOAP_12 ? "1.2" : "1.1";
}

nlohmann::ordered_json BindingJson(const WsdlBinding& binding) {
    nlohmann::ordered_json operations = nlohmann::ordered_json::array();
    for (const WsdlOperation& operation : binding.operations) {
        operations.push_back(
            {{"name", operation.name}, {"soapAction", operation.soapAction}, {"request", operation.request}});
    }
    return {{"name", binding.name},
            {"soapVersion", SoapVersionText(binding.soapVersion)},
            {"style", binding.style},
            {"endpoint", binding.endpoint},
            {"operations", std::move(operations)}};
}

} // namespace

std::string ListModel(const WsdlModel& model) {
    std::string listing;
    std::string prefix; // the columns of the binding whose operations follow
    WalkModel(model, ModelVisitor{
                         [&](const WsdlService& service, const WsdlBinding& binding) {
                             prefix = TsvField(service.name) + '\t' + TsvField(binding.name) + '\t' +
                                      SoapVersionText(binding.soapVersion) + '\t' + TsvField(binding.style) +
                                      '\t';
                         },
                         [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
                             listing += prefix + TsvField(operation.name) + '\n';
                         },
                     });
    return listing;
}

std::string ModelJson(const WsdlModel& model) {
    nlohmann::ordered_json services = nlohmann::ordered_json::array();
    WalkModel(
        model,
        ModelVisitor{
            [&](const WsdlService& service) {
                services.push_back({{"name", service.name}, {"bindings", nlohmann::ordered_json::array()}});
            },
            [&](const WsdlService&, const WsdlBinding& binding) {
                services.back()["bindings"].push_back(BindingJson(binding));
            },
        });
    const nlohmann::ordered_json document = {{"services", std::move(services)}};
    // Names and requests are UTF-8 from the decoder; a stray invalid byte becomes U+FFFD, never an error.
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace quorvel
