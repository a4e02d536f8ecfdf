#pragma once

#include "model/wsdl_model.h"
#include "xml/dom.h"

#include <string>

namespace quorvel {

// Reads a parsed description into model (emptied first), building every request.
// False with message set when the root is not definitions or no SOAP binding is reached.
bool WsdlReader(const xmlDoc* document, WsdlModel& model, std::string& message);

} // namespace quorvel
