#include "gen/sample_writer.h"

#include "xml/namespaces.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace quorvel {
namespace {

bool IsModelGroup(std::string_view localName) {
    return localName == "sequence" || localName == "choice" || localName == "all";
}

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

std::string OccurrenceText(int minOccurs, int maxOccurs) {
    if (maxOccurs < 0) {
        return minOccurs == 0 ? "Zero or more repetitions:"
                              : std::to_string(minOccurs) + " or more repetitions:";
    }
    if (maxOccurs < 2) {
        return "Optional:";
    }
    return std::to_string(minOccurs) + " to " + std::to_string(maxOccurs) + " repetitions:";
}

// An inline type has no name: it is known by its node, which is stable for the whole build.
QualifiedName AnonymousKey(const xmlNode* type) {
    char identity[32];
    std::snprintf(identity, sizeof identity, "%p", static_cast<const void*>(type));
    return QualifiedName("anon", identity);
}

// The inline type of a declaration: a complex type wins over a simple one.
const xmlNode* InlineType(const xmlNode* declaration) {
    const xmlNode* complexType = FindChildElement(declaration, "complexType");
    return complexType != nullptr ? complexType : FindChildElement(declaration, "simpleType");
}

} // namespace

bool IsBuiltinTypeName(std::string_view localName) {
    static constexpr std::array<std::string_view, 34> names = {
        "string",
        "int",
        "boolean",
        "decimal",
        "float",
        "double",
        "long",
        "short",
        "byte",
        "date",
        "dateTime",
        "time",
        "anyURI",
        "QName",
        "base64Binary",
        "hexBinary",
        "integer",
        "unsignedInt",
        "anyType",
        "anySimpleType",
        "token",
        "normalizedString",
        "positiveInteger",
        "nonNegativeInteger",
        "unsignedLong",
        "unsignedShort",
        "unsignedByte",
        "gYear",
        "gMonth",
        "gDay",
        "duration",
        "NMTOKEN",
        "ID",
        "IDREF",
    };
    return std::find(names.begin(), names.end(), localName) != names.end();
}

SampleWriter::SampleWriter(const SchemaIndex& schemaIndex, PrefixRegistry& prefixRegistry, size_t lineLimit,
                           std::string truncationNote)
    : m_schemaIndex(schemaIndex), m_prefixRegistry(prefixRegistry), m_lineLimit(lineLimit),
      m_truncationNote(std::move(truncationNote)) {}

// Appends one line when it fits, keeping room for the closing line of an opened element and for the
// truncation note. When it does not fit, the note is written instead and nothing is added afterwards.
bool SampleWriter::Emit(int depth, std::initializer_list<std::string_view> parts, bool opensElement) {
    if (m_truncated) {
        return false;
    }
    size_t needed = opensElement ? 2 : 1;
    if (LinesSpent() + m_pendingCloses + needed + 1 > m_lineLimit) {
        WriteTruncationNote(depth);
        return false;
    }
    m_lines.text += '\n';
    m_lines.text += MakeIndent(depth);
    for (std::string_view part : parts) {
        m_lines.text += part;
    }
    ++m_lines.count;
    m_pendingCloses += opensElement ? 1 : 0;
    return true;
}

void SampleWriter::Close(int depth, std::string_view name) {
    m_lines.text += '\n';
    m_lines.text += MakeIndent(depth);
    m_lines.text += "</";
    m_lines.text += name;
    m_lines.text += '>';
    ++m_lines.count;
    --m_pendingCloses;
}

void SampleWriter::WriteTruncationNote(int depth) {
    if (m_lines.count + m_pendingCloses < m_lineLimit) {
        m_lines.text += '\n';
        m_lines.text += MakeIndent(depth);
        m_lines.text += m_truncationNote;
        ++m_lines.count;
    }
    m_truncated = true;
}

bool SampleWriter::OnTypeStack(const QualifiedName& key) const {
    return m_typeStack.count(key) != 0;
}

void SampleWriter::WriteElement(std::string_view localName, const std::string& namespaceName,
                                const xmlNode* context, std::string_view typeName, const xmlNode* typeNode,
                                int minOccurs, int maxOccurs, int depth) {
    if (m_truncated) {
        return;
    }
    ++m_steps;
    if (minOccurs != maxOccurs && !Emit(depth, {"<!--", OccurrenceText(minOccurs, maxOccurs), "-->"})) {
        return;
    }
    // Naming registers the namespace before anything inside the element does.
    const std::string name = m_prefixRegistry.QualifyName(namespaceName, localName);
    const std::initializer_list<std::string_view> leaf = {"<", name, ">?</", name, ">"};
    const std::initializer_list<std::string_view> empty = {"<", name, "/>"};

    QualifiedName key;
    if (typeNode == nullptr && !typeName.empty()) {
        ResolveQName(context, typeName, key.first, key.second);
        if (key.first == NS_XSD || (key.first.empty() && IsBuiltinTypeName(key.second))) {
            Emit(depth, leaf);
            return;
        }
        typeNode = m_schemaIndex.FindType(key.first, key.second);
    } else if (typeNode != nullptr) {
        key = AnonymousKey(typeNode);
    }
    if (typeNode == nullptr) {
        Emit(depth, typeName.empty() ? empty : leaf);
        return;
    }
    // Recursion and nesting cut: an element whose type is already being expanded stays empty, and so
    // does one at the deepest level (depth + 1, the envelope standing at depth 0) whose type has content.
    const bool deepest = depth + 1 >= kMaxNestingDepth || !CanRecurse();
    if (OnTypeStack(key) || (deepest && LocalName(typeNode) != "simpleType")) {
        Emit(depth, empty);
        return;
    }
    // The open line goes first; without any child line it is taken back for the leaf or empty form.
    const size_t mark = m_lines.text.size();
    const size_t markCount = m_lines.count;
    if (!Emit(depth, {"<", name, ">"}, true)) {
        return;
    }
    m_typeStack.insert(key);
    ++m_recursion;
    WriteTypeContent(typeNode, depth + 1);
    --m_recursion;
    m_typeStack.erase(key);
    if (m_lines.count > markCount + 1) {
        Close(depth, name);
        return;
    }
    m_lines.text.resize(mark);
    m_lines.count = markCount;
    --m_pendingCloses;
    // A complex type without element content (empty, attributes only, simple content) gives an empty
    // element; a simple type gives the placeholder.
    Emit(depth, LocalName(typeNode) == "complexType" ? empty : leaf);
}

