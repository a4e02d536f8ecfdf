#include "options.h"

#include <cstdlib>
#include <string_view>

namespace quorvel::bench {

const char* const kUsage =
    "usage: quorvel-bench [--runs N] [--json] FILE...\n"
    "Loads each description file once for peak memory and output figures, then N more times (default 5)\n"
    "and prints the medians of each stage, the whole load and the parse-only floor.\n"
    "  --runs N     timed runs per file (default 5); 0 loads each file once, untimed, for profilers\n"
    "  --json       print JSON instead of a table\n";

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            char* end = nullptr;
            long runs = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || runs < 0 || runs > 1000) {
                error = "--runs takes a number from 0 to 1000";
                return false;
            }
            options.runs = static_cast<int>(runs);
        } else if (argument.starts_with("--")) {
            error = "unknown option " + std::string(argument);
            return false;
        } else {
            options.files.emplace_back(argument);
        }
    }
    if (options.files.empty()) {
        error = "no description file given";
        return false;
    }
    return true;
}

} // namespace quorvel::bench
