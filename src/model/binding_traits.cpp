#include "model/binding_traits.h"

#include "model/wsdl_model.h"
#include "xml/namespaces.h"

namespace quorvel {
namespace {

int32_t VersionOf(const xmlNode* extension) {
    std::string_view namespaceName = NamespaceName(extension);
    if (namespaceName == NS_WSDL_SOAP12) {
        return SOAP_12;
    }
    return namespaceName == NS_WSDL_SOAP11 ? SOAP_11 : SOAP_NONE;
}

// Version of the first child with the given local name that carries one.
int32_t FirstVersion(const xmlNode* parent, std::string_view localName) {
    DomNodeList children;
    FindChildElements(parent, localName, children);
    for (const xmlNode* child : children) {
        if (int32_t version = VersionOf(child); version != SOAP_NONE) {
            return version;
        }
    }
    return SOAP_NONE;
}

// An attribute of the first child with the given local name in a SOAP namespace; empty when none has one.
std::string FirstSoapAttribute(const xmlNode* parent, std::string_view localName,
                               std::string_view attribute) {
    DomNodeList children;
    FindChildElements(parent, localName, children);
    for (const xmlNode* child : children) {
        if (VersionOf(child) != SOAP_NONE) {
            return GetAttributeText(child, attribute);
        }
    }
    return std::string();
}

} // namespace

int32_t DetectSoapVersion(const xmlNode* binding) {
    if (int32_t version = FirstVersion(binding, "binding"); version != SOAP_NONE) {
        return version;
    }
    DomNodeList operations;
    FindChildElements(binding, "operation", operations);
    for (const xmlNode* operation : operations) {
        if (int32_t version = FirstVersion(operation, "operation"); version != SOAP_NONE) {
            return version;
        }
    }
    return SOAP_NONE;
}

std::string GetBindingStyle(const xmlNode* binding) {
    DomNodeList extensions;
    FindChildElements(binding, "binding", extensions);
    for (const xmlNode* extension : extensions) {
        std::string style = GetAttributeText(extension, "style");
        if (!style.empty()) {
            return style;
        }
    }
    return "document";
}

std::string GetSoapAction(const xmlNode* operation) {
    return FirstSoapAttribute(operation, "operation", "soapAction");
}

std::string GetPortAddress(const xmlNode* port) {
    return FirstSoapAttribute(port, "address", "location");
}

} // namespace quorvel