void SampleWriter::WriteGlobalElement(const xmlNode* element, int depth, int minOccurs, int maxOccurs) {
    WriteElement(GetAttributeText(element, "name"), GetTargetNamespace(element), element,
                 GetAttributeText(element, "type"), InlineType(element), minOccurs, maxOccurs, depth);
}

void SampleWriter::WriteParticleElement(const xmlNode* element, int depth) {
    const int minOccurs = ReadMinOccurs(element);
    const int maxOccurs = ReadMaxOccurs(element);
    const std::string ref = GetAttributeText(element, "ref");
    if (!ref.empty()) {
        std::string namespaceName, localName;
        ResolveQName(element, ref, namespaceName, localName);
        if (const xmlNode* global = m_schemaIndex.FindElement(namespaceName, localName)) {
            WriteGlobalElement(global, depth, minOccurs, maxOccurs);
        } else {
            WriteElement(localName, namespaceName, element, "", nullptr, minOccurs, maxOccurs, depth);
        }
        return;
    }
    const std::string namespaceName =
        IsElementQualified(element) ? GetTargetNamespace(element) : std::string();
    WriteElement(GetAttributeText(element, "name"), namespaceName, element, GetAttributeText(element, "type"),
                 InlineType(element), minOccurs, maxOccurs, depth);
}

void SampleWriter::WriteModelGroup(const xmlNode* group, int depth, bool isChoice) {
    if (m_truncated || !CanRecurse()) {
        return;
    }
    ++m_steps;
    DomNodeList children;
    GetChildElements(group, children);
    if (isChoice && !children.empty()) {
        const std::string count = std::to_string(children.size());
        if (!Emit(depth, {"<!--You have a CHOICE of the next ", count, " items at this level-->"})) {
            return;
        }
    }
    ++m_recursion;
    for (const xmlNode* child : children) {
        std::string_view kind = LocalName(child);
        if (kind == "element") {
            WriteParticleElement(child, depth);
        } else if (IsModelGroup(kind)) {
            WriteModelGroup(child, depth, kind == "choice");
        }
        if (m_truncated) {
            break;
        }
    }
    --m_recursion;
}

void SampleWriter::WriteTypeContent(const xmlNode* type, int depth) {
    if (LocalName(type) == "simpleType") {
        return;
    }
    const xmlNode* content = type;
    if (LocalName(type) != "complexType") {
        if (const xmlNode* complexType = FindChildElement(type, "complexType")) {
            content = complexType;
        }
    }
    const size_t mark = m_lines.text.size();
    const size_t markCount = m_lines.count;
    for (const xmlNode* child = content->children; child != nullptr && !m_truncated; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) {
            continue;
        }
        std::string_view kind = LocalName(child);
        if (IsModelGroup(kind)) {
            WriteModelGroup(child, depth, kind == "choice");
        } else if (kind == "complexContent") {
            WriteComplexContent(child, depth);
        } else if (kind == "simpleContent") {
            // A type with simple content has no element content at all: drop what came before. The
            // dropped lines still count against the limit, so that nesting such types stays bounded.
            m_droppedLines += m_lines.count - markCount;
            m_lines.text.resize(mark);
            m_lines.count = markCount;
            return;
        }
    }
}

void SampleWriter::WriteModelGroupsOf(const xmlNode* node, int depth) {
    for (const xmlNode* child = node->children; child != nullptr && !m_truncated; child = child->next) {
        std::string_view kind = LocalName(child);
        if (IsModelGroup(kind)) {
            WriteModelGroup(child, depth, kind == "choice");
        }
    }
}

void SampleWriter::WriteComplexContent(const xmlNode* complexContent, int depth) {
    for (const xmlNode* child = complexContent->children; child != nullptr && !m_truncated;
         child = child->next) {
        std::string_view kind = LocalName(child);
        if (kind == "extension") {
            QualifiedName base;
            ResolveQName(child, GetAttributeText(child, "base"), base.first, base.second);
            const xmlNode* baseType =
                base.first == NS_XSD ? nullptr : m_schemaIndex.FindType(base.first, base.second);
            // The base's content comes first, unless that type is already being expanded.
            if (baseType != nullptr && !OnTypeStack(base) && CanRecurse()) {
                ++m_steps;
                m_typeStack.insert(base);
                ++m_recursion;
                WriteTypeContent(baseType, depth);
                --m_recursion;
                m_typeStack.erase(base);
            }
            WriteModelGroupsOf(child, depth);
        } else if (kind == "restriction") {
            WriteModelGroupsOf(child, depth);
        }
    }
}

} // namespace quorvel
