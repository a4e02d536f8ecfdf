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
#include <string>
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
    std::string BuildRequestEnvelope(PrefixRegistry& registry, const std::string& operationName,
                                     GenerationBudget& budget, DeclarationFacts& facts) const;

    // What the operation's input holds; its header parts only when withHeaderParts (finding them costs a
    // look through the binding's messages, and plain requests have no header).
    OperationInput DescribeInput(const std::string& operationName, bool withHeaderParts = true) const;
    const std::string& EnvelopeNamespace() const { return m_envelopeNamespace; }

private:
    const xmlNode* FindInputMessage(const std::string& operationName) const;
    std::vector<const xmlNode*> HeaderParts(const std::string& operationName) const;
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
    NamedChildren m_portTypeOperations;
    SampleOptions m_options;
};

} // namespace quorvel
