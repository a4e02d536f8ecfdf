#pragma once
// Read-only access to a parsed XML document. The document owns every node; the functions here
// hand out borrowed xmlNode pointers that are valid while the document lives.

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocFree>;

// Result of parsing: a document, or the parser's reason text (with line and column) when it failed.
struct ParseResult {
    XmlDocument document;
    std::string reason;
    // Where the reason was found (0 when not known), and the parser's message without the place.
    int line = 0;
    int column = 0;
    std::string message;
    bool ok() const { return document != nullptr; }
};

// Sets up the parser's global state. The first parse would do it too, but not safely when two threads
// begin at once: programs call this on their main thread before any other thread starts.
void PrepareXmlParser();

// Parses UTF-8 text (whatever its declaration says) without validation, keeping whitespace-only text,
// accepting an internal DTD and never loading anything external. Namespace errors are parse failures.
ParseResult ParseXmlText(std::string_view utf8Text);

// A message of libxml2 on one line: callers show it in a box or write it as one line of a file.
std::string OneLineMessage(const char* message);

using DomNodeList = std::vector<xmlNode*>;

// (namespace name, local name); an empty namespace name means no namespace. Ordered by namespace first.
using QualifiedName = std::pair<std::string, std::string>;

// Local name (without prefix) and namespace name of an element; empty for null.
std::string_view LocalName(const xmlNode* node);
std::string_view NamespaceName(const xmlNode* node);

// Attribute value by qualified name as written ("name", "wsdl:name"); empty when absent.
std::string GetAttributeText(const xmlNode* node, std::string_view qualifiedName);
void GetChildElements(const xmlNode* node, DomNodeList& list);
xmlNode* FindChildElement(const xmlNode* node, std::string_view localName);
void FindChildElements(const xmlNode* node, std::string_view localName, DomNodeList& list);
xmlNode* FindNamedChildElement(const xmlNode* node, std::string_view localName, std::string_view nameValue);
// Namespace bound to prefix at node (default namespace for an empty prefix), from the declarations
// the document carries, nearest first; empty when undeclared.
std::string LookupNamespaceUri(const xmlNode* node, std::string_view prefix);
// Splits "prefix:local" at the first colon and resolves the prefix at node.
void ResolveQName(const xmlNode* node, std::string_view qualifiedText, std::string& namespaceName,
                  std::string& localName);

} // namespace quorvel
