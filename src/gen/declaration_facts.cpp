#include "gen/declaration_facts.h"

#include "xml/namespaces.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace quorvel {
namespace {

// Decimal value from the start of the text, as the C library reads it, clamped to the int range.
int ReadOccurs(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

int ReadMinOccurs(const xmlNode* particle) {
    std::string text = GetAttributeText(particle, "minOccurs");
    return text.empty() ? 1 : ReadOccurs(text);
}

int ReadMaxOccurs(const xmlNode* particle) {
    std::string text = GetAttributeText(particle, "maxOccurs");
    if (text == "unbounded") {
        return -1;
    }
    return text.empty() ? 1 : ReadOccurs(text);
}

// The inline type of a declaration: a complex type wins over a simple one.
const xmlNode* InlineType(const xmlNode* declaration) {
    const xmlNode* complexType = FindChildElement(declaration, "complexType");
    return complexType != nullptr ? complexType : FindChildElement(declaration, "simpleType");
}

void ReadDeclaration(const xmlNode* element, std::string namespaceName, ElementFacts& facts) {
    facts.name = GetAttributeText(element, "name");
    facts.namespaceName = std::move(namespaceName);
    facts.typeName = GetAttributeText(element, "type");
    facts.inlineType = InlineType(element);
}

ElementFacts ReadParticle(const SchemaIndex& index, const xmlNode* element) {
    ElementFacts facts;
    facts.minOccurs = ReadMinOccurs(element);
    facts.maxOccurs = ReadMaxOccurs(element);
    const std::string ref = GetAttributeText(element, "ref");
    if (ref.empty()) {
        ReadDeclaration(element, IsElementQualified(element) ? index.TargetNamespace(element) : std::string(),
                        facts);
        return facts;
    }
    facts.isRef = true;
    index.ResolveReference(element, ref, facts.namespaceName, facts.name);
    facts.global = index.FindElement(facts.namespaceName, facts.name);
    return facts;
}

TypeNameFacts ResolveTypeName(const SchemaIndex& index, const xmlNode* context, std::string_view typeName) {
    TypeNameFacts facts;
    facts.typeName = typeName;
    index.ResolveReference(context, typeName, facts.namespaceName, facts.localName);
    if (facts.namespaceName != NS_XSD) {
        facts.type = index.FindType(facts.namespaceName, facts.localName);
    }
    return facts;
}

} // namespace

const ElementFacts& DeclarationFacts::Particle(const xmlNode* element) {
    auto found = m_particles.find(element);
    if (found == m_particles.end()) {
        found = m_particles.emplace(element, ReadParticle(m_index, element)).first;
    }
    return found->second;
}

const ElementFacts& DeclarationFacts::Global(const xmlNode* element) {
    auto found = m_globals.find(element);
    if (found == m_globals.end()) {
        ElementFacts facts;
        ReadDeclaration(element, m_index.TargetNamespace(element), facts);
        found = m_globals.emplace(element, std::move(facts)).first;
    }
    return found->second;
}

const TypeNameFacts& DeclarationFacts::TypeName(const xmlNode* context, std::string_view typeName) {
    const auto [first, last] = m_typeNames.equal_range(context);
    for (auto found = first; found != last; ++found) {
        if (found->second.typeName == typeName) {
            return found->second;
        }
    }
    return m_typeNames.emplace(context, ResolveTypeName(m_index, context, typeName))->second;
}

const TypeNameFacts& DeclarationFacts::ExtensionBase(const xmlNode* extension) {
    auto found = m_bases.find(extension);
    if (found == m_bases.end()) {
        const std::string base = GetAttributeText(extension, "base");
        found = m_bases.emplace(extension, ResolveTypeName(m_index, extension, base)).first;
    }
    return found->second;
}

} // namespace quorvel
