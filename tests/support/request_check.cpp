#include "request_check.h"

#include "xml/namespaces.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

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

// The parser's first error. A namespace name that is not a valid URI is reported as one, but it is
// still a namespace name (the description used it the same way), so it does not count.
void KeepFirstError(void* userData, xmlErrorPtr error) {
    auto* first = static_cast<std::string*>(static_cast<xmlParserCtxt*>(userData)->_private);
    if (first->empty() && error != nullptr && error->level >= XML_ERR_ERROR &&
        error->code != XML_WAR_NS_URI) {
        *first = error->message != nullptr ? error->message : "?";
    }
}

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
    std::string firstError;
    context->_private = &firstError;
    context->userData = context.get();
    context->sax->serror = KeepFirstError;
    // Requests may legitimately nest deeper than the parser's default limit of 256 levels.
    std::unique_ptr<xmlDoc, DocumentFree> document(
        xmlCtxtReadMemory(context.get(), request.data(), static_cast<int>(request.size()), nullptr, "UTF-8",
                          XML_PARSE_NONET | XML_PARSE_HUGE));
    if (document == nullptr || !context->wellFormed || !firstError.empty()) {
        return "not well-formed or not namespace-well-formed: " + firstError;
    }
    return CheckEnvelope(xmlDocGetRootElement(document.get()));
}

} // namespace quorvel::test
