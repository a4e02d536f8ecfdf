#include "validate/request_validation.h"

#include "gen/envelope_builder.h"
#include "model/model_walk.h"
#include "validate/messages.h"

#include <algorithm>
#include <new>

namespace quorvel {
namespace {

// The lines of the request text, to find columns in.
class TextLines {
public:
    explicit TextLines(std::string_view text) {
        for (size_t start = 0; start <= text.size();) {
            size_t end = text.find('\n', start);
            end = end == std::string_view::npos ? text.size() : end;
            m_lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }

    // The column, in characters, where what first stands on the line; 1 when it is not there.
    int Column(int line, std::string_view what) const {
        if (line < 1 || static_cast<size_t>(line) > m_lines.size()) {
            return 0;
        }
        const std::string_view text = m_lines[static_cast<size_t>(line) - 1];
        const size_t at = what.empty() ? std::string_view::npos : text.find(what);
        if (at == std::string_view::npos) {
            return 1;
        }
        int column = 1;
        for (size_t i = 0; i < at; ++i) {
            column += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 ? 1 : 0;
        }
        return column;
    }

private:
    std::vector<std::string_view> m_lines;
};

// The name of a node as the text writes it.
std::string WrittenName(const xmlNode* node) {
    std::string name;
    if (node->ns != nullptr && node->ns->prefix != nullptr) {
        name = reinterpret_cast<const char*>(node->ns->prefix);
        name += ':';
    }
    return name + reinterpret_cast<const char*>(node->name);
}

// {namespace}local, the way the validator's messages name elements.
std::string ClarkName(std::string_view namespaceName, std::string_view localName) {
    return namespaceName.empty() ? std::string(localName)
                                 : "{" + std::string(namespaceName) + "}" + std::string(localName);
}

bool IsNamed(const xmlNode* node, std::string_view namespaceName, std::string_view localName) {
    return NamespaceName(node) == namespaceName && LocalName(node) == localName;
}

const xmlNode* FindChild(const xmlNode* parent, std::string_view namespaceName, std::string_view localName) {
    for (const xmlNode* child = parent == nullptr ? nullptr : parent->children; child != nullptr;
         child = child->next) {
        if (child->type == XML_ELEMENT_NODE && IsNamed(child, namespaceName, localName)) {
            return child;
        }
    }
    return nullptr;
}

struct ValidContextFree {
    void operator()(xmlSchemaValidCtxt* context) const { xmlSchemaFreeValidCtxt(context); }
};

// One check of one request text: the problems it finds go to the report.
class RequestCheck {
public:
    RequestCheck(const LoadedDocuments& documents, const SchemaSet& schemas, std::string_view text,
                 ValidationReport& report)
        : m_documents(documents), m_schemas(schemas), m_text(text), m_lines(text), m_report(report) {}

    void Run(const BindingOfOperation& binding, const std::string& operationName);

private:
    void Problem(const xmlNode* node, std::string message, bool unchecked = false);
    void CheckHeaders(const xmlNode* header, const OperationInput& input);
    void CheckDocumentBody(const xmlNode* body, const OperationInput& input);
    void CheckRpcBody(const xmlNode* body, const OperationInput& input, const std::string& operationName);
    // The element as the global element it is named after, when the schemas declare it.
    void CheckElement(const xmlNode* element);
    // The namespace and local name of a part's element, as the request builder resolves them; false,
    // said at where as not checked, for a part with a type.
    bool PartElement(const xmlNode* part, const OperationInput& input, const xmlNode* where,
                     std::string& namespaceName, std::string& localName);
    static void RecordError(void* check, xmlErrorPtr error);

