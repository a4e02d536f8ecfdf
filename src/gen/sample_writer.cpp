#include "gen/sample_writer.h"

#include "gen/namespace_declaration.h"
#include "xml/namespaces.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

// Bytes of the line that closes an element opened at depth: line feed, indentation, "</", name, ">".
size_t CloseLineBytes(int depth, std::string_view name) {
    return 1 + MakeIndent(depth).size() + name.size() + 3;
}

bool IsModelGroup(std::string_view localName) {
    return localName == "sequence" || localName == "choice" || localName == "all";
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

SampleWriter::SampleWriter(const SchemaIndex& schemaIndex, PrefixRegistry& prefixRegistry,
                           WriteBound lineBound, WriteBound byteBound, DeclarationFacts* sharedFacts,
                           const SampleOptions& options)
    : m_index(schemaIndex),
      m_ownFacts(sharedFacts != nullptr ? nullptr : std::make_unique<DeclarationFacts>(schemaIndex)),
      m_facts(sharedFacts != nullptr ? *sharedFacts : *m_ownFacts), m_prefixRegistry(prefixRegistry),
      m_options(options),
      m_examples(options.exampleValues ? std::make_unique<ExampleValues>(schemaIndex, prefixRegistry)
                                       : nullptr),
      m_attributes(options.attributes
                       ? std::make_unique<DeclaredAttributes>(schemaIndex, prefixRegistry, m_examples.get())
                       : nullptr),
      m_lineBound(std::move(lineBound)), m_byteBound(std::move(byteBound)),
      m_noteReserve(1 + MakeIndent(kMaxNestingDepth).size() +
                    std::max(m_lineBound.note.size(), m_byteBound.note.size())),
      m_byteHeadroom(m_byteBound.limit) {}

size_t SampleWriter::BytesSpent() {
    const std::vector<PrefixRegistry::Declaration>& declarations = m_prefixRegistry.Declarations();
    for (; m_declarationsCounted < declarations.size(); ++m_declarationsCounted) {
        const auto& [namespaceName, prefix] = declarations[m_declarationsCounted];
        m_declarationBytes += DeclarationBytes(prefix, namespaceName);
    }
    return m_lines.text.size() + m_declarationBytes;
}

// Appends one line when it fits, keeping room for the closing line of an opened element and for the
// truncation note, in lines and in bytes. When it does not fit, the note of the bound it would pass is
// written instead and nothing is added afterwards.
bool SampleWriter::Emit(int depth, std::initializer_list<std::string_view> parts, std::string_view closes) {
    if (m_truncated) {
        return false;
    }
    const std::string_view indent = MakeIndent(depth);
    size_t lineBytes = 1 + indent.size();
    for (std::string_view part : parts) {
        lineBytes += part.size();
    }
    const bool opensElement = !closes.empty();
    const size_t closeBytes = opensElement ? CloseLineBytes(depth, closes) : 0;
    const size_t needed = opensElement ? 2 : 1;
    if (LinesSpent() + m_pendingCloses + needed + 1 > m_lineBound.limit) {
        WriteTruncationNote(depth, m_lineBound.note);
        return false;
    }
    const size_t bytesNeeded = BytesSpent() + m_pendingCloseBytes + lineBytes + closeBytes + m_noteReserve;
    if (bytesNeeded > m_byteBound.limit) {
        m_stoppedByBytes = true;
        WriteTruncationNote(depth, m_byteBound.note);
        return false;
    }
    m_byteHeadroom = std::min(m_byteHeadroom, m_byteBound.limit - bytesNeeded);
    m_lines.text += '\n';
    m_lines.text += indent;
    for (std::string_view part : parts) {
        m_lines.text += part;
    }
    ++m_lines.count;
    m_pendingCloses += opensElement ? 1 : 0;
    m_pendingCloseBytes += closeBytes;
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
    m_pendingCloseBytes -= CloseLineBytes(depth, name);
}

void SampleWriter::WriteTruncationNote(int depth, const std::string& note) {
    const std::string_view indent = MakeIndent(depth);
    if (m_lines.count + m_pendingCloses < m_lineBound.limit &&
        BytesSpent() + m_pendingCloseBytes + 1 + indent.size() + note.size() <= m_byteBound.limit) {
        m_lines.text += '\n';
        m_lines.text += indent;
        m_lines.text += note;
        ++m_lines.count;
    }
    m_truncated = true;
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
    bool builtin = false;
    if (typeNode == nullptr && !typeName.empty()) {
        const TypeNameFacts& type = m_facts.TypeName(context, typeName);
        builtin =
            type.namespaceName == NS_XSD || (type.namespaceName.empty() && IsBuiltinTypeName(type.localName));
        typeNode = builtin ? nullptr : type.type;
    }
    // With example values an element is written as often as it must occur, and not at all where it may not.
    const int copies = !m_options.exampleValues ? 1 : maxOccurs == 0 ? 0 : std::max(minOccurs, 1);
    for (int copy = 0; copy < copies && !m_truncated; ++copy) {
        WriteElementOnce(name, context, typeName, typeNode, builtin, depth);
    }
}

void SampleWriter::WriteElementOnce(const std::string& name, const xmlNode* context,
                                    std::string_view typeName, const xmlNode* typeNode, bool builtin,
                                    int depth) {
    const bool complexType = typeNode != nullptr && LocalName(typeNode) == "complexType";
    const std::string attributes = m_attributes && complexType ? m_attributes->StartTagText(typeNode) : "";
    const std::string value = LeafValue(context, typeName, typeNode);
    const std::initializer_list<std::string_view> leaf = {"<", name, attributes, ">", value, "</", name, ">"};
    const std::initializer_list<std::string_view> empty = {"<", name, attributes, "/>"};

    if (builtin || typeNode == nullptr) {
        Emit(depth, builtin || !typeName.empty() ? leaf : empty);
        return;
    }
    // Recursion and nesting cut: an element whose type is already being expanded stays empty, and so
    // does one at the deepest level (depth + 1, the envelope standing at depth 0) whose type has content.
    const bool deepest = depth + 1 >= kMaxNestingDepth || !CanRecurse();
    if (m_typeStack.count(typeNode) != 0 || (deepest && LocalName(typeNode) != "simpleType")) {
        Emit(depth, empty);
        return;
    }
    // The open line goes first; without any child line it is taken back for the leaf or empty form.
    const size_t mark = m_lines.text.size();
    const size_t markCount = m_lines.count;
    if (!Emit(depth, {"<", name, attributes, ">"}, name)) {
        return;
    }
    m_typeStack.insert(typeNode);
    ++m_recursion;
    WriteTypeContent(typeNode, depth + 1);
    --m_recursion;
    m_typeStack.erase(typeNode);
    if (m_lines.count > markCount + 1) {
        Close(depth, name);
        return;
    }
    m_lines.text.resize(mark);
    m_lines.count = markCount;
    --m_pendingCloses;
    m_pendingCloseBytes -= CloseLineBytes(depth, name);
    // A complex type without element content (empty, attributes only, simple content) gives an empty
    // element, unless example values give its simple content a value; a simple type gives the placeholder.
    const bool simpleContent =
        complexType && m_examples && FindChildElement(typeNode, "simpleContent") != nullptr;
    Emit(depth, complexType && !simpleContent ? empty : leaf);
}

std::string SampleWriter::LeafValue(const xmlNode* context, std::string_view typeName,
                                    const xmlNode* typeNode) {
    if (!m_examples) {
        return "?";
    }
    std::optional<std::string> value;
    // A declaration's fixed value is the only one allowed, and its default one is the one meant.
    for (const char* given : {"fixed", "default"}) {
        if (!value && LocalName(context) == "element" && xmlHasProp(context, BAD_CAST given) != nullptr) {
            value = GetAttributeText(context, given);
        }
    }
    if (!value && typeNode != nullptr) {
        value = m_examples->ForTypeNode(typeNode);
    } else if (!value && !typeName.empty()) {
        value = m_examples->ForTypeName(context, typeName);
    }
    if (!value) {
        return "?";
    }
    std::string escaped;
    AppendEscaped(escaped, *value);
    return escaped;
}

void SampleWriter::WriteGlobalElement(const xmlNode* element, int depth, int minOccurs, int maxOccurs) {
    const ElementFacts& global = m_facts.Global(element);
    WriteElement(global.name, global.namespaceName, element, global.typeName, global.inlineType, minOccurs,
                 maxOccurs, depth);
}

void SampleWriter::WriteParticleElement(const xmlNode* element, int depth) {
    const ElementFacts& particle = m_facts.Particle(element);
    if (particle.isRef && particle.global != nullptr) {
        WriteGlobalElement(particle.global, depth, particle.minOccurs, particle.maxOccurs);
        return;
    }
    WriteElement(particle.name, particle.namespaceName, element, particle.typeName, particle.inlineType,
                 particle.minOccurs, particle.maxOccurs, depth);
}

void SampleWriter::WriteModelGroup(const xmlNode* group, int depth, bool isChoice) {
    if (m_truncated || !CanRecurse()) {
        return;
    }
    ++m_steps;
    if (isChoice) {
        // Every child element counts, also those that write nothing.
        size_t children = 0;
        for (const xmlNode* child = group->children; child != nullptr; child = child->next) {
            children += child->type == XML_ELEMENT_NODE ? 1 : 0;
        }
        const std::string count = std::to_string(children);
        if (children != 0 &&
            !Emit(depth, {"<!--You have a CHOICE of the next ", count, " items at this level-->"})) {
            return;
        }
    }
    ++m_recursion;
    for (const xmlNode* child = group->children; child != nullptr; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) {
            continue;
        }
        const std::string_view kind = LocalName(child);
        WriteParticle(child, depth);
        if (m_truncated) {
            break;
        }
        // With example values a choice takes its first branch only.
        if (isChoice && m_examples && kind != "annotation") {
            break;
        }
    }
    --m_recursion;
}

