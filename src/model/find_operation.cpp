#include "model/find_operation.h"

#include "model/model_walk.h"

namespace quorvel {

OperationPlace LocateOperation(const WsdlModel& model, const std::string& binding,
                               const std::string& operation) {
    const RequestTarget target{binding, operation};
    OperationPlace found;
    WalkModel(model, [&](const WsdlService&, const WsdlBinding& record, const WsdlOperation& candidate) {
        if (IsRequestTarget(target, record, candidate)) {
            found = {&record, &candidate};
        }
        return found.operation != nullptr;
    });
    return found;
}

const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation) {
    return LocateOperation(model, binding, operation).operation;
}

} // namespace quorvel
