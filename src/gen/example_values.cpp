#include "gen/example_values.h"

#include "gen/pattern_example.h"
#include "gen/sample_writer.h"
#include "xml/namespaces.h"

#include <libxml/xmlregexp.h>
#include <libxml/xmlschemastypes.h>

#include <cmath>
#include <cstdio>
#include <mutex>
#include <sstream>
#include <vector>

namespace quorvel {

// The facets met on the way from a type to the built-in type it derives from. The type nearest to the
// start decides each bound and length, and the enumeration; every level's patterns must all be met.
struct SimpleFacets {
    std::optional<std::string> enumeration;
    const xmlNode* enumerationNode = nullptr;
    std::vector<std::vector<std::string>> patterns;
    std::optional<std::string> minInclusive, minExclusive, maxInclusive, maxExclusive;
    std::optional<size_t> length, minLength, maxLength, totalDigits, fractionDigits;
};

// Patterns compiled once per request, each as often as types use it.
struct CompiledPatterns {
    ~CompiledPatterns() {
        for (auto& [pattern, compiled] : byText) {
            if (compiled != nullptr) {
                xmlRegFreeRegexp(compiled);
            }
        }
    }
    std::map<std::string, xmlRegexpPtr> byText;
};

namespace {

// Types whose value is text as it stands: "?" is one of their values.
bool IsTextType(std::string_view builtin) {
    return builtin == "string" || builtin == "normalizedString" || builtin == "token" ||
           builtin == "anySimpleType" || builtin == "anyType";
}

bool IsNumericType(std::string_view builtin) {
    static const std::set<std::string_view> numeric = {"decimal",
                                                       "integer",
                                                       "int",
                                                       "long",
                                                       "short",
                                                       "byte",
                                                       "nonNegativeInteger",
                                                       "positiveInteger",
                                                       "nonPositiveInteger",
                                                       "negativeInteger",
                                                       "unsignedLong",
                                                       "unsignedInt",
                                                       "unsignedShort",
                                                       "unsignedByte",
                                                       "float",
                                                       "double"};
    return numeric.count(builtin) != 0;
}

std::optional<size_t> ReadCount(const xmlNode* facet) {
    const std::string text = GetAttributeText(facet, "value");
    if (text.empty() || text.find_first_not_of("0123456789 \t\r\n") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<size_t>(std::strtoull(text.c_str(), nullptr, 10));
}

// The facets that hold one value each, by name.
const std::pair<std::string_view, std::optional<std::string> SimpleFacets::*> kBoundFacets[] = {
    {"minInclusive", &SimpleFacets::minInclusive},
    {"minExclusive", &SimpleFacets::minExclusive},
    {"maxInclusive", &SimpleFacets::maxInclusive},
    {"maxExclusive", &SimpleFacets::maxExclusive}};
const std::pair<std::string_view, std::optional<size_t> SimpleFacets::*> kCountFacets[] = {
    {"length", &SimpleFacets::length},
    {"minLength", &SimpleFacets::minLength},
    {"maxLength", &SimpleFacets::maxLength},
    {"totalDigits", &SimpleFacets::totalDigits},
    {"fractionDigits", &SimpleFacets::fractionDigits}};

// Adds the facets of one restriction; those already met, nearer the start, stay.
void AddFacets(const xmlNode* restriction, SimpleFacets& facets) {
    std::vector<std::string> patterns;
    for (const xmlNode* child = restriction->children; child != nullptr; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) {
            continue;
        }
        const std::string_view kind = LocalName(child);
        if (kind == "enumeration" && !facets.enumeration) {
            facets.enumeration = GetAttributeText(child, "value");
            facets.enumerationNode = child;
        } else if (kind == "pattern") {
            patterns.push_back(GetAttributeText(child, "value"));
        }
        for (const auto& [name, facet] : kBoundFacets) {
            if (kind == name && !(facets.*facet)) {
                facets.*facet = GetAttributeText(child, "value");
            }
        }
        for (const auto& [name, facet] : kCountFacets) {
            if (kind == name && !(facets.*facet)) {
                facets.*facet = ReadCount(child);
            }
        }
    }
    if (!patterns.empty()) {
        facets.patterns.push_back(std::move(patterns));
    }
}

std::string Repeat(std::string_view text, size_t times) {
    std::string repeated;
    for (size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// How long a text value must be: the length facets, one when they say nothing.
size_t WantedLength(const SimpleFacets& facets) {
    size_t length = facets.length      ? *facets.length
                    : facets.minLength ? std::max<size_t>(*facets.minLength, 1)
                                       : 1;
    if (facets.maxLength && *facets.maxLength < length) {
        length = *facets.maxLength;
    }
    return std::min<size_t>(length, 4096);
}

std::string Base64OfZeros(size_t bytes) {
    std::string text = Repeat("AAAA", bytes / 3);
    if (bytes % 3 == 1) {
        text += "AA==";
    } else if (bytes % 3 == 2) {
        text += "AAA=";
    }
    return text;
}

// A number written plainly: an integer without a fraction, anything else with as few digits as it takes.
std::string FormatNumber(long double value) {
    char text[64];
    if (value == std::floor(value) && std::fabs(value) < 1e18L) {
        std::snprintf(text, sizeof text, "%.0Lf", value);
    } else {
        std::snprintf(text, sizeof text, "%.6Lf", value);
        std::string trimmed = text;
        trimmed.erase(trimmed.find_last_not_of('0') + 1);
        return trimmed.back() == '.' ? trimmed + "0" : trimmed;
    }
    return text;
}

std::optional<long double> ReadNumber(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long double value = std::strtold(text->c_str(), &end);
    return end != text->c_str() && std::isfinite(value) ? std::optional<long double>(value) : std::nullopt;
}

// Numbers inside the bounds: the bounds themselves, one step inside an exclusive one, and the middle.
void AddNumberCandidates(const SimpleFacets& facets, std::vector<std::string>& candidates) {
    const auto low = ReadNumber(facets.minInclusive ? facets.minInclusive : facets.minExclusive);
    const auto high = ReadNumber(facets.maxInclusive ? facets.maxInclusive : facets.maxExclusive);
    for (const auto& bound : {facets.minInclusive, facets.maxInclusive}) {
        if (bound) {
            candidates.push_back(*bound);
        }
    }
    if (low) {
        candidates.push_back(FormatNumber(*low + 1));
    }
    if (high) {
        candidates.push_back(FormatNumber(*high - 1));
    }
    if (low && high) {
        candidates.push_back(FormatNumber((*low + *high) / 2));
    }
    candidates.insert(candidates.end(), {"1", "-1"});
}

// Digits of a decimal text: all of them, and those after the point, without leading or trailing zeros.
void CountDigits(const std::string& value, size_t& total, size_t& fraction) {
    const size_t point = value.find('.');
    std::string whole = value.substr(0, point),
                part = point == std::string::npos ? "" : value.substr(point + 1);
    whole.erase(0, whole.find_first_not_of("+-0"));
    part.erase(part.find_last_not_of('0') + 1);
    fraction = part.size();
    total = whole.size() + part.size();
}

// Length of a value as its type measures it: octets for binary types, characters for the others.
size_t MeasureLength(const std::string& builtin, const std::string& value) {
    if (builtin == "hexBinary") {
        return value.size() / 2;
    }
    if (builtin == "base64Binary") {
        const size_t padding = value.ends_with("==") ? 2 : value.ends_with("=") ? 1 : 0;
        return value.size() / 4 * 3 - padding;
    }
    size_t characters = 0;
    for (unsigned char c : value) {
        characters += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

struct SchemaValueFree {
    void operator()(xmlSchemaVal* value) const { xmlSchemaFreeValue(value); }
};
using SchemaValue = std::unique_ptr<xmlSchemaVal, SchemaValueFree>;

SchemaValue ParseValue(xmlSchemaTypePtr type, const std::string& text) {
    xmlSchemaValPtr value = nullptr;
    if (xmlSchemaValPredefTypeNode(type, BAD_CAST text.c_str(), &value, nullptr) != 0) {
        xmlSchemaFreeValue(value);
        return nullptr;
    }
    return SchemaValue(value);
}

// Whether value lies on the right side of a bound: wanted lists the comparison results that pass.
bool WithinBound(xmlSchemaTypePtr type, xmlSchemaVal* value, const std::optional<std::string>& bound,
                 std::initializer_list<int> wanted) {
    if (!bound) {
        return true;
    }
    const SchemaValue limit = ParseValue(type, *bound);
    if (value == nullptr || limit == nullptr) {
        return false;
    }
    const int order = xmlSchemaCompareValues(value, limit.get());
    return std::find(wanted.begin(), wanted.end(), order) != wanted.end();
}

void SplitList(const std::string& text, std::vector<std::string>& items) {
    std::istringstream stream(text);
    for (std::string item; stream >> item;) {
        items.push_back(item);
    }
}

} // namespace

ExampleValues::ExampleValues(const SchemaIndex& index, PrefixRegistry& registry)
    : m_index(index), m_registry(registry), m_patterns(std::make_unique<CompiledPatterns>()) {
    // The built-in types are set up once for the process, before threads look them up.
    static std::once_flag once;
    std::call_once(once, [] { xmlSchemaInitTypes(); });
}

ExampleValues::~ExampleValues() = default;

std::optional<std::string> ExampleValues::ForTypeName(const xmlNode* context, std::string_view typeName) {
    std::string namespaceName, localName;
    m_index.ResolveReference(context, typeName, namespaceName, localName);
    SimpleFacets facets;
    return OfResolved(namespaceName, localName, facets, 0);
}

std::optional<std::string> ExampleValues::ForTypeNode(const xmlNode* type) {
    SimpleFacets facets;
    return OfNode(type, facets, 0);
}

std::optional<std::string> ExampleValues::OfResolved(const std::string& namespaceName,
                                                     const std::string& localName, SimpleFacets& facets,
                                                     int depth) {
    if (namespaceName == NS_XSD || (namespaceName.empty() && IsBuiltinTypeName(localName))) {
        return OfBuiltin(localName, facets);
    }
    const xmlNode* type = m_index.FindType(namespaceName, localName);
    return type == nullptr ? std::nullopt : OfNode(type, facets, depth + 1);
}

std::optional<std::string> ExampleValues::OfNode(const xmlNode* type, SimpleFacets& facets, int depth) {
    // Derivations longer than this are loops.
    constexpr int kMaxDerivation = 64;
    if (type == nullptr || depth > kMaxDerivation) {
        return std::nullopt;
    }
    const xmlNode* content = type;
    if (LocalName(type) == "complexType") {
        content = FindChildElement(type, "simpleContent");
        if (content == nullptr) {
            return std::nullopt;
        }
    }
    for (const xmlNode* child = content->children; child != nullptr; child = child->next) {
        const std::string_view kind = LocalName(child);
        if (kind == "restriction") {
            return OfRestriction(child, facets, depth);
        }
        if (kind == "extension") {
            std::string namespaceName, localName;
            m_index.ResolveReference(child, GetAttributeText(child, "base"), namespaceName, localName);
            return OfResolved(namespaceName, localName, facets, depth);
        }
        if (kind == "list") {
            return OfList(child, facets, depth);
        }
        if (kind == "union") {
            return OfUnion(child, facets, depth);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ExampleValues::OfRestriction(const xmlNode* restriction, SimpleFacets& facets,
                                                        int depth) {
    AddFacets(restriction, facets);
    if (const xmlNode* inlineType = FindChildElement(restriction, "simpleType")) {
        return OfNode(inlineType, facets, depth + 1);
    }
    std::string namespaceName, localName;
    m_index.ResolveReference(restriction, GetAttributeText(restriction, "base"), namespaceName, localName);
    return OfResolved(namespaceName, localName, facets, depth);
}

std::optional<std::string> ExampleValues::OfList(const xmlNode* list, SimpleFacets& facets, int depth) {
    if (facets.enumeration) {
        return facets.enumeration;
    }
    SimpleFacets itemFacets;
    const std::string itemType = GetAttributeText(list, "itemType");
    std::optional<std::string> item;
    if (!itemType.empty()) {
        std::string namespaceName, localName;
        m_index.ResolveReference(list, itemType, namespaceName, localName);
        item = OfResolved(namespaceName, localName, itemFacets, depth);
    } else {
        item = OfNode(FindChildElement(list, "simpleType"), itemFacets, depth + 1);
    }
    if (!item) {
        return std::nullopt;
    }
    std::string value = *item;
    for (size_t i = 1; i < WantedLength(facets); ++i) {
        value += ' ' + *item;
    }
    return MatchesPatterns(value, facets) ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> ExampleValues::OfUnion(const xmlNode* unionNode, SimpleFacets& facets, int depth) {
    if (facets.enumeration) {
        return facets.enumeration;
    }
    std::vector<std::string> members;
    SplitList(GetAttributeText(unionNode, "memberTypes"), members);
    for (const std::string& member : members) {
        std::string namespaceName, localName;
        m_index.ResolveReference(unionNode, member, namespaceName, localName);
        SimpleFacets memberFacets;
        const auto value = OfResolved(namespaceName, localName, memberFacets, depth);
        if (value && MatchesPatterns(*value, facets)) {
            return value;
        }
    }
    for (const xmlNode* child = unionNode->children; child != nullptr; child = child->next) {
        if (LocalName(child) == "simpleType") {
            SimpleFacets memberFacets;
            const auto value = OfNode(child, memberFacets, depth + 1);
            if (value && MatchesPatterns(*value, facets)) {
                return value;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> ExampleValues::OfBuiltin(const std::string& builtin, SimpleFacets& facets) {
    if (facets.enumeration) {
        if ((builtin == "QName" || builtin == "NOTATION") &&
            facets.enumeration->find(':') != std::string::npos) {
            // A QName value names its namespace through a prefix of the request.
            std::string namespaceName, localName;
            ResolveQName(facets.enumerationNode, *facets.enumeration, namespaceName, localName);
            return m_registry.QualifyName(namespaceName, localName);
        }
        return facets.enumeration;
    }
    static const std::map<std::string_view, std::string_view> samples = {{"boolean", "true"},
                                                                         {"date", "2024-01-15"},
                                                                         {"dateTime", "2024-01-15T09:30:00"},
                                                                         {"time", "09:30:00"},
                                                                         {"gYear", "2024"},
                                                                         {"gYearMonth", "2024-01"},
                                                                         {"gMonth", "--01"},
                                                                         {"gDay", "---15"},
                                                                         {"gMonthDay", "--01-15"},
                                                                         {"duration", "P1D"},
                                                                         {"anyURI", "http://example.com/"},
                                                                         {"language", "en"},
                                                                         {"Name", "name"},
                                                                         {"NCName", "name"},
                                                                         {"NMTOKEN", "name"},
                                                                         {"NMTOKENS", "name"},
                                                                         {"ENTITY", "name"},
                                                                         {"ENTITIES", "name"},
                                                                         {"IDREF", "id1"},
                                                                         {"IDREFS", "id1"}};
    std::vector<std::string> candidates;
    const size_t length = WantedLength(facets);
    if (IsTextType(builtin)) {
        candidates.push_back(Repeat("?", length));
    } else if (IsNumericType(builtin)) {
        candidates.push_back("0");
        AddNumberCandidates(facets, candidates);
    } else if (builtin == "hexBinary") {
        candidates.push_back(Repeat("00", length));
    } else if (builtin == "base64Binary") {
        candidates.push_back(facets.length || facets.minLength || facets.maxLength ? Base64OfZeros(length)
                                                                                   : "ZXhhbXBsZQ==");
    } else if (builtin == "QName") {
        candidates.push_back(m_registry.GetPrefix(NS_XSD) + ":string");
    } else if (builtin == "ID") {
        candidates.push_back("id" + std::to_string(++m_ids));
    } else if (auto sample = samples.find(builtin); sample != samples.end()) {
        candidates.emplace_back(sample->second);
        for (const auto& bound : {facets.minInclusive, facets.maxInclusive}) {
            if (bound) {
                candidates.push_back(*bound);
            }
        }
    }
    for (const auto& level : facets.patterns) {
        for (const std::string& pattern : level) {
            candidates.push_back(PatternExample(pattern, false));
            candidates.push_back(PatternExample(pattern, true));
        }
    }
    for (const std::string& candidate : candidates) {
        if (Allowed(builtin, candidate, facets)) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool ExampleValues::Allowed(const std::string& builtin, const std::string& value,
                            const SimpleFacets& facets) {
    SchemaValue parsed;
    if (builtin != "anyType" && builtin != "anySimpleType") {
        xmlSchemaTypePtr type = xmlSchemaGetPredefinedType(BAD_CAST builtin.c_str(), BAD_CAST NS_XSD);
        if (type == nullptr) {
            return false;
        }
        xmlSchemaValPtr raw = nullptr;
        if (xmlSchemaValPredefTypeNode(type, BAD_CAST value.c_str(), &raw, nullptr) != 0) {
            xmlSchemaFreeValue(raw);
            return false;
        }
        parsed.reset(raw);
        if (!WithinBound(type, parsed.get(), facets.minInclusive, {0, 1}) ||
            !WithinBound(type, parsed.get(), facets.minExclusive, {1}) ||
            !WithinBound(type, parsed.get(), facets.maxInclusive, {0, -1}) ||
            !WithinBound(type, parsed.get(), facets.maxExclusive, {-1})) {
            return false;
        }
    }
    if (facets.length || facets.minLength || facets.maxLength) {
        const size_t length = MeasureLength(builtin, value);
        if ((facets.length && length != *facets.length) || (facets.minLength && length < *facets.minLength) ||
            (facets.maxLength && length > *facets.maxLength)) {
            return false;
        }
    }
    if (facets.totalDigits || facets.fractionDigits) {
        size_t total = 0, fraction = 0;
        CountDigits(value, total, fraction);
        if ((facets.totalDigits && total > *facets.totalDigits) ||
            (facets.fractionDigits && fraction > *facets.fractionDigits)) {
            return false;
        }
    }
    return MatchesPatterns(value, facets);
}

bool ExampleValues::MatchesPatterns(const std::string& value, const SimpleFacets& facets) {
    for (const auto& level : facets.patterns) {
        bool matched = false;
        for (const std::string& pattern : level) {
            auto [entry, added] = m_patterns->byText.emplace(pattern, nullptr);
            if (added) {
                entry->second = xmlRegexpCompile(BAD_CAST pattern.c_str());
            }
            matched = matched ||
                      (entry->second != nullptr && xmlRegexpExec(entry->second, BAD_CAST value.c_str()) == 1);
        }
        if (!matched) {
            return false;
        }
    }
    return true;
}

} // namespace quorvel
