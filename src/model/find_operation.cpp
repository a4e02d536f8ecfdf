#include "model/find_operation.h"

namespace quorvel {

const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation) {
    const RequestTarget target{binding, operation};
    for (const WsdlService& service : model) {
        for (const WsdlBinding& record : service.bindings) {
            for (const WsdlOperation& candidate : record.operations) {
                if (IsRequestTarget(target, record, candidate)) {
                    return &candidate;
                }
            }
        }
    }
    return nullptr;
}

} // namespace quorvel
