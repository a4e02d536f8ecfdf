#pragma once
// The SOAP Fault a response may carry, told in one line.

#include "xml/dom.h"

#include <string>

namespace quorvel {

// "SOAP Fault CODE: REASON" for a SOAP 1.1 envelope whose body holds a Fault (faultcode, faultstring) or a
// SOAP 1.2 one (Code/Value, the first Reason/Text); white space runs become one space. Empty when the
// document is no envelope with a fault.
std::string SoapFaultSummary(const xmlDoc* document);

} // namespace quorvel
