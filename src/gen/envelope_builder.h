#pragma once
// The complete sample request of one operation of one SOAP binding.

#include "gen/declaration_facts.h"
#include "gen/generation_limits.h"
#include "gen/sample_options.h"
#include "model/wsdl_model.h"
#include "xml/dom.h"
#include "xml/named_children.h"
#include "xml/prefix_registry.h"
#include "xml/schema_index.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The port types and messages of a description, found by name: the first of a name in the list order of
// its definitions elements wins.
struct DescriptionLookup {
    explicit DescriptionLookup(const std::vector<const xmlNode*>& definitions);
    NamedChildren portTypes;
    NamedChildren messages;
};

// What the request of one operation is built from.
struct OperationInput {
    // The input message; null when the chain port type, operation, input, message is broken.
    const xmlNode* message = nullptr;
    bool rpc = false;
    std::string rpcNamespace;
    // The namespace of element parts that name none.
    std::string partNamespace;
    // The input's body is SOAP-encoded rather than literal.
    bool encoded = false;
    // The parts the binding operation's input names in its headers, in document order, where found.
    std::vector<const xmlNode*> headerParts;

    bool operator==(const OperationInput&) const = default;
};

// What a built request holds inside its envelope besides its namespaces, kept so that another binding of
// the same operation can put the same lines into its own envelope instead of writing them again.
struct RequestContent {
    OperationInput input;
    // Where the header's and the body's lines stand in the request's text.
    size_t headerBegin = 0;
    size_t headerSize = 0;
    size_t bodyBegin = 0;
    size_t bodySize = 0;
    size_t linesSpent = 0;
    // Written in full, with neither of the load's bounds near.
    bool complete = false;
    // Bytes the writer had to spare at its closest to its byte bound; see SampleWriter::ByteHeadroom.
    size_t byteHeadroom = 0;
};

// Builds the requests of one binding's operations. What the binding decides for all of them is read
// once: SOAP version and style from its record, port type and operations by name from its element. After
// that the builder is only read, so several threads may build with it at once.
class EnvelopeBuilder {
public:
    EnvelopeBuilder(const SchemaIndex& index, const DescriptionLookup& description, const xmlNode* binding,
                    const WsdlBinding& record, const SampleOptions& options = {});

    // The envelope with a body generated from the operation's input message, and a header that is empty
    // unless the options ask for header parts or a security header; empty text when the chain port type,
    // operation, input, message is broken. registry must be fresh. The
    // request spends its lines from budget; once the load's lines are spent, the body holds only a note.
    // facts keeps what requests read from declarations, for later requests that are given the same.
    // content, when given, receives what Rewrap needs of the request besides registry.
    std::string BuildRequestEnvelope(PrefixRegistry& registry, const std::string& operationName,
                                     GenerationBudget& budget, DeclarationFacts& facts,
                                     RequestContent* content = nullptr) const;
    // The request BuildRequestEnvelope would give for operationName, made from request, which another
    // builder wrote with registry and content for an operation of the same name; none when this builder's
    // would differ or the budget is near one of the load's bounds. Spends from budget as building it would.
    std::optional<std::string> Rewrap(const std::string& operationName, const RequestContent& content,
                                      const PrefixRegistry& registry, std::string_view request,
                                      GenerationBudget& budget) const;

    // What the operation's input holds; its header parts only when withHeaderParts (finding them costs a
    // look through the binding's messages, and plain requests have no header).
    OperationInput DescribeInput(const std::string& operationName, bool withHeaderParts = true) const;
    const std::string& EnvelopeNamespace() const { return m_envelopeNamespace; }
    // The port type whose operations the builder writes requests for; null when it is not found.
    const xmlNode* PortType() const { return m_portType; }

private:
    const xmlNode* FindInputMessage(const std::string& operationName) const;
    std::vector<const xmlNode*> HeaderParts(const std::string& operationName) const;
    // Whether the request has header entries, as the options and the input ask.
    bool HasHeader(const OperationInput& input) const;
    // The namespace of element parts of message that name none: that of the definitions holding it.
    std::string PartNamespace(const xmlNode* message) const;

    const SchemaIndex& m_index;
    const DescriptionLookup& m_description;
    // The definitions element that holds the binding, and its namespace: the rpc wrapper's by default.
    const xmlNode* m_definitions;
    std::string m_targetNamespace;
    std::string m_envelopeNamespace;
    std::string m_style;
    NamedChildren m_bindingOperations;
    const xmlNode* m_portType;
    NamedChildren m_portTypeOperations;
    SampleOptions m_options;
};

} // namespace quorvel
