#pragma once
// A loaded model as text for scripts: one line per operation, or the whole model as JSON.

#include "model/wsdl_model.h"

#include <string>

namespace quorvel {

// One line per operation in model order: service, binding, SOAP version ("1.1" or "1.2"), the binding's
// style and operation, separated by tabs.
std::string ListModel(const WsdlModel& model);

// The model as a JSON document: services, their bindings (name, soapVersion, style), their operations
// (name, request), in model order; ends in a line feed.
std::string ModelJson(const WsdlModel& model);

} // namespace quorvel
