#include "xml/dom.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <mutex>

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

// Nothing outside the text itself is ever read: no DTD, no external entity, no file, no network.
xmlParserInputPtr DenyExternalEntity(const char*, const char*, xmlParserCtxtPtr) {
    return nullptr;
}

void InstallEntityLoaderOnce() {
    static std::once_flag once;
    std::call_once(once, [] { xmlSetExternalEntityLoader(DenyExternalEntity); });
}

struct ParserContextFree {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

// Keeps the parser's first error; later ones are usually consequences of it.
struct FirstError {
    bool seen = false;
    std::string reason;
};

// The parser's message on one line: callers show it in a box or write it as one line of a file.
std::string OneLineMessage(const char* message) {
    std::string text = message == nullptr ? std::string() : std::string(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

std::string FormatReason(int line, int column, const std::string& message) {
    return "第 " + std::to_string(line) + " 行，第 " + std::to_string(column) + " 列：" + message;
}

void RecordError(void* userData, xmlErrorPtr error) {
    auto* context = static_cast<xmlParserCtxt*>(userData);
    auto* first = context == nullptr ? nullptr : static_cast<FirstError*>(context->_private);
    // A namespace name that is not a valid URI is still a namespace name: it is compared as a string.
    if (first == nullptr || first->seen || error == nullptr || error->level < XML_ERR_ERROR ||
        error->code == XML_WAR_NS_URI) {
        return;
    }
    first->seen = true;
    first->reason = FormatReason(error->line, error->int2, OneLineMessage(error->message));
}

} // namespace

ParseResult ParseXmlText(std::string_view utf8Text) {
    ParseResult result;
    if (utf8Text.size() > static_cast<size_t>(INT_MAX)) {
        result.reason = "文档过大，无法解析。";
        return result;
    }
    InstallEntityLoaderOnce();
    std::unique_ptr<xmlParserCtxt, ParserContextFree> context(xmlNewParserCtxt());
    if (context == nullptr) {
        result.reason = "无法创建 XML 解析器。";
        return result;
    }
    FirstError first;
    context->_private = &first;
    context->userData = context.get();
    context->sax->serror = RecordError;
    XmlDocument document(xmlCtxtReadMemory(context.get(), utf8Text.data(), static_cast<int>(utf8Text.size()),
                                           nullptr, "UTF-8", XML_PARSE_NONET | XML_PARSE_NOENT));
    // An undeclared prefix leaves a document behind; the error it raised makes the parse fail.
    bool sound = document != nullptr && context->wellFormed && !first.seen;
    if (sound) {
        result.document = std::move(document);
        return result;
    }
    result.reason =
        first.seen ? first.reason
                   : FormatReason(context->input ? context->input->line : 0, 0, "文档不是格式正确的 XML。");
    return result;
}

std::string_view LocalName(const xmlNode* node) {
    return IsElement(node) ? View(node->name) : std::string_view();
}

std::string_view NamespaceName(const xmlNode* node) {
    return IsElement(node) && node->ns != nullptr ? View(node->ns->href) : std::string_view();
}

namespace {

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

std::string AttributeValue(const xmlAttr* attribute) {
    const xmlNode* text = attribute->children;
    if (text == nullptr) {
        return std::string();
    }
    if (text->next == nullptr && text->type == XML_TEXT_NODE) {
        return std::string(View(text->content));
    }
    xmlChar* joined = xmlNodeListGetString(attribute->doc, text, 1);
    std::string value(View(joined));
    xmlFree(joined);
    return value;
}

// Compares without copying when the value is one text node, as nearly every value is.
bool AttributeValueIs(const xmlAttr* attribute, std::string_view expected) {
    const xmlNode* text = attribute->children;
    if (text != nullptr && text->next == nullptr && text->type == XML_TEXT_NODE) {
        return TextIs(text->content, expected);
    }
    return AttributeValue(attribute) == expected;
}

bool AttributeIs(const xmlNode* node, std::string_view qualifiedName, std::string_view expected) {
    for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
        if (AttributeNameIs(attribute, qualifiedName)) {
            return AttributeValueIs(attribute, expected);
        }
    }
    return expected.empty();
}

} // namespace

std::string GetAttributeText(const xmlNode* node, std::string_view qualifiedName) {
    if (!IsElement(node)) {
        return std::string();
    }
    for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
        if (AttributeNameIs(attribute, qualifiedName)) {
            return AttributeValue(attribute);
        }
    }
    return std::string();
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

xmlNode* FindNamedChildElement(const xmlNode* node, std::string_view localName, std::string_view nameValue) {
    if (node == nullptr) {
        return nullptr;
    }
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (IsElementNamed(child, localName) && AttributeIs(child, "name", nameValue)) {
            return child;
        }
    }
    return nullptr;
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
