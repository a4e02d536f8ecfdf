#pragma once
// Runs the built program as a separate process, the way a user or a script would.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel::test {

struct ProgramRun {
    int exitStatus = -1; // -1 when the program did not exit normally
    std::string standardOutput;
    std::string standardError;
};

struct RunSettings {
    std::filesystem::path workingDirectory;
    bool withoutDisplay = true;           // no DISPLAY or WAYLAND_DISPLAY in the program's environment
    bool obeyingPermissions = false;      // when run by root: without the right to override file permissions
    std::vector<std::string> environment; // "NAME=value" settings added to the program's environment
    size_t addressSpaceLimit = 0;         // bytes of address space the program may take; 0 for no limit
    bool closedStandardOutput = false;    // standard output is a pipe that nobody reads any more
    std::filesystem::path standardInput{}; // a file read as standard input; empty: the test's own
};

// Runs the quorvel executable with arguments (without argument 0) and waits for it.
ProgramRun RunQuorvel(const std::vector<std::string>& arguments, const RunSettings& settings);

} // namespace quorvel::test
