#pragma once
// The two questions asked of a WSDL binding element: its SOAP version and its default style.

#include "xml/dom.h"

#include <cstdint>
#include <string>

namespace quorvel {

// SOAP_12, SOAP_11 or SOAP_NONE, from the binding's own extension element first, else its operations'.
int32_t DetectSoapVersion(const xmlNode* binding);
// The first non-empty style of a binding extension element; "document" when there is none.
std::string GetBindingStyle(const xmlNode* binding);

} // namespace quorvel
