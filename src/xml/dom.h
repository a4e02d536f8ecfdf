#pragma once
// Read-only access to a parsed XML document (parsing.h makes one). The document owns every node; the
// functions here hand out borrowed xmlNode pointers that are valid while the document lives.

#include <libxml/tree.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

using DomNodeList = std::vector<xmlNode*>;

// (namespace name, local name); an empty namespace name means no namespace. Ordered by namespace first.
using QualifiedName = std::pair<std::string, std::string>;

// Local name (without prefix) and namespace name of an element; empty for null.
std::string_view LocalName(const xmlNode* node);
std::string_view NamespaceName(const xmlNode* node);

// Attribute value by qualified name as written ("name", "wsdl:name"); empty when absent.
std::string GetAttributeText(const xmlNode* node, std::string_view qualifiedName);
// The same value as a view of the document's own text, valid while the document lives; none where the
// document holds it in several pieces (GetAttributeText joins them).
std::optional<std::string_view> GetAttributeTextInPlace(const xmlNode* node, std::string_view qualifiedName);
void GetChildElements(const xmlNode* node, DomNodeList& list);
xmlNode* FindChildElement(const xmlNode* node, std::string_view localName);
void FindChildElements(const xmlNode* node, std::string_view localName, DomNodeList& list);
// Namespace bound to prefix at node (default namespace for an empty prefix), from the declarations
// the document carries, nearest first; empty when undeclared.
std::string LookupNamespaceUri(const xmlNode* node, std::string_view prefix);
// Splits "prefix:local" at the first colon and resolves the prefix at node.
void ResolveQName(const xmlNode* node, std::string_view qualifiedText, std::string& namespaceName,
                  std::string& localName);

} // namespace quorvel
