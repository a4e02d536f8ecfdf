#pragma once
// Values that simple types allow, for requests that a service can take as they stand: the first value of
// an enumeration, else a value of the built-in type at the root of the derivation that every facet on
// the way accepts. Where none is found, there is none, and the caller keeps its placeholder.

#include "xml/dom.h"
#include "xml/prefix_registry.h"
#include "xml/schema_index.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct SimpleFacets;
struct CompiledPatterns;

// Belongs to the building of one request: QName values take their prefixes from its registry, and ID
// values are numbered so that each is unique within it.
class ExampleValues {
public:
    ExampleValues(const SchemaIndex& index, PrefixRegistry& registry);
    ~ExampleValues();
    ExampleValues(const ExampleValues&) = delete;
    ExampleValues& operator=(const ExampleValues&) = delete;

    // A value of the type named typeName at context (a built-in type or an indexed simple type).
    std::optional<std::string> ForTypeName(const xmlNode* context, std::string_view typeName);
    // A value of a simple type node, or of the simple content of a complex type node.
    std::optional<std::string> ForTypeNode(const xmlNode* type);

private:
    std::optional<std::string> OfResolved(const std::string& namespaceName, const std::string& localName,
                                          SimpleFacets& facets, int depth);
    std::optional<std::string> OfNode(const xmlNode* type, SimpleFacets& facets, int depth);
    std::optional<std::string> OfRestriction(const xmlNode* restriction, SimpleFacets& facets, int depth);
    std::optional<std::string> OfList(const xmlNode* list, SimpleFacets& facets, int depth);
    std::optional<std::string> OfUnion(const xmlNode* unionNode, SimpleFacets& facets, int depth);
    std::optional<std::string> OfBuiltin(const std::string& builtin, SimpleFacets& facets);
    bool Allowed(const std::string& builtin, const std::string& value, const SimpleFacets& facets);
    bool MatchesPatterns(const std::string& value, const SimpleFacets& facets);

    const SchemaIndex& m_index;
    PrefixRegistry& m_registry;
    std::unique_ptr<CompiledPatterns> m_patterns;
    int m_ids = 0;
};

} // namespace quorvel
