#pragma once
// Checks a request text the way a service that validates would: well-formed, the Envelope of the binding's
// SOAP version, and each element of the Body (and each header part present) against the description's own
// schemas with libxml2's validator. What cannot be checked that way is said, never passed over.

#include "load/loaded_documents.h"
#include "model/find_operation.h"
#include "model/wsdl_model.h"
#include "validate/schema_set.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct ValidationProblem {
    // Where in the request text, counted from 1 (the column in characters); 0 when not known.
    int line = 0;
    int column = 0;
    std::string message;
    // A part that could not be checked, rather than a fault found.
    bool unchecked = false;
};

struct ValidationReport {
    std::vector<ValidationProblem> problems;

    // Some fault was found.
    bool Invalid() const;
    // Some part could not be checked.
    bool Incomplete() const;
};

// A binding as its element in the documents and its record in the model.
struct BindingOfOperation {
    const xmlNode* element = nullptr;
    const WsdlBinding* record = nullptr;
};

// The schemas of one load's documents, compiled once; then requests of its operations can be checked from
// any number of threads at once, while the documents live.
class RequestValidator {
public:
    explicit RequestValidator(std::shared_ptr<const LoadedDocuments> documents);

    // Checks text as a request of the operation of binding, a binding of the documents.
    ValidationReport Validate(const BindingOfOperation& binding, const std::string& operationName,
                              std::string_view text) const;

private:
    std::shared_ptr<const LoadedDocuments> m_documents;
    std::shared_ptr<const SchemaSet> m_schemas;
};

// The element of a binding record of model, the model the documents were read into; both null when the
// record is not one of model's.
BindingOfOperation BindingElementOf(const WsdlModel& model, const LoadedDocuments& documents,
                                    const WsdlBinding& binding);
// The binding of the operation FindOperation finds for target in model; both null when there is none.
BindingOfOperation FindBindingElement(const WsdlModel& model, const LoadedDocuments& documents,
                                      const RequestTarget& target);

} // namespace quorvel
