#include "gen/envelope_builder.h"

#include "gen/sample_writer.h"
#include "model/binding_traits.h"
#include "model/wsdl_model.h"
#include "xml/namespaces.h"

namespace quorvel {
namespace {

// Lines of the envelope around the body: start tag, header, body start and end, end tag.
constexpr size_t kEnvelopeLines = 5;
constexpr size_t kRpcWrapperLines = 2;
constexpr int kPartDepth = 2;
constexpr int kRpcPartDepth = 3;

// The definitions element a binding or a message stands in.
const xmlNode* DefinitionsOf(const xmlNode* child) {
    return child == nullptr ? nullptr : child->parent;
}

// The local part of a qualified reference; its prefix plays no role in finding the named item.
std::string ReferencedName(const xmlNode* referrer, const char* attribute) {
    std::string namespaceName, localName;
    ResolveQName(referrer, GetAttributeText(referrer, attribute), namespaceName, localName);
    return localName;
}

// The binding operation may override the style and name the rpc wrapper's namespace.
void ApplyBindingOperation(const xmlNode* bindingOperation, std::string& style, std::string& rpcNamespace) {
    DomNodeList children, bodies;
    GetChildElements(bindingOperation, children);
    for (const xmlNode* child : children) {
        std::string_view kind = LocalName(child);
        if (kind == "input") {
            FindChildElements(child, "body", bodies);
            for (const xmlNode* body : bodies) {
                if (std::string namespaceName = GetAttributeText(body, "namespace"); !namespaceName.empty()) {
                    rpcNamespace = namespaceName;
                }
            }
        } else if (kind == "operation") {
            if (std::string override = GetAttributeText(child, "style"); !override.empty()) {
                style = override;
            }
        }
    }
}

// A part naming a global element: that element, or an empty one of that name when it is not known.
void WriteElementPart(SampleWriter& writer, const SchemaIndex& index, const xmlNode* part,
                      const std::string& element, const std::string& targetNamespace, int depth) {
    std::string namespaceName, localName;
    ResolveQName(part, element, namespaceName, localName);
    if (namespaceName.empty()) {
        namespaceName = targetNamespace;
    }
    if (const xmlNode* global = index.FindElement(namespaceName, localName)) {
        writer.WriteGlobalElement(global, depth, 1, 1);
    } else {
        writer.WriteElement(localName, namespaceName, part, "", nullptr, 1, 1, depth);
    }
}

void WriteParts(SampleWriter& writer, const SchemaIndex& index, const xmlNode* message,
                const std::string& targetNamespace, bool rpc) {
    DomNodeList parts;
    FindChildElements(message, "part", parts);
    for (const xmlNode* part : parts) {
        const std::string element = GetAttributeText(part, "element");
        if (!element.empty()) {
            WriteElementPart(writer, index, part, element, targetNamespace, rpc ? kRpcPartDepth : kPartDepth);
        } else if (rpc) {
            writer.WriteElement(GetAttributeText(part, "name"), "", part, GetAttributeText(part, "type"),
                                nullptr, 1, 1, kRpcPartDepth);
        }
        if (writer.Truncated()) {
            return;
        }
    }
}

// Namespace names are attribute values: the characters that would end or break one are escaped, and so
// are tab, line feed and carriage return, which a reader would otherwise turn into blanks.
void AppendAttributeValue(std::string& text, std::string_view value) {
    for (char c : value) {
        switch (c) {
        case '\t':
            text += "&#9;";
            break;
        case '\n':
            text += "&#10;";
            break;
        case '\r':
            text += "&#13;";
            break;
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '"':
            text += "&quot;";
            break;
        default:
            text += c;
        }
    }
}

void AppendDeclaration(std::string& text, const std::string& prefix, const std::string& namespaceName) {
    text += "xmlns:";
    text += prefix;
    text += "=\"";
    AppendAttributeValue(text, namespaceName);
    text += '"';
}

std::string Envelope(const PrefixRegistry& registry, const std::string& envelopeNamespace,
                     const std::string& prefix, std::string_view body) {
    std::string text = "<" + prefix + ":Envelope ";
    AppendDeclaration(text, prefix, envelopeNamespace);
    for (const auto& [namespaceName, declared] : registry.Declarations()) {
        if (namespaceName != envelopeNamespace) {
            text += ' ';
            AppendDeclaration(text, declared, namespaceName);
        }
    }
    text += ">\n   <" + prefix + ":Header/>\n   <" + prefix + ":Body>";
    // Room for the body and the closing lines at once: the body is most of the request.
    text.reserve(text.size() + body.size() + 2 * prefix.size() + 32);
    text += body;
    text += "\n   </" + prefix + ":Body>\n</" + prefix + ":Envelope>";
    return text;
}

} // namespace

DescriptionLookup::DescriptionLookup(const xmlNode* definitions)
    : portTypes(definitions, "portType"), messages(definitions, "message") {}

DescriptionLookup::DescriptionLookup(const std::vector<const xmlNode*>& definitions)
    : portTypes(definitions, "portType"), messages(definitions, "message") {}

EnvelopeBuilder::EnvelopeBuilder(const SchemaIndex& index, const DescriptionLookup& description,
                                 const xmlNode* binding)
    : m_index(index), m_description(description), m_definitions(DefinitionsOf(binding)),
      m_targetNamespace(GetAttributeText(m_definitions, "targetNamespace")),
      m_envelopeNamespace(DetectSoapVersion(binding) == SOAP_12 ? NS_SOAP12_ENV : NS_SOAP11_ENV),
      m_style(GetBindingStyle(binding)), m_bindingOperations(binding, "operation"),
      m_portTypeOperations(description.portTypes.Find(ReferencedName(binding, "type")), "operation") {}

const xmlNode* EnvelopeBuilder::FindInputMessage(const std::string& operationName) const {
    const xmlNode* input = FindChildElement(m_portTypeOperations.Find(operationName), "input");
    return input == nullptr ? nullptr : m_description.messages.Find(ReferencedName(input, "message"));
}

std::string EnvelopeBuilder::BuildRequestEnvelope(PrefixRegistry& registry, const std::string& operationName,
                                                  GenerationBudget& budget, DeclarationFacts& facts) const {
    const std::string prefix = registry.GetPrefix(m_envelopeNamespace);
    const xmlNode* message = FindInputMessage(operationName);
    if (message == nullptr) {
        return std::string();
    }
    // A part element without namespace takes the one of the definitions element holding the message.
    const xmlNode* messageDefinitions = DefinitionsOf(message);
    const std::string importedNamespace = messageDefinitions == m_definitions
                                              ? std::string()
                                              : GetAttributeText(messageDefinitions, "targetNamespace");
    const std::string& targetNamespace =
        messageDefinitions == m_definitions ? m_targetNamespace : importedNamespace;
    std::string style = m_style;
    std::string rpcNamespace = m_targetNamespace;
    ApplyBindingOperation(m_bindingOperations.Find(operationName), style, rpcNamespace);
    const bool rpc = style == "rpc";

    // Once the load's lines are spent, every further request carries only the note.
    if (budget.loadLinesLeft < 2) {
        const std::string note = "\n" + std::string(MakeIndent(kPartDepth)) + LoadTruncatedNote();
        return Envelope(registry, m_envelopeNamespace, prefix, note);
    }
    const size_t requestLimit = kMaxRequestLines - kEnvelopeLines - (rpc ? kRpcWrapperLines : 0);
    const bool loadBound = budget.loadLinesLeft <= requestLimit;
    SampleWriter writer(m_index, registry, loadBound ? budget.loadLinesLeft : requestLimit,
                        loadBound ? LoadTruncatedNote() : RequestTruncatedNote(), &facts);
    // In document style the writer's lines are the body as they stand; rpc style wraps them.
    std::string rpcBody;
    if (rpc) {
        const std::string wrapper = registry.QualifyName(rpcNamespace, operationName);
        WriteParts(writer, m_index, message, targetNamespace, true);
        const std::string indent(MakeIndent(kPartDepth));
        rpcBody =
            "\n" + indent + "<" + wrapper + ">" + writer.Lines().text + "\n" + indent + "</" + wrapper + ">";
    } else {
        WriteParts(writer, m_index, message, targetNamespace, false);
    }
    budget.loadLinesLeft -= std::min(budget.loadLinesLeft, writer.LinesSpent());
    return Envelope(registry, m_envelopeNamespace, prefix, rpc ? rpcBody : writer.Lines().text);
}

std::string BuildRequestEnvelope(const SchemaIndex& index, PrefixRegistry& registry,
                                 const xmlNode* definitions, const xmlNode* binding,
                                 const std::string& operationName, GenerationBudget& budget) {
    const DescriptionLookup description(definitions);
    DeclarationFacts facts(index);
    return EnvelopeBuilder(index, description, binding)
        .BuildRequestEnvelope(registry, operationName, budget, facts);
}

} // namespace quorvel
