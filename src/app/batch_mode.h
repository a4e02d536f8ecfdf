#pragma once
// Batch mode: one load, one operation's request (or an error line) written to a file.

#include <string>

namespace quorvel {

// Exit status of a batch run.
enum BatchExitCode : int {
    BATCH_REQUEST_WRITTEN = 0,
    BATCH_ERROR_WRITTEN = 1,
    BATCH_OUTPUT_FAILED = 2,
};

// Replaces path with the UTF-8 byte-order mark followed by text, through a temporary file in the same
// directory, so that a failure never leaves half a file. False with reason on failure.
bool WriteOutputFile(const std::string& path, const std::string& text, std::string& reason);

// Loads address, writes "quorvel_test_out.txt" in the current directory and returns the exit status.
int RunBatchMode(const std::string& address, const std::string& binding, const std::string& operation);

} // namespace quorvel
