// quorvel-bench: speed and memory of loading service descriptions.

#include "benchmark.h"
#include "options.h"
#include "report.h"

#include <malloc.h>

#include <iostream>

namespace {

// Thresholds fixed at their start-up values turn off malloc's adaptation to earlier runs, so that every
// run gets and returns memory as the first load of a new process does, page faults included.
void ConfigureFreshHeap() {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel::bench;
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::cerr << "quorvel-bench: " << error << '\n' << kUsage;
        return 2;
    }
    ConfigureFreshHeap();
    std::vector<FileResult> results;
    bool allLoaded = true;
    for (const std::string& path : options.files) {
        results.push_back(BenchmarkFile(path, options.runs));
        allLoaded = allLoaded && results.back().ok;
    }
    if (options.json) {
        PrintJson(std::cout, results);
    } else {
        PrintTable(std::cout, results);
    }
    return allLoaded ? 0 : 1;
}
