#pragma once

#include "model/wsdl_model.h"

#include <string>

namespace quorvel {

// The first operation, in model order, of a binding record named binding whose name is operation;
// both names compared exactly. Null when there is none.
const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation);

} // namespace quorvel
