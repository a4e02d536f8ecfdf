#include "xml/schema_index.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace quorvel {
namespace {

xmlNode* Lookup(const std::unordered_map<QualifiedNameView, xmlNode*, QualifiedNameHash>& table,
                const std::string& namespaceName, const std::string& localName) {
    auto found = table.find(QualifiedNameView(namespaceName, localName));
    return found == table.end() ? nullptr : found->second;
}

} // namespace

size_t QualifiedNameHash::operator()(const QualifiedNameView& name) const {
    const std::hash<std::string_view> hash;
    const size_t first = hash(name.first);
    return first ^ (hash(name.second) + 0x9e3779b97f4a7c15u + (first << 6) + (first >> 2));
}

SchemaIndex::NameTable* SchemaIndex::TableOf(std::string_view kind) {
    if (kind == "element") {
        return &m_elements;
    }
    if (kind == "complexType" || kind == "simpleType") {
        return &m_types;
    }
    if (kind == "attribute") {
        return &m_attributes;
    }
    if (kind == "attributeGroup") {
        return &m_attributeGroups;
    }
    return kind == "group" ? &m_groups : nullptr;
}

std::string_view SchemaIndex::Keep(std::string text) {
    return m_kept.emplace_back(std::move(text));
}

void SchemaIndex::IndexSchema(const xmlNode* schema) {
    const std::string_view targetNamespace = Keep(TargetNamespace(schema));
    for (xmlNode* child = schema->children; child != nullptr; child = child->next) {
        NameTable* table = TableOf(LocalName(child));
        if (table == nullptr) {
            continue;
        }
        const std::optional<std::string_view> inPlace = GetAttributeTextInPlace(child, "name");
        const std::string_view name = inPlace ? *inPlace : Keep(GetAttributeText(child, "name"));
        if (!name.empty()) {
            (*table)[QualifiedNameView(targetNamespace, name)] = child;
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
