#pragma once
// The questions asked of a WSDL binding element and its SOAP extensions: the SOAP version, the default
// style, an operation's action and a port's address.

#include "xml/dom.h"

#include <cstdint>
#include <string>

namespace quorvel {

// SOAP_12, SOAP_11 or SOAP_NONE, from the binding's own extension element first, else its operations'.
int32_t DetectSoapVersion(const xmlNode* binding);
// The first non-empty style of a binding extension element; "document" when there is none.
std::string GetBindingStyle(const xmlNode* binding);
// The soapAction of a binding operation's SOAP 1.1 or 1.2 operation element; empty when there is none.
std::string GetSoapAction(const xmlNode* operation);
// The location of a port's SOAP 1.1 or 1.2 address element; empty when there is none.
std::string GetPortAddress(const xmlNode* port);

} // namespace quorvel