// An element, a nested model group, or with example values a model group reference.
void SampleWriter::WriteParticle(const xmlNode* particle, int depth) {
    const std::string_view kind = LocalName(particle);
    if (kind == "element") {
        WriteParticleElement(particle, depth);
    } else if (IsModelGroup(kind)) {
        WriteModelGroup(particle, depth, kind == "choice");
    } else if (const xmlNode* group = ReferencedGroup(particle)) {
        m_typeStack.insert(group);
        ++m_recursion;
        WriteModelGroupsOf(group, depth);
        --m_recursion;
        m_typeStack.erase(group);
    }
}

const xmlNode* SampleWriter::ReferencedGroup(const xmlNode* reference) {
    if (!m_examples || LocalName(reference) != "group" || !CanRecurse()) {
        return nullptr;
    }
    std::string namespaceName, localName;
    m_index.ResolveReference(reference, GetAttributeText(reference, "ref"), namespaceName, localName);
    const xmlNode* group = m_index.FindGroup(namespaceName, localName);
    // A group that holds itself, directly or not, is written once on each path.
    return group != nullptr && m_typeStack.count(group) == 0 ? group : nullptr;
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
        if (IsModelGroup(kind) || kind == "group") {
            WriteParticle(child, depth);
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
        if (IsModelGroup(kind) || kind == "group") {
            WriteParticle(child, depth);
        }
    }
}

