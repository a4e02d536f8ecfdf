#pragma once
// The attributes a complex type declares, written on the start tag of an element of that type: its own,
// those of the attribute groups it references and those it inherits from its base types, in schema order.

#include "gen/example_values.h"
#include "xml/dom.h"
#include "xml/prefix_registry.h"
#include "xml/schema_index.h"

#include <set>
#include <string>
#include <vector>

namespace quorvel {

class DeclaredAttributes {
public:
    // examples, when given, supplies the values that no fixed or default value gives; else they are "?".
    DeclaredAttributes(const SchemaIndex& index, PrefixRegistry& registry, ExampleValues* examples)
        : m_index(index), m_registry(registry), m_examples(examples) {}

    // ` name="value"` for each attribute of complexType, in order; empty when it declares none.
    std::string StartTagText(const xmlNode* complexType);

private:
    struct Use {
        std::string namespaceName;
        std::string localName;
        const xmlNode* use;         // the attribute element in the type or group: local, or a ref
        const xmlNode* declaration; // where the type is declared: the use, or the global it refers to
    };

    void CollectType(const xmlNode* complexType, std::vector<Use>& uses, std::set<const xmlNode*>& visiting);
    void CollectOwn(const xmlNode* holder, std::vector<Use>& uses, std::set<const xmlNode*>& visiting);
    void Add(const xmlNode* attribute, std::vector<Use>& uses);
    std::string Value(const Use& use);

    const SchemaIndex& m_index;
    PrefixRegistry& m_registry;
    ExampleValues* m_examples;
};

} // namespace quorvel
