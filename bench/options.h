#pragma once
// The command line of quorvel-bench.

#include <string>
#include <vector>

namespace quorvel::bench {

struct Options {
    int runs = 5;
    bool json = false;
    std::vector<std::string> files;
};

extern const char* const kUsage;

// False with error set when the arguments cannot be used.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

} // namespace quorvel::bench
