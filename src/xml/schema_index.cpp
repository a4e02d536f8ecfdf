#include "xml/schema_index.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

xmlNode* Lookup(const std::map<QualifiedName, xmlNode*, QualifiedNameLess>& map,
                const std::string& namespaceName, const std::string& localName) {
    auto found = map.find(QualifiedNameLess::View(namespaceName, localName));
    return found == map.end() ? nullptr : found->second;
}

} // namespace

void SchemaIndex::IndexSchema(const xmlNode* schema) {
    const std::string targetNamespace = TargetNamespace(schema);
    DomNodeList children;
    GetChildElements(schema, children);
    for (xmlNode* child : children) {
        std::string name = GetAttributeText(child, "name");
        if (name.empty()) {
            continue;
        }
        std::string_view kind = LocalName(child);
        if (kind == "element") {
            m_elements[QualifiedName(targetNamespace, std::move(name))] = child;
        } else if (kind == "complexType" || kind == "simpleType") {
            m_types[QualifiedName(targetNamespace, std::move(name))] = child;
        } else if (kind == "attribute") {
            m_attributes[QualifiedName(targetNamespace, std::move(name))] = child;
        } else if (kind == "attributeGroup") {
            m_attributeGroups[QualifiedName(targetNamespace, std::move(name))] = child;
        } else if (kind == "group") {
            m_groups[QualifiedName(targetNamespace, std::move(name))] = child;
        }
    }
}

xmlNode* SchemaIndex::FindElement(const std::string& namespaceName, const std::string& localName) const {
    return Lookup(m_elements, namespaceName, localName);
}

xmlNode* SchemaIndex::FindType(const std::string& namespaceName, const std::string& localName) const {
    return Lookup(m_types, namespaceName, localName);
}

xmlNode* SchemaIndex::FindAttribute(const std::string& namespaceName, const std::string& localName) const {
    return Lookup(m_attributes, namespaceName, localName);
}

xmlNode* SchemaIndex::FindAttributeGroup(const std::string& namespaceName,
                                         const std::string& localName) const {
    return Lookup(m_attributeGroups, namespaceName, localName);
}

xmlNode* SchemaIndex::FindGroup(const std::string& namespaceName, const std::string& localName) const {
    return Lookup(m_groups, namespaceName, localName);
}

void SchemaIndex::AdoptNamespace(const xmlNode* schema, std::string namespaceName) {
    m_adopted[schema] = std::move(namespaceName);
}

std::string SchemaIndex::TargetNamespace(const xmlNode* node) const {
    if (m_adopted.empty()) {
        return GetTargetNamespace(node);
    }
    const xmlNode* schema = FindEnclosingSchema(node);
    auto adopted = m_adopted.find(schema);
    return adopted != m_adopted.end() ? adopted->second : GetAttributeText(schema, "targetNamespace");
}

std::string SchemaIndex::NamespaceOfUnqualified(const xmlNode* node) const {
    if (m_adopted.empty()) {
        return std::string();
    }
    auto adopted = m_adopted.find(FindEnclosingSchema(node));
    return adopted != m_adopted.end() ? adopted->second : std::string();
}

void SchemaIndex::ResolveReference(const xmlNode* node, std::string_view text, std::string& namespaceName,
                                   std::string& localName) const {
    ResolveQName(node, text, namespaceName, localName);
    if (namespaceName.empty()) {
        namespaceName = NamespaceOfUnqualified(node);
    }
}

void CollectSchemas(const xmlNode* node, SchemaIndex& index) {
    if (node == nullptr) {
        return;
    }
    if (LocalName(node) == "schema") {
        IndexSchema(index, node);
    }
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            CollectSchemas(child, index);
        }
    }
}

void IndexSchema(SchemaIndex& index, const xmlNode* schema) {
    index.IndexSchema(schema);
}

xmlNode* FindEnclosingSchema(const xmlNode* node) {
    for (const xmlNode* current = node; current != nullptr; current = current->parent) {
        if (LocalName(current) == "schema") {
            return const_cast<xmlNode*>(current);
        }
    }
    return nullptr;
}

std::string GetTargetNamespace(const xmlNode* node) {
    return GetAttributeText(FindEnclosingSchema(node), "targetNamespace");
}

bool IsElementQualified(const xmlNode* declaration) {
    std::string form = GetAttributeText(declaration, "form");
    if (!form.empty()) {
        return form == "qualified";
    }
    return GetAttributeText(FindEnclosingSchema(declaration), "elementFormDefault") == "qualified";
}

std::string_view MakeIndent(int level) {
    // Far deeper than the writer ever nests; deeper levels are clamped to it.
    constexpr int kMaxIndentLevel = 1024;
    static const std::string spaces(3 * static_cast<size_t>(kMaxIndentLevel), ' ');
    if (level <= 0) {
        return std::string_view();
    }
    return std::string_view(spaces).substr(0, 3 * static_cast<size_t>(std::min(level, kMaxIndentLevel)));
}

} // namespace quorvel
