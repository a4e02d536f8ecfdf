#pragma once
// Namespace prefixes of one request: one prefix per namespace name, unique within the request,
// fixed for well-known namespaces and otherwise derived from the namespace name itself.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

struct WellKnownPrefix {
    const char* namespaceName;
    const char* prefix;
};

// The fixed prefixes, matched in this order.
const std::vector<WellKnownPrefix>& WellKnownPrefixes();

// Proposed prefix for a namespace name: never empty, lower case, a valid XML prefix.
std::string DerivePrefix(std::string_view namespaceName);

class PrefixRegistry {
public:
    using Declaration = std::pair<std::string, std::string>; // (namespace name, prefix)

    PrefixRegistry();

    // Prefix for the namespace name, assigned and recorded on first request; empty for no namespace.
    std::string GetPrefix(const std::string& namespaceName);
    // The same, proposing the prefix a namespace is known by instead of the derived one.
    std::string GetPrefix(const std::string& namespaceName, std::string_view proposed);
    // "prefix:local", or the local name alone for no namespace.
    std::string QualifyName(const std::string& namespaceName, std::string_view localName);
    // Every assignment in order of first use.
    const std::vector<Declaration>& Declarations() const { return m_declarations; }
    // The registry this one would be had its first namespace been firstNamespace instead, every later
    // namespace asked for in the same order: none when a later namespace would get another prefix, or
    // when the first namespace was asked for again, which the other registry would answer differently.
    std::optional<PrefixRegistry> WithFirstNamespace(const std::string& firstNamespace) const;

private:
    // The index of each namespace's declaration.
    std::map<std::string, size_t> m_indexes;
    std::vector<Declaration> m_declarations;
    // The prefix each declaration was proposed or derived as, before numbering made it unique.
    std::vector<std::string> m_bases;
    std::set<std::string> m_usedPrefixes;
    bool m_firstAskedAgain = false;
};

} // namespace quorvel
