#include "model/find_operation.h"

namespace quorvel {

const WsdlOperation* FindOperation(const WsdlModel& model, const std::string& binding,
                                   const std::string& operation) {
    for (const WsdlService& service : model) {
        for (const WsdlBinding& record : service.bindings) {
            if (record.name != binding) {
                continue;
            }
            for (const WsdlOperation& candidate : record.operations) {
                if (candidate.name == operation) {
                    return &candidate;
                }
            }
        }
    }
    return nullptr;
}

} // namespace quorvel
