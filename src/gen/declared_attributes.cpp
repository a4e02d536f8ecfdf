#include "gen/declared_attributes.h"

#include "gen/namespace_declaration.h"
#include "xml/namespaces.h"

#include <algorithm>
#include <optional>

namespace quorvel {
namespace {

bool HasAttribute(const xmlNode* node, const char* name) {
    return node != nullptr && xmlHasProp(node, BAD_CAST name) != nullptr;
}

// A local attribute carries its schema's namespace when its form, else the schema's default, says so.
bool IsAttributeQualified(const xmlNode* attribute) {
    const std::string form = GetAttributeText(attribute, "form");
    if (!form.empty()) {
        return form == "qualified";
    }
    return GetAttributeText(FindEnclosingSchema(attribute), "attributeFormDefault") == "qualified";
}

// The fixed value wins over the default one, the use's over the declaration's.
std::optional<std::string> GivenValue(const xmlNode* use, const xmlNode* declaration) {
    for (const char* kind : {"fixed", "default"}) {
        for (const xmlNode* node : {use, declaration}) {
            if (HasAttribute(node, kind)) {
                return GetAttributeText(node, kind);
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::string DeclaredAttributes::StartTagText(const xmlNode* complexType) {
    std::vector<Use> uses;
    std::set<const xmlNode*> visiting;
    CollectType(complexType, uses, visiting);
    std::string text;
    for (const Use& use : uses) {
        text += ' ';
        text += m_registry.QualifyName(use.namespaceName, use.localName);
        text += "=\"";
        AppendEscaped(text, Value(use));
        text += '"';
    }
    return text;
}

// A type's attributes: those of the base of its complex or simple content first, then its own.
void DeclaredAttributes::CollectType(const xmlNode* complexType, std::vector<Use>& uses,
                                     std::set<const xmlNode*>& visiting) {
    if (complexType == nullptr || !visiting.insert(complexType).second) {
        return;
    }
    CollectOwn(complexType, uses, visiting);
    for (const xmlNode* content = complexType->children; content != nullptr; content = content->next) {
        const std::string_view kind = LocalName(content);
        if (kind != "complexContent" && kind != "simpleContent") {
            continue;
        }
        for (const xmlNode* derivation = content->children; derivation != nullptr;
             derivation = derivation->next) {
            const std::string_view how = LocalName(derivation);
            if (how != "extension" && how != "restriction") {
                continue;
            }
            std::string namespaceName, localName;
            m_index.ResolveReference(derivation, GetAttributeText(derivation, "base"), namespaceName,
                                     localName);
            if (namespaceName != NS_XSD) {
                const xmlNode* base = m_index.FindType(namespaceName, localName);
                if (base != nullptr && LocalName(base) == "complexType") {
                    CollectType(base, uses, visiting);
                }
            }
            CollectOwn(derivation, uses, visiting);
        }
    }
    visiting.erase(complexType);
}

// The attribute and attributeGroup children of a type, a derivation or a group, in order.
void DeclaredAttributes::CollectOwn(const xmlNode* holder, std::vector<Use>& uses,
                                    std::set<const xmlNode*>& visiting) {
    for (const xmlNode* child = holder->children; child != nullptr; child = child->next) {
        const std::string_view kind = LocalName(child);
        if (kind == "attribute") {
            Add(child, uses);
        } else if (kind == "attributeGroup") {
            std::string namespaceName, localName;
            m_index.ResolveReference(child, GetAttributeText(child, "ref"), namespaceName, localName);
            const xmlNode* group = m_index.FindAttributeGroup(namespaceName, localName);
            if (group != nullptr && visiting.insert(group).second) {
                CollectOwn(group, uses, visiting);
                visiting.erase(group);
            }
        }
    }
}

// A later use of the same name (a restriction's) takes the earlier one's place; a prohibited one removes it.
void DeclaredAttributes::Add(const xmlNode* attribute, std::vector<Use>& uses) {
    Use use{std::string(), std::string(), attribute, attribute};
    if (const std::string ref = GetAttributeText(attribute, "ref"); !ref.empty()) {
        m_index.ResolveReference(attribute, ref, use.namespaceName, use.localName);
        // The prefix xml is bound without a declaration.
        if (use.namespaceName.empty() && ref.starts_with("xml:")) {
            use.namespaceName = NS_XML;
        }
        use.declaration = m_index.FindAttribute(use.namespaceName, use.localName);
    } else {
        use.localName = GetAttributeText(attribute, "name");
        use.namespaceName =
            IsAttributeQualified(attribute) ? m_index.TargetNamespace(attribute) : std::string();
    }
    if (use.localName.empty()) {
        return;
    }
    const bool prohibited = GetAttributeText(attribute, "use") == "prohibited";
    auto same = std::find_if(uses.begin(), uses.end(), [&](const Use& other) {
        return other.namespaceName == use.namespaceName && other.localName == use.localName;
    });
    if (same == uses.end()) {
        if (!prohibited) {
            uses.push_back(std::move(use));
        }
    } else if (prohibited) {
        uses.erase(same);
    } else {
        *same = std::move(use);
    }
}

std::string DeclaredAttributes::Value(const Use& use) {
    if (auto given = GivenValue(use.use, use.declaration)) {
        return *given;
    }
    if (m_examples == nullptr) {
        return "?";
    }
    std::optional<std::string> example;
    if (use.declaration == nullptr) {
        // xml:lang without its schema loaded is still a language.
        example = use.namespaceName == NS_XML && use.localName == "lang" ? std::optional<std::string>("en")
                                                                         : std::nullopt;
    } else if (const xmlNode* inlineType = FindChildElement(use.declaration, "simpleType")) {
        example = m_examples->ForTypeNode(inlineType);
    } else if (const std::string type = GetAttributeText(use.declaration, "type"); !type.empty()) {
        example = m_examples->ForTypeName(use.declaration, type);
    }
    return example.value_or("?");
}

} // namespace quorvel
