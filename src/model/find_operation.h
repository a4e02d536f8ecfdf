#pragma once

#include "model/wsdl_model.h"

#include <string>

namespace quorvel {

// The operation a run asks for, by the name of its binding record and its own name.
struct RequestTarget {
    std::string binding;
    std::string operation;
};

// True when the record and operation are the ones target names; both names compared exactly.
inline bool IsRequestTarget(const RequestTarget& target, const WsdlBinding& binding,
                            const WsdlOperation& operation) {
    return binding.name == target.binding && operation.name == target.operation;
}

// An operation and the binding record that holds it; both null when there is none.
struct OperationPlace {
    const WsdlBinding* binding = nullptr;
    const WsdlOperation* operation = nullptr;
};

// The first operation, in model order, of a binding record named binding whose name is operation;
// both names compared exactly. Null when there is none.
const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation);
// The same operation with its binding record.
OperationPlace LocateOperation(const WsdlModel& model, const std::string& binding,
                               const std::string& operation);

} // namespace quorvel
