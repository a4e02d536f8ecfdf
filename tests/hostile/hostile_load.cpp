#include "hostile_load.h"

#include "model_walk.h"
#include "request_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace quorvel::test {

std::vector<std::string> RequestLines(const std::string& request) {
    std::vector<std::string> lines;
    std::istringstream in(request);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

int ElementNesting(const std::string& request) {
    int depth = 0;
    int deepest = 0;
    for (size_t at = request.find('<'); at != std::string::npos; at = request.find('<', at + 1)) {
        size_t close = request.find('>', at);
        if (close == std::string::npos || request.compare(at, 4, "<!--") == 0) {
            continue;
        }
        if (request[at + 1] == '/') {
            --depth;
        } else if (request[close - 1] != '/') {
            deepest = std::max(deepest, ++depth);
        } else {
            deepest = std::max(deepest, depth + 1);
        }
    }
    return deepest;
}

void ExpectSoundRequests(const WsdlModel& model) {
    const std::string* previous = nullptr;
    for (const WsdlOperation* operation : AllOperations(model)) {
        // Runs of identical requests (the same element sent by many operations) are judged once.
        if (previous == nullptr || *previous != operation->request) {
            EXPECT_EQ(CheckRequest(operation->request), "") << "operation " << operation->name;
        }
        previous = &operation->request;
    }
}

} // namespace quorvel::test
