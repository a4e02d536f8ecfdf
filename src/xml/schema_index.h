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

private:
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_elements;
    std::map<QualifiedName, xmlNode*, QualifiedNameLess> m_types;
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
