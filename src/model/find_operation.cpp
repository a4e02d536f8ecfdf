#include "model/find_operation.h"

#include "model/model_walk.h"

namespace quorvel {

const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation) {
    const RequestTarget target{binding, operation};
    const WsdlOperation* found = nullptr;
    WalkModel(model, [&](const WsdlService&, const WsdlBinding& record, const WsdlOperation& candidate) {
        found = IsRequestTarget(target, record, candidate) ? &candidate : nullptr;
        return found != nullptr;
    });
    return found;
}

} // namespace quorvel
