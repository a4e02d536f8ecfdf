#pragma once
// The figures of one description file: medians of the timed runs and what the load built.

#include "load_stages.h"
#include "request_stats.h"

#include <cstdint>
#include <string>

namespace quorvel::bench {

struct FileResult {
    std::string path;
    bool ok = false;
    std::string message; // why the load failed, when it did
    uint64_t inputBytes = 0;
    int runs = 0;
    StageTimes stages; // medians, stage by stage
    double total = 0;  // median of the whole load
    double floor = 0;  // median of parsing alone
    RequestStats requests;
    uint64_t peakBytes = 0;
    bool peakIsPerFile = true; // false when the peak could not be reset and covers earlier files too

    double TotalOverFloor() const { return floor > 0 ? total / floor : 0; }
    // The memory the load may take: twice input and output, plus a fixed allowance.
    uint64_t MemoryLimitBytes() const { return 2 * (inputBytes + requests.bytes) + (30ULL << 20); }
};

} // namespace quorvel::bench
