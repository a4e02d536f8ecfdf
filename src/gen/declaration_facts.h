#pragma once
// What the sample writer reads from a declaration, read from the document once and kept for every later
// use: shared types are expanded again and again, in request after request, and each expansion would
// otherwise read the same attributes and resolve the same names anew.

#include "xml/dom.h"
#include "xml/schema_index.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvel {

// An element declaration as a particle of a model group, or a global element (occurrence then unused).
struct ElementFacts {
    int minOccurs = 1;
    int maxOccurs = 1;
    bool isRef = false;
    const xmlNode* global = nullptr;     // the global element a ref names, when the index holds it
    std::string name;                    // the declared name, or the local part of an unknown ref
    std::string namespaceName;           // the namespace the element's name carries
    std::string typeName;                // the "type" attribute as written
    const xmlNode* inlineType = nullptr; // a complex type child, else a simple type child
};

// A type name (or an extension base) resolved at the node that carries it.
struct TypeNameFacts {
    std::string typeName;          // the text that was resolved
    std::string namespaceName;     // of the resolved name
    std::string localName;         // of the resolved name
    const xmlNode* type = nullptr; // the indexed type; never looked up in the XML Schema namespace
};

class DeclarationFacts {
public:
    explicit DeclarationFacts(const SchemaIndex& index) : m_index(index) {}

    const ElementFacts& Particle(const xmlNode* element);
    const ElementFacts& Global(const xmlNode* element);
    // typeName resolved at context, kept with every other text resolved there. What it returns stays valid
    // as long as this object, whatever is asked later.
    const TypeNameFacts& TypeName(const xmlNode* context, std::string_view typeName);
    // The "base" attribute of an extension, resolved there.
    const TypeNameFacts& ExtensionBase(const xmlNode* extension);

private:
    const SchemaIndex& m_index;
    std::unordered_map<const xmlNode*, ElementFacts> m_particles;
    std::unordered_map<const xmlNode*, ElementFacts> m_globals;
    std::unordered_multimap<const xmlNode*, TypeNameFacts> m_typeNames;
    std::unordered_map<const xmlNode*, TypeNameFacts> m_bases;
};

} // namespace quorvel
