#include "app/model_listing.h"

#include "export/tsv_field.h"

#include <nlohmann/json.hpp>

namespace quorvel {
namespace {

std::string SoapVersionText(int32_t version) {
    return version == SOAP_12 ? "1.2" : "1.1";
}

nlohmann::ordered_json BindingJson(const WsdlBinding& binding) {
    nlohmann::ordered_json operations = nlohmann::ordered_json::array();
    for (const WsdlOperation& operation : binding.operations) {
        operations.push_back({{"name", operation.name}, {"request", operation.request}});
    }
    return {{"name", binding.name},
            {"soapVersion", SoapVersionText(binding.soapVersion)},
            {"style", binding.style},
            {"operations", std::move(operations)}};
}

} // namespace

std::string ListModel(const WsdlModel& model) {
    std::string listing;
    for (const WsdlService& service : model) {
        for (const WsdlBinding& binding : service.bindings) {
            const std::string prefix = TsvField(service.name) + '\t' + TsvField(binding.name) + '\t' +
                                       SoapVersionText(binding.soapVersion) + '\t' + TsvField(binding.style) +
                                       '\t';
            for (const WsdlOperation& operation : binding.operations) {
                listing += prefix + TsvField(operation.name) + '\n';
            }
        }
    }
    return listing;
}

std::string ModelJson(const WsdlModel& model) {
    nlohmann::ordered_json services = nlohmann::ordered_json::array();
    for (const WsdlService& service : model) {
        nlohmann::ordered_json bindings = nlohmann::ordered_json::array();
        for (const WsdlBinding& binding : service.bindings) {
            bindings.push_back(BindingJson(binding));
        }
        services.push_back({{"name", service.name}, {"bindings", std::move(bindings)}});
    }
    const nlohmann::ordered_json document = {{"services", std::move(services)}};
    // Names and requests are UTF-8 from the decoder; a stray invalid byte becomes U+FFFD, never an error.
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace quorvel
