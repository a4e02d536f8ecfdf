#pragma once
// Every schema written inside a description, indexed by qualified name, and the small schema-context
// questions the sample writer asks.

#include "xml/dom.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

// Orders qualified names by namespace name, then local name, and finds them from views of the two texts
// without copying them into a key first.
struct QualifiedNameLess {
    using is_transparent = void;
    using View = std::pair<std::string_view, std::string_view>;
    static View AsView(const QualifiedName& name) { return View(name.first, name.second); }
    static const View& AsView(const View& name) { return name; }
    template <class Left, class Right> bool operator()(const Left& left, const Right& right) const {
        return AsView(left) < AsView(right);
    }
};

class SchemaIndex {
public:
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
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_elements;
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_types;
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_attributes;
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_attributeGroups;
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_groups;
    std::map<const xmlNode*, std::string> m_adopted;
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