    const LoadedDocuments& m_documents;
    const SchemaSet& m_schemas;
    std::string_view m_text;
    TextLines m_lines;
    ValidationReport& m_report;
    std::unique_ptr<xmlSchemaValidCtxt, ValidContextFree> m_context;
};

void RequestCheck::Problem(const xmlNode* node, std::string message, bool unchecked) {
    ValidationProblem problem;
    problem.message = std::move(message);
    problem.unchecked = unchecked;
    if (node != nullptr) {
        const bool attribute = node->type == XML_ATTRIBUTE_NODE;
        const xmlNode* element = attribute ? node->parent : node;
        problem.line = static_cast<int>(xmlGetLineNo(element));
        problem.column =
            m_lines.Column(problem.line, attribute ? WrittenName(node) + "=" : "<" + WrittenName(node));
    }
    m_report.problems.push_back(std::move(problem));
}

void RequestCheck::RecordError(void* check, xmlErrorPtr error) {
    auto* self = static_cast<RequestCheck*>(check);
    if (error == nullptr || error->level < XML_ERR_ERROR) {
        return;
    }
    const auto* node = static_cast<const xmlNode*>(error->node);
    if (node != nullptr && node->type != XML_ELEMENT_NODE && node->type != XML_ATTRIBUTE_NODE) {
        node = node->parent;
    }
    self->Problem(node, OneLineMessage(error->message));
    if (node == nullptr) {
        self->m_report.problems.back().line = error->line;
    }
}

bool RequestCheck::PartElement(const xmlNode* part, const OperationInput& input, const xmlNode* where,
                               std::string& namespaceName, std::string& localName) {
    const std::string element = GetAttributeText(part, "element");
    if (element.empty()) {
        Problem(where, std::string(validate_msg::kTypePart) + GetAttributeText(part, "name"), true);
        return false;
    }
    ResolveQName(part, element, namespaceName, localName);
    if (namespaceName.empty()) {
        namespaceName = input.partNamespace;
    }
    return true;
}

void RequestCheck::CheckElement(const xmlNode* element) {
    const std::string namespaceName(NamespaceName(element));
    const std::string localName(LocalName(element));
    if (m_documents.index.FindElement(namespaceName, localName) == nullptr) {
        Problem(element, std::string(validate_msg::kUndeclaredElement) + ClarkName(namespaceName, localName),
                true);
        return;
    }
    if (m_context == nullptr) {
        m_context.reset(xmlSchemaNewValidCtxt(m_schemas.Schema()));
        if (m_context == nullptr) {
            throw std::bad_alloc();
        }
        xmlSchemaSetValidStructuredErrors(m_context.get(), RecordError, this);
    }
    xmlSchemaValidateOneElement(m_context.get(), const_cast<xmlNode*>(element));
}

void RequestCheck::Run(const BindingOfOperation& binding, const std::string& operationName) {
    const ParseResult parsed = ParseXmlText(std::string(m_text));
    if (!parsed.ok()) {
        m_report.problems.push_back({parsed.line, parsed.column, parsed.message, false});
        return;
    }
    const DescriptionLookup description(m_documents.definitions);
    const EnvelopeBuilder builder(m_documents.index, description, binding.element, *binding.record);
    const xmlNode* envelope = xmlDocGetRootElement(parsed.document.get());
    if (LocalName(envelope) != "Envelope") {
        Problem(envelope, std::string(validate_msg::kNotEnvelope));
        return;
    }
    const std::string& envelopeNamespace = builder.EnvelopeNamespace();
    if (NamespaceName(envelope) != envelopeNamespace) {
        Problem(envelope, std::string(validate_msg::kWrongEnvelopeNamespace) + envelopeNamespace + "。");
        return;
    }
    const xmlNode* body = FindChild(envelope, envelopeNamespace, "Body");
    if (body == nullptr) {
        Problem(envelope, std::string(validate_msg::kNoBody));
        return;
    }
    const OperationInput input = builder.DescribeInput(operationName);
    if (input.message == nullptr) {
        Problem(body, std::string(validate_msg::kNoInputMessage), true);
    } else if (input.encoded) {
        Problem(body, std::string(validate_msg::kEncodedUse), true);
    } else if (m_schemas.Schema() == nullptr) {
        Problem(body, std::string(validate_msg::kSchemasDoNotCompile) + m_schemas.Failure(), true);
    } else {
        CheckHeaders(FindChild(envelope, envelopeNamespace, "Header"), input);
        if (input.rpc) {
            CheckRpcBody(body, input, operationName);
        } else {
            CheckDocumentBody(body, input);
        }
    }
}

// Each declared header part that the Header holds; those it does not hold are no fault.
void RequestCheck::CheckHeaders(const xmlNode* header, const OperationInput& input) {
    for (const xmlNode* part : input.headerParts) {
        // A part with a type stands as an unqualified element named after it; only one that is there counts.
        const bool typed = GetAttributeText(part, "element").empty();
        const xmlNode* where = typed ? FindChild(header, "", GetAttributeText(part, "name")) : header;
        std::string namespaceName, localName;
        if (where == nullptr || !PartElement(part, input, where, namespaceName, localName)) {
            continue;
        }
        if (const xmlNode* entry = FindChild(header, namespaceName, localName)) {
            CheckElement(entry);
        }
    }
}

// The Body holds the element of each element part, in part order, and nothing else.
void RequestCheck::CheckDocumentBody(const xmlNode* body, const OperationInput& input) {
    DomNodeList parts, children;
    FindChildElements(input.message, "part", parts);
    GetChildElements(body, children);
    size_t next = 0;
    for (const xmlNode* part : parts) {
        std::string namespaceName, localName;
        if (!PartElement(part, input, body, namespaceName, localName)) {
            continue;
        }
        const std::string expected = ClarkName(namespaceName, localName);
        if (next == children.size()) {
            Problem(body, std::string(validate_msg::kMissingPart) + expected);
            continue;
        }
        const xmlNode* child = children[next++];
        if (!IsNamed(child, namespaceName, localName)) {
            Problem(child, std::string(validate_msg::kUnexpectedElement) + expected +
                               std::string(validate_msg::kFoundInstead) +
                               ClarkName(NamespaceName(child), LocalName(child)));
            continue;
        }
        CheckElement(child);
    }
    for (; next < children.size(); ++next) {
        Problem(children[next], std::string(validate_msg::kExtraElement) +
                                    ClarkName(NamespaceName(children[next]), LocalName(children[next])));
    }
}

// The wrapper is no schema's element: it is named as the binding says, and its element parts are checked.
void RequestCheck::CheckRpcBody(const xmlNode* body, const OperationInput& input,
                                const std::string& operationName) {
    const std::string wrapperName = ClarkName(input.rpcNamespace, operationName);
    const xmlNode* wrapper = FindChild(body, input.rpcNamespace, operationName);
    if (wrapper == nullptr) {
        Problem(body, std::string(validate_msg::kMissingPart) + wrapperName);
        return;
    }
    Problem(wrapper, std::string(validate_msg::kRpcWrapper) + wrapperName, true);
    DomNodeList parts;
    FindChildElements(input.message, "part", parts);
    for (const xmlNode* part : parts) {
        std::string namespaceName, localName;
        if (!PartElement(part, input, wrapper, namespaceName, localName)) {
            continue;
        }
        if (const xmlNode* child = FindChild(wrapper, namespaceName, localName)) {
            CheckElement(child);
        } else {
            Problem(wrapper, std::string(validate_msg::kMissingPart) + ClarkName(namespaceName, localName));
        }
    }
}

} // namespace

bool ValidationReport::Invalid() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const ValidationProblem& p) { return !p.unchecked; });
}

