#pragma once
// What a load built: counts and size of the request texts, and a digest to compare builds by.

#include "model/wsdl_model.h"

#include <cstdint>

namespace quorvel::bench {

struct RequestStats {
    uint64_t operations = 0; // operation records of all bindings of all services
    uint64_t requests = 0;   // those with a non-empty request text
    uint64_t lines = 0;      // lines of all request texts
    uint64_t bytes = 0;      // bytes of all request texts
    uint64_t digest = 0;     // DigestModel: every name and request text in model order
};

RequestStats MeasureRequests(const WsdlModel& model);

} // namespace quorvel::bench