void SampleWriter::WriteComplexContent(const xmlNode* complexContent, int depth) {
    for (const xmlNode* child = complexContent->children; child != nullptr && !m_truncated;
         child = child->next) {
        std::string_view kind = LocalName(child);
        if (kind == "extension") {
            const xmlNode* baseType = m_facts.ExtensionBase(child).type;
            // The base's content comes first, unless that type is already being expanded.
            if (baseType != nullptr && m_typeStack.count(baseType) == 0 && CanRecurse()) {
                ++m_steps;
                m_typeStack.insert(baseType);
                ++m_recursion;
                WriteTypeContent(baseType, depth);
                --m_recursion;
                m_typeStack.erase(baseType);
            }
            WriteModelGroupsOf(child, depth);
        } else if (kind == "restriction") {
            WriteModelGroupsOf(child, depth);
        }
    }
}

void SampleWriter::WriteFixedElement(const FixedElement& element, int depth) {
    if (element.children.empty()) {
        Emit(depth, {"<", element.name, element.attributes, ">", element.value, "</", element.name, ">"});
        return;
    }
    if (!Emit(depth, {"<", element.name, element.attributes, ">"}, element.name)) {
        return;
    }
    for (const FixedElement& child : element.children) {
        WriteFixedElement(child, depth + 1);
    }
    Close(depth, element.name);
}

} // namespace quorvel
