#include "xml/dom.h"

namespace quorvel {
namespace {

std::string_view View(const xmlChar* text) {
    return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

bool IsElement(const xmlNode* node) {
    return node != nullptr && node->type == XML_ELEMENT_NODE;
}

// Exact comparison without measuring the node's text first: the find operations run over every child.
bool TextIs(const xmlChar* text, std::string_view expected) {
    if (text == nullptr) {
        return expected.empty();
    }
    // Character by character: most names compared differ at once, and a library call costs more.
    for (char c : expected) {
        if (*text == 0 || *text != static_cast<xmlChar>(c)) {
            return false;
        }
        ++text;
    }
    return *text == 0;
}

bool IsElementNamed(const xmlNode* node, std::string_view localName) {
    return IsElement(node) && TextIs(node->name, localName);
}

bool AttributeNameIs(const xmlAttr* attribute, std::string_view qualifiedName) {
    if (attribute->ns != nullptr && attribute->ns->prefix != nullptr) {
        const size_t colon = qualifiedName.find(':');
        if (colon == std::string_view::npos ||
            !TextIs(attribute->ns->prefix, qualifiedName.substr(0, colon))) {
            return false;
        }
        qualifiedName.remove_prefix(colon + 1);
    }
    return TextIs(attribute->name, qualifiedName);
}

std::optional<std::string_view> AttributeValueInPlace(const xmlAttr* attribute) {
    const xmlNode* text = attribute->children;
    if (text == nullptr) {
        return std::string_view();
    }
    if (text->next == nullptr && text->type == XML_TEXT_NODE) {
        return View(text->content);
    }
    return std::nullopt;
}

std::string AttributeValue(const xmlAttr* attribute) {
    if (const std::optional<std::string_view> value = AttributeValueInPlace(attribute)) {
        return std::string(*value);
    }
    xmlChar* joined = xmlNodeListGetString(attribute->doc, attribute->children, 1);
    std::string value(View(joined));
    xmlFree(joined);
    return value;
}

const xmlAttr* FindAttribute(const xmlNode* node, std::string_view qualifiedName) {
    if (!IsElement(node)) {
        return nullptr;
    }
    for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
        if (AttributeNameIs(attribute, qualifiedName)) {
            return attribute;
        }
    }
    return nullptr;
}

} // namespace

std::string_view LocalName(const xmlNode* node) {
    return IsElement(node) ? View(node->name) : std::string_view();
}

std::string_view NamespaceName(const xmlNode* node) {
    return IsElement(node) && node->ns != nullptr ? View(node->ns->href) : std::string_view();
}

std::string GetAttributeText(const xmlNode* node, std::string_view qualifiedName) {
    const xmlAttr* attribute = FindAttribute(node, qualifiedName);
    return attribute == nullptr ? std::string() : AttributeValue(attribute);
}

std::optional<std::string_view> GetAttributeTextInPlace(const xmlNode* node, std::string_view qualifiedName) {
    const xmlAttr* attribute = FindAttribute(node, qualifiedName);
    return attribute == nullptr ? std::string_view() : AttributeValueInPlace(attribute);
}

void GetChildElements(const xmlNode* node, DomNodeList& list) {
    list.clear();
    if (node == nullptr) {
        return;
    }
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (IsElement(child)) {
            list.push_back(child);
        }
    }
}

xmlNode* FindChildElement(const xmlNode* node, std::string_view localName) {
    if (node == nullptr) {
        return nullptr;
    }
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (IsElementNamed(child, localName)) {
            return child;
        }
    }
    return nullptr;
}

void FindChildElements(const xmlNode* node, std::string_view localName, DomNodeList& list) {
    list.clear();
    if (node == nullptr) {
        return;
    }
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (IsElementNamed(child, localName)) {
            list.push_back(child);
        }
    }
}

std::string LookupNamespaceUri(const xmlNode* node, std::string_view prefix) {
    for (const xmlNode* current = node; current != nullptr; current = current->parent) {
        if (!IsElement(current)) {
            continue;
        }
        for (const xmlNs* declaration = current->nsDef; declaration != nullptr;
             declaration = declaration->next) {
            bool match = prefix.empty()
                             ? declaration->prefix == nullptr
                             : declaration->prefix != nullptr && TextIs(declaration->prefix, prefix);
            if (match) {
                return std::string(View(declaration->href));
            }
        }
    }
    return std::string();
}

void ResolveQName(const xmlNode* node, std::string_view qualifiedText, std::string& namespaceName,
                  std::string& localName) {
    namespaceName.clear();
    localName.clear();
    if (qualifiedText.empty()) {
        return;
    }
    size_t colon = qualifiedText.find(':');
    if (colon == std::string_view::npos) {
        namespaceName = LookupNamespaceUri(node, std::string_view());
        localName = qualifiedText;
        return;
    }
    namespaceName = LookupNamespaceUri(node, qualifiedText.substr(0, colon));
    localName = qualifiedText.substr(colon + 1);
}

} // namespace quorvel
