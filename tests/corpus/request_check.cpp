#include "request_check.h"

#include "xml/namespaces.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string_view>

namespace quorvel::test {
namespace {

struct ContextFree {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

std::string_view View(const xmlChar* text) {
    return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

bool DeclaredOn(const xmlNode* envelope, const xmlNs* ns) {
    for (const xmlNs* declared = envelope->nsDef; declared != nullptr; declared = declared->next) {
        if (declared == ns) {
            return true;
        }
    }
    return false;
}

// Walks every element below the envelope without recursion: requests may nest hundreds of levels.
std::string CheckDescendants(const xmlNode* envelope) {
    const xmlNode* node = envelope->children;
    while (node != nullptr && node != envelope) {
        if (node->type == XML_ELEMENT_NODE) {
            std::string name(View(node->name));
            if (node->nsDef != nullptr) {
                return "element " + name + " declares a namespace of its own";
            }
            if (node->properties != nullptr) {
                return "element " + name + " carries an attribute";
            }
            if (node->ns != nullptr && !DeclaredOn(envelope, node->ns)) {
                return "element " + name + " uses a prefix not declared on the Envelope";
            }
            if (node->children != nullptr) {
                node = node->children;
                continue;
            }
        }
        while (node != envelope && node->next == nullptr) {
            node = node->parent;
        }
        if (node != envelope) {
            node = node->next;
        }
    }
    return std::string();
}

std::string CheckEnvelope(const xmlNode* root) {
    if (root == nullptr || View(root->name) != "Envelope" || root->ns == nullptr) {
        return "the root element is not a SOAP Envelope";
    }
    std::string_view ns = View(root->ns->href);
    if (ns != NS_SOAP11_ENV && ns != NS_SOAP12_ENV) {
        return "the Envelope is in the namespace " + std::string(ns);
    }
    for (const xmlNs* declared = root->nsDef; declared != nullptr; declared = declared->next) {
        if (declared->prefix == nullptr) {
            return "the Envelope declares a default namespace";
        }
    }
    if (root->properties != nullptr) {
        return "the Envelope carries an attribute";
    }
    return CheckDescendants(root);
}

} // namespace

std::string CheckRequest(const std::string& request) {
    std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlNewParserCtxt());
    // Requests may legitimately nest deeper than the parser's default limit of 256 levels.
    int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE;
    std::unique_ptr<xmlDoc, DocumentFree> document(xmlCtxtReadMemory(
        context.get(), request.data(), static_cast<int>(request.size()), nullptr, "UTF-8", options));
    if (document == nullptr || !context->wellFormed) {
        const xmlError* error = xmlCtxtGetLastError(context.get());
        return "not well-formed: " + std::string(error != nullptr && error->message ? error->message : "?");
    }
    if (!context->nsWellFormed) {
        return "not namespace-well-formed";
    }
    return CheckEnvelope(xmlDocGetRootElement(document.get()));
}

} // namespace quorvel::test
