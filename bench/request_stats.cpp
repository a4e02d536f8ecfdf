#include "request_stats.h"

#include "model/model_digest.h"

#include <algorithm>

namespace quorvel::bench {

RequestStats MeasureRequests(const WsdlModel& model) {
    RequestStats stats;
    for (const WsdlService& service : model) {
        for (const WsdlBinding& binding : service.bindings) {
            for (const WsdlOperation& operation : binding.operations) {
                ++stats.operations;
                if (operation.request.empty()) {
                    continue;
                }
                ++stats.requests;
                stats.lines += 1 + std::count(operation.request.begin(), operation.request.end(), '\n');
                stats.bytes += operation.request.size();
            }
        }
    }
    stats.digest = DigestModel(model);
    return stats;
}

} // namespace quorvel::bench