bool ValidationReport::Incomplete() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const ValidationProblem& p) { return p.unchecked; });
}

RequestValidator::RequestValidator(std::shared_ptr<const LoadedDocuments> documents)
    : m_documents(std::move(documents)), m_schemas(std::make_shared<SchemaSet>(m_documents->documents)) {}

ValidationReport RequestValidator::Validate(const BindingOfOperation& binding, const std::string& operationName,
                                            std::string_view text) const {
    ValidationReport report;
    RequestCheck(*m_documents, *m_schemas, text, report).Run(binding, operationName);
    return report;
}

BindingOfOperation BindingElementOf(const WsdlModel& model, const LoadedDocuments& documents,
                                    const WsdlBinding& binding) {
    BindingOfOperation found;
    size_t record = 0;
    WalkModel(model, [&](const WsdlService&, const WsdlBinding& walked) {
        if (&walked != &binding) {
            ++record;
            return false;
        }
        found = {documents.bindings.at(record), &binding};
        return true;
    });
    return found;
}

BindingOfOperation FindBindingElement(const WsdlModel& model, const LoadedDocuments& documents,
                                      const RequestTarget& target) {
    const OperationPlace place = LocateOperation(model, target.binding, target.operation);
    return place.binding == nullptr ? BindingOfOperation() : BindingElementOf(model, documents, *place.binding);
}

} // namespace quorvel
