#include "peak_memory.h"

#include <malloc.h>
#include <sys/resource.h>

#include <fstream>
#include <string>

namespace quorvel::bench {

bool ResetPeakMemory() {
    malloc_trim(0);
    // Writing 5 to clear_refs resets VmHWM to the current resident size.
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return clearRefs.good();
}

uint64_t PeakMemoryBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::stoull(line.substr(6)) * 1024;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<uint64_t>(usage.ru_maxrss) * 1024;
}

} // namespace quorvel::bench
