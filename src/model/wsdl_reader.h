#pragma once

#include "model/wsdl_model.h"
#include "xml/dom.h"

#include <string>
#include <vector>

namespace quorvel {

// The binding element each binding record of a model was read from, in model order.
using BindingElements = std::vector<const xmlNode*>;

// The root elements of the documents of a description read together: the root document's first, then
// the definitions elements of the WSDL documents it imports, in the order they were read.
using DefinitionsList = std::vector<const xmlNode*>;

// Reads the services, SOAP bindings and operations of the documents of a description into model (emptied
// first); requests stay empty. Services are read in list order, and each binding a port names is the first
// of that name in list order. False with message set when the first root is not definitions or no SOAP
// binding is reached.
bool ReadWsdlModel(const DefinitionsList& definitions, WsdlModel& model, BindingElements& bindingElements,
                   std::string& message);

} // namespace quorvel
