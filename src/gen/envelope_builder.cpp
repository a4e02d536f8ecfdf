#include "gen/envelope_builder.h"

#include "gen/namespace_declaration.h"
#include "gen/sample_writer.h"
#include "gen/ws_security.h"
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

// The binding operation may override the style, name the rpc wrapper's namespace and encode the input.
void ApplyBindingOperation(const xmlNode* bindingOperation, std::string& style, OperationInput& input) {
    DomNodeList children, bodies;
    GetChildElements(bindingOperation, children);
    for (const xmlNode* child : children) {
        std::string_view kind = LocalName(child);
        if (kind == "input") {
            FindChildElements(child, "body", bodies);
            for (const xmlNode* body : bodies) {
                if (std::string namespaceName = GetAttributeText(body, "namespace"); !namespaceName.empty()) {
                    input.rpcNamespace = namespaceName;
                }
                input.encoded = input.encoded || GetAttributeText(body, "use") == "encoded";
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

// A header part: as a body part, at the depth of the body's entries; a part with a type is an unqualified
// element named after it.
void WriteHeaderPart(SampleWriter& writer, const SchemaIndex& index, const xmlNode* part,
                     const std::string& targetNamespace) {
    const std::string element = GetAttributeText(part, "element");
    if (!element.empty()) {
        WriteElementPart(writer, index, part, element, targetNamespace, kPartDepth);
    } else {
        writer.WriteElement(GetAttributeText(part, "name"), "", part, GetAttributeText(part, "type"), nullptr,
                            1, 1, kPartDepth);
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

// Bytes of the Envelope around its declarations and body: the five lines with the envelope's prefix.
size_t EnvelopeFrameBytes(const std::string& prefix) {
    constexpr size_t kOtherBytes =
        std::string_view("<:Envelope>\n   <:Header/>\n   <:Body>\n   </:Body>\n</:Envelope>").size();
    return kOtherBytes + 5 * prefix.size();
}

// Bytes and lines a Header with content takes beyond the empty one: "<P:Header>", "</P:Header>" on a
// line of its own, instead of "<P:Header/>".
size_t HeaderFrameBytes(const std::string& prefix) {
    return prefix.size() + std::string_view("\n   </:Header>").size() - 1;
}
constexpr size_t kHeaderFrameLines = 1;

// Bytes of the rpc wrapper's two lines.
size_t WrapperLinesBytes(const std::string& wrapper) {
    return 2 * (1 + MakeIndent(kPartDepth).size() + wrapper.size()) + std::string_view("<></>").size();
}

// Takes the request's bytes from the load's.
std::string Spend(GenerationBudget& budget, std::string request) {
    budget.loadBytesLeft -= std::min(budget.loadBytesLeft, request.size());
    return request;
}

// Bytes of what a request's envelope adds to the lines its writer counts: the frame lines with the
// envelope's prefix, and the envelope's declaration, which the writer counts with the others.
size_t EnvelopeBytes(const std::string& prefix, const std::string& envelopeNamespace, bool header) {
    return EnvelopeFrameBytes(prefix) + (header ? HeaderFrameBytes(prefix) : 0) +
           DeclarationBytes(prefix, envelopeNamespace);
}

// The request: the Envelope with its declarations around the header's and the body's lines. where, when
// given, receives where those stand in the text.
std::string Envelope(const PrefixRegistry& registry, const std::string& envelopeNamespace,
                     const std::string& prefix, std::string_view header, std::string_view body,
                     RequestContent* where = nullptr) {
    std::string text = "<" + prefix + ":Envelope ";
    AppendDeclaration(text, prefix, envelopeNamespace);
    for (const auto& [namespaceName, declared] : registry.Declarations()) {
        if (namespaceName != envelopeNamespace) {
            text += ' ';
            AppendDeclaration(text, declared, namespaceName);
        }
    }
    if (header.empty()) {
        text += ">\n   <" + prefix + ":Header/>";
    } else {
        text += ">\n   <" + prefix + ":Header>";
        if (where != nullptr) {
            where->headerBegin = text.size();
            where->headerSize = header.size();
        }
        text += header;
        text += "\n   </" + prefix + ":Header>";
    }
    text += "\n   <" + prefix + ":Body>";
    // Room for the body and the closing lines at once: the body is most of the request.
    text.reserve(text.size() + body.size() + 2 * prefix.size() + 32);
    if (where != nullptr) {
        where->bodyBegin = text.size();
        where->bodySize = body.size();
    }
    text += body;
    text += "\n   </" + prefix + ":Body>\n</" + prefix + ":Envelope>";
    return text;
}

} // namespace

DescriptionLookup::DescriptionLookup(const std::vector<const xmlNode*>& definitions)
    : portTypes(definitions, "portType"), messages(definitions, "message") {}

EnvelopeBuilder::EnvelopeBuilder(const SchemaIndex& index, const DescriptionLookup& description,
                                 const xmlNode* binding, const WsdlBinding& record,
                                 const SampleOptions& options)
    : m_index(index), m_description(description), m_definitions(DefinitionsOf(binding)),
      m_targetNamespace(GetAttributeText(m_definitions, "targetNamespace")),
      m_envelopeNamespace(record.soapVersion == SOAP_12 ? NS_SOAP12_ENV : NS_SOAP11_ENV),
      m_style(record.style), m_bindingOperations(binding, "operation"),
      m_portType(description.portTypes.Find(ReferencedName(binding, "type"))),
      m_portTypeOperations(m_portType, "operation"), m_options(options) {}

const xmlNode* EnvelopeBuilder::FindInputMessage(const std::string& operationName) const {
    const xmlNode* input = FindChildElement(m_portTypeOperations.Find(operationName), "input");
    return input == nullptr ? nullptr : m_description.messages.Find(ReferencedName(input, "message"));
}

std::vector<const xmlNode*> EnvelopeBuilder::HeaderParts(const std::string& operationName) const {
    std::vector<const xmlNode*> parts;
    const xmlNode* bindingOperation = m_bindingOperations.Find(operationName);
    const xmlNode* input =
        bindingOperation == nullptr ? nullptr : FindChildElement(bindingOperation, "input");
    if (input == nullptr) {
        return parts;
    }
    DomNodeList headers;
    FindChildElements(input, "header", headers);
    for (const xmlNode* header : headers) {
        const xmlNode* message = m_description.messages.Find(ReferencedName(header, "message"));
        const std::string partName = GetAttributeText(header, "part");
        if (const xmlNode* part =
                message == nullptr ? nullptr : NamedChildren(message, "part").Find(partName)) {
            parts.push_back(part);
        }
    }
    return parts;
}

std::string EnvelopeBuilder::PartNamespace(const xmlNode* message) const {
    const xmlNode* definitions = DefinitionsOf(message);
    return definitions == m_definitions ? m_targetNamespace
                                        : GetAttributeText(definitions, "targetNamespace");
}

OperationInput EnvelopeBuilder::DescribeInput(const std::string& operationName, bool withHeaderParts) const {
    OperationInput input;
    input.message = FindInputMessage(operationName);
    if (input.message == nullptr) {
        return input;
    }
    // A part element without namespace takes the one of the definitions element holding the message.
    input.partNamespace = PartNamespace(input.message);
    std::string style = m_style;
    input.rpcNamespace = m_targetNamespace;
    ApplyBindingOperation(m_bindingOperations.Find(operationName), style, input);
    input.rpc = style == "rpc";
    if (withHeaderParts) {
        input.headerParts = HeaderParts(operationName);
    }
    return input;
}

bool EnvelopeBuilder::HasHeader(const OperationInput& input) const {
    return m_options.wsSecurity || !input.headerParts.empty();
}

std::string EnvelopeBuilder::BuildRequestEnvelope(PrefixRegistry& registry, const std::string& operationName,
                                                  GenerationBudget& budget, DeclarationFacts& facts,
                                                  RequestContent* content) const {
    const std::string prefix = registry.GetPrefix(m_envelopeNamespace);
    OperationInput input = DescribeInput(operationName, m_options.headerParts);
    if (input.message == nullptr) {
        return std::string();
    }
    const bool rpc = input.rpc;

    // Once the load's lines or bytes are spent, every further request carries only the note.
    if (budget.loadLinesLeft < 2 || budget.loadBytesLeft == 0) {
        const std::string note = "\n" + std::string(MakeIndent(kPartDepth)) +
                                 (budget.loadLinesLeft < 2 ? LoadTruncatedNote() : LoadBytesTruncatedNote());
        return Spend(budget, Envelope(registry, m_envelopeNamespace, prefix, "", note));
    }
    // The wrapper's namespace comes before those of the parts.
    const std::string wrapper = rpc ? registry.QualifyName(input.rpcNamespace, operationName) : std::string();
    const std::vector<const xmlNode*>& headerParts = input.headerParts;
    const bool header = HasHeader(input);
    const size_t requestLines =
        kMaxRequestLines - kEnvelopeLines - (rpc ? kRpcWrapperLines : 0) - (header ? kHeaderFrameLines : 0);
    const bool loadLinesBound = budget.loadLinesLeft <= requestLines;
    const bool loadBytesBound = budget.loadBytesLeft <= kMaxRequestBytes;
    const size_t frameBytes = EnvelopeFrameBytes(prefix) + (rpc ? WrapperLinesBytes(wrapper) : 0) +
                              (header ? HeaderFrameBytes(prefix) : 0);
    const size_t bytes = loadBytesBound ? budget.loadBytesLeft : kMaxRequestBytes;
    SampleWriter writer(m_index, registry,
                        loadLinesBound ? WriteBound{budget.loadLinesLeft, LoadTruncatedNote()}
                                       : WriteBound{requestLines, RequestTruncatedNote()},
                        WriteBound{bytes > frameBytes ? bytes - frameBytes : 0,
                                   loadBytesBound ? LoadBytesTruncatedNote() : RequestBytesTruncatedNote()},
                        &facts, m_options);
    // The header's entries come first; the body's lines follow them in the writer's lines.
    if (m_options.wsSecurity) {
        writer.WriteFixedElement(WsSecurityHeader(registry, m_options.exampleValues), kPartDepth);
    }
    for (const xmlNode* part : headerParts) {
        WriteHeaderPart(writer, m_index, part, PartNamespace(part->parent));
    }
    const size_t headerEnd = writer.Lines().text.size();
    WriteParts(writer, m_index, input.message, input.partNamespace, rpc);
    const std::string_view lines = writer.Lines().text;
    const std::string_view body = lines.substr(headerEnd);
    // In document style the body's lines are the body as they stand; rpc style wraps them.
    std::string rpcBody;
    if (rpc) {
        const std::string indent(MakeIndent(kPartDepth));
        rpcBody =
            "\n" + indent + "<" + wrapper + ">" + std::string(body) + "\n" + indent + "</" + wrapper + ">";
    }
    budget.loadLinesLeft -= std::min(budget.loadLinesLeft, writer.LinesSpent());
    std::string request = Envelope(registry, m_envelopeNamespace, prefix, lines.substr(0, headerEnd),
                                   rpc ? std::string_view(rpcBody) : body, content);
    // A request cut short by the load's bytes spends them all: the rest of the load carries only the note.
    if (loadBytesBound && writer.StoppedByBytes()) {
        budget.loadBytesLeft = 0;
    }
    if (content != nullptr) {
        content->input = std::move(input);
        content->linesSpent = writer.LinesSpent();
        content->complete = !writer.Truncated() && !loadLinesBound && !loadBytesBound;
        content->byteHeadroom = writer.ByteHeadroom();
    }
    return Spend(budget, std::move(request));
}

std::optional<std::string> EnvelopeBuilder::Rewrap(const std::string& operationName,
                                                   const RequestContent& content, const PrefixRegistry& built,
                                                   std::string_view request, GenerationBudget& budget) const {
    // Under the bounds of a request alone, as content was written, the writer goes the same way for
    // both builders when they describe the input alike: only the prefixes and the envelope can differ.
    if (!content.complete || budget.loadLinesLeft <= kMaxRequestLines ||
        budget.loadBytesLeft <= kMaxRequestBytes ||
        DescribeInput(operationName, m_options.headerParts) != content.input) {
        return std::nullopt;
    }
    std::optional<PrefixRegistry> registry = built.WithFirstNamespace(m_envelopeNamespace);
    if (!registry) {
        return std::nullopt;
    }
    // This envelope may take more bytes than the other one; the lines stay the same while the writer
    // had that many to spare.
    const bool header = HasHeader(content.input);
    const auto& [otherNamespace, otherPrefix] = built.Declarations().front();
    const std::string& prefix = registry->Declarations().front().second;
    if (EnvelopeBytes(prefix, m_envelopeNamespace, header) >
        EnvelopeBytes(otherPrefix, otherNamespace, header) + content.byteHeadroom) {
        return std::nullopt;
    }
    budget.loadLinesLeft -= std::min(budget.loadLinesLeft, content.linesSpent);
    return Spend(budget, Envelope(*registry, m_envelopeNamespace, prefix,
                                  request.substr(content.headerBegin, content.headerSize),
                                  request.substr(content.bodyBegin, content.bodySize)));
}

} // namespace quorvel
