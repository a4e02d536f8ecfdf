#pragma once
// Every schema written inside a description, indexed by qualified name, and the small schema-context
// questions the sample writer asks.

#include "xml/dom.h"

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace quorvel {

// A qualified name as views of texts that outlive the index: the documents' own, or the index's copies.
using QualifiedNameView = std::pair<std::string_view, std::string_view>;

struct QualifiedNameHash {
    size_t operator()(const QualifiedNameView& name) const;
};

class SchemaIndex {
public:
    // Its keys are views of its own texts: it is never copied.
    SchemaIndex() = default;
    SchemaIndex(const SchemaIndex&) = delete;
    SchemaIndex& operator=(const SchemaIndex&) = delete;

    // Adds the global elements and the complex and simple types of one schema; later ones win.
    void IndexSchema(const xmlNode* schema);
    xmlNode* FindElement(const std::string& namespaceName, const std::string& localName) const;
    xmlNode* FindType(const std::string& namespaceName, const std::string& localName) const;
    // Global attributes, attribute groups and model groups, by qualified name; later ones win.
    xmlNode* FindAttribute(const std::string& namespaceName, const std::string& localName) const;
    xmlNode* FindAttributeGroup(const std::string& namespaceName, const std::string& localName) const;
    xmlNode* FindGroup(const std::string& namespaceName, const std::string& localName) const;

    // A schema without targetNamespace that another schema includes or redefines takes that schema's
    // namespace: for its index keys, for the namespace its declarations carry, and for its own references
    // that name no namespace. Set before the schema is indexed.
    void AdoptNamespace(const xmlNode* schema, std::string namespaceName);
    // The target namespace of the schema enclosing node, an adopted one included; empty outside a schema.
    std::string TargetNamespace(const xmlNode* node) const;
    // The namespace a reference made at node means when it names none: the one its schema adopted, else
    // none.
    std::string NamespaceOfUnqualified(const xmlNode* node) const;
    // A qualified name written at node (a type, a ref, a base), resolved; one naming no namespace in a
    // schema that adopted one names that.
    void ResolveReference(const xmlNode* node, std::string_view text, std::string& namespaceName,
                          std::string& localName) const;

private:
    // Keyed by views, so that indexing copies no names: a description declares thousands.
    using NameTable = std::unordered_map<QualifiedNameView, xmlNode*, QualifiedNameHash>;

    // The table for global declarations of a kind ("element", "complexType", ...); null for others.
    NameTable* TableOf(std::string_view kind);
    // A text the documents do not hold as one piece, kept as long as the index.
    std::string_view Keep(std::string text);

    NameTable m_elements;
    NameTable m_types;
    NameTable m_attributes;
    NameTable m_attributeGroups;
    NameTable m_groups;
    std::map<const xmlNode*, std::string> m_adopted;
    std::deque<std::string> m_kept;
};

// Indexes every element named "schema" at or below node, in document order.
void CollectSchemas(const xmlNode* node, SchemaIndex& index);
void IndexSchema(SchemaIndex& index, const xmlNode* schema);

// Nearest element named "schema" at or above node.
xmlNode* FindEnclosingSchema(const xmlNode* node);
std::string GetTargetNamespace(const xmlNode* node);
// Whether a local element declaration's name carries its schema's target namespace.
bool IsElementQualified(const xmlNode* declaration);
// Three spaces per level; empty for 0 or less.
std::string_view MakeIndent(int level);

} // namespace quorvel
