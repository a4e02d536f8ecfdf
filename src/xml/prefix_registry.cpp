#include "xml/prefix_registry.h"

#include "xml/code_points.h"
#include "xml/namespaces.h"

namespace quorvel {
namespace {

bool IsVowel(char32_t c) {
    char32_t lower = LowerCodePoint(c);
    return lower == U'a' || lower == U'e' || lower == U'i' || lower == U'o' || lower == U'u';
}

bool IsNameStartChar(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStartChar(c) || c == U'-' || c == U'.' || (c >= U'0' && c <= U'9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// A prefix must be a name without colon; anything else would make the request malformed.
bool IsValidPrefix(const std::u32string& prefix) {
    if (prefix.empty() || !IsNameStartChar(prefix[0])) {
        return false;
    }
    for (char32_t c : prefix) {
        if (!IsNameChar(c)) {
            return false;
        }
    }
    return true;
}

std::u32string DeriveFromSegment(const std::u32string& name) {
    const std::u32string fallback = U"ns";
    long length = static_cast<long>(name.size());
    long end = length;
    long slash = static_cast<long>(name.rfind(U'/'));
    if (slash > 0 && slash == length - 1) {
        end = slash;
        slash = static_cast<long>(name.rfind(U'/', static_cast<size_t>(slash - 1)));
    }
    long start = slash + 1;
    if (start + 4 <= length && LowerCodePoint(name[start]) == U'w' &&
        LowerCodePoint(name[start + 1]) == U'w' && LowerCodePoint(name[start + 2]) == U'w' &&
        name[start + 3] == U'.') {
        start = slash + 5;
    }
    while (start < end && !IsLetter(name[start]) && name[start] != U'_') {
        ++start;
    }
    for (long i = start + 1; i < end; ++i) {
        if (!IsLetterOrDigit(name[i])) {
            end = i;
            break;
        }
    }
    // Prefixes may not begin with "xml": keep its x and the character after it.
    if (length >= start + 3 && LowerCodePoint(name[start]) == U'x' &&
        LowerCodePoint(name[start + 1]) == U'm' && LowerCodePoint(name[start + 2]) == U'l') {
        if (length < start + 4) {
            return fallback;
        }
        return std::u32string{U'x', LowerCodePoint(name[start + 3])};
    }
    if (end - start > 4) {
        end = (IsVowel(name[start + 2]) && !IsVowel(name[start + 3])) ? start + 4 : start + 3;
    }
    if (end - start <= 0) {
        return fallback;
    }
    std::u32string word = name.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    for (char32_t& c : word) {
        c = LowerCodePoint(c);
    }
    return word;
}

} // namespace

const std::vector<WellKnownPrefix>& WellKnownPrefixes() {
    static const std::vector<WellKnownPrefix> table = {
        {NS_XML, "xml"},   {NS_XSD, "xs"},          {NS_XSI, "xsi"},
        {NS_WSDL, "wsdl"}, {NS_SOAPENC, "soapenc"}, {NS_SOAP11_ENV, "soapenv"},
        // What derivation gives, kept here because every SOAP 1.2 request asks for it first.
        {NS_SOAP12_ENV, "soap"},
    };
    return table;
}

std::string DerivePrefix(std::string_view namespaceName) {
    for (const WellKnownPrefix& row : WellKnownPrefixes()) {
        if (namespaceName == row.namespaceName) {
            return row.prefix;
        }
    }
    std::u32string prefix = DeriveFromSegment(CodePoints(namespaceName));
    return IsValidPrefix(prefix) ? Utf8(prefix) : "ns";
}

PrefixRegistry::PrefixRegistry() : m_usedPrefixes{"xml", "xmlns"} {}

std::string PrefixRegistry::GetPrefix(const std::string& namespaceName) {
    return GetPrefix(namespaceName, std::string_view());
}

std::string PrefixRegistry::GetPrefix(const std::string& namespaceName, std::string_view proposed) {
    if (namespaceName.empty()) {
        return std::string();
    }
    // Bound by XML itself: never declared.
    if (namespaceName == NS_XML) {
        return "xml";
    }
    auto found = m_indexes.find(namespaceName);
    if (found != m_indexes.end()) {
        m_firstAskedAgain = m_firstAskedAgain || found->second == 0;
        return m_declarations[found->second].second;
    }
    std::string base = proposed.empty() ? DerivePrefix(namespaceName) : std::string(proposed);
    std::string candidate = base;
    for (int counter = 1; m_usedPrefixes.count(candidate) != 0; ++counter) {
        candidate = base + std::to_string(counter);
    }
    m_usedPrefixes.insert(candidate);
    m_indexes.emplace(namespaceName, m_declarations.size());
    m_declarations.emplace_back(namespaceName, candidate);
    m_bases.push_back(std::move(base));
    return candidate;
}

std::optional<PrefixRegistry> PrefixRegistry::WithFirstNamespace(const std::string& firstNamespace) const {
    if (m_declarations.empty() || m_firstAskedAgain) {
        return std::nullopt;
    }
    PrefixRegistry other;
    other.GetPrefix(firstNamespace);
    for (size_t i = 1; i < m_declarations.size(); ++i) {
        const auto& [namespaceName, prefix] = m_declarations[i];
        // Asked for as it was here, each namespace must be declared afresh under the same prefix.
        if (other.GetPrefix(namespaceName, m_bases[i]) != prefix || other.m_declarations.size() != i + 1) {
            return std::nullopt;
        }
    }
    return other;
}

std::string PrefixRegistry::QualifyName(const std::string& namespaceName, std::string_view localName) {
    if (namespaceName.empty()) {
        return std::string(localName);
    }
    std::string name = GetPrefix(namespaceName);
    name += ':';
    name += localName;
    return name;
}

} // namespace quorvel
