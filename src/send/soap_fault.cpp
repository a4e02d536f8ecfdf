#include "send/soap_fault.h"

#include "send/messages.h"
#include "xml/namespaces.h"

#include <memory>

namespace quorvel {
namespace {

// The child element with the given local name in namespaceName.
const xmlNode* Child(const xmlNode* parent, std::string_view localName, std::string_view namespaceName) {
    DomNodeList children;
    FindChildElements(parent, localName, children);
    for (const xmlNode* child : children) {
        if (NamespaceName(child) == namespaceName) {
            return child;
        }
    }
    return nullptr;
}

// The text of an element and its descendants, with runs of white space made one space and both ends trimmed.
std::string OneLineText(const xmlNode* node) {
    if (node == nullptr) {
        return std::string();
    }
    const std::unique_ptr<xmlChar, decltype(xmlFree)> content(xmlNodeGetContent(node), xmlFree);
    std::string line;
    bool space = false;
    for (const xmlChar* c = content.get(); c != nullptr && *c != 0; ++c) {
        if (*c == ' ' || *c == '\t' || *c == '\n' || *c == '\r') {
            space = !line.empty();
            continue;
        }
        if (space) {
            line += ' ';
            space = false;
        }
        line += static_cast<char>(*c);
    }
    return line;
}

// faultcode and faultstring stand without a namespace; some stacks qualify them, so only their local
// names are compared.
std::string Soap11Fault(const xmlNode* fault) {
    return OneLineText(FindChildElement(fault, "faultcode")) + ": " +
           OneLineText(FindChildElement(fault, "faultstring"));
}

std::string Soap12Fault(const xmlNode* fault) {
    const xmlNode* code = Child(fault, "Code", NS_SOAP12_ENV);
    const xmlNode* reason = Child(fault, "Reason", NS_SOAP12_ENV);
    return OneLineText(Child(code, "Value", NS_SOAP12_ENV)) + ": " +
           OneLineText(Child(reason, "Text", NS_SOAP12_ENV));
}

} // namespace

std::string SoapFaultSummary(const xmlDoc* document) {
    const xmlNode* envelope = document == nullptr ? nullptr : xmlDocGetRootElement(document);
    const std::string_view version = NamespaceName(envelope);
    if (LocalName(envelope) != "Envelope" || (version != NS_SOAP11_ENV && version != NS_SOAP12_ENV)) {
        return std::string();
    }
    const xmlNode* fault = Child(Child(envelope, "Body", version), "Fault", version);
    if (fault == nullptr) {
        return std::string();
    }
    const std::string summary = version == NS_SOAP11_ENV ? Soap11Fault(fault) : Soap12Fault(fault);
    return std::string(send_msg::kFaultPrefix) + summary;
}

} // namespace quorvel
