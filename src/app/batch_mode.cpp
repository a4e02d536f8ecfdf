#include "app/batch_mode.h"

#include "app/messages.h"
#include "fetch/file_writing.h"
#include "load/messages.h"
#include "load/process_end.h"
#include "load/service_load.h"
#include "model/find_operation.h"
#include "xml/code_points.h"

#include <iostream>
#include <new>

namespace quorvel {
namespace {

// The error record is one line of valid UTF-8 whatever the message quotes (a path, say): bytes that
// are not UTF-8 become U+FFFD and line breaks become blanks.
std::string ErrorLine(std::string_view message) {
    std::string line(app_msg::kErrorPrefix);
    for (size_t i = 0; i < message.size();) {
        const size_t start = i;
        const int32_t c = NextCodePoint(message, i);
        if (c < 0) {
            line += "\xEF\xBF\xBD";
        } else if (c == '\n' || c == '\r') {
            line += ' ';
        } else {
            line.append(message.data() + start, i - start);
        }
    }
    return line;
}

// The text of one run, its final line feed included, and the exit status that goes with it.
int BatchOutput(const std::string& address, const std::string& binding, const std::string& operation,
                std::string& output) {
    // Only the requests up to the one asked for are built; it comes out as in a full load.
    LoadOptions options;
    options.buildUpTo = RequestTarget{binding, operation};
    options.endsProcess = true;
    LoadResult load = LoadServiceDescription(address, options);
    int status = BATCH_ERROR_WRITTEN;
    if (!load.ok) {
        output = ErrorLine(load.message);
    } else if (const WsdlOperation* found = FindOperation(load.model, binding, operation)) {
        output = found->request;
        status = BATCH_REQUEST_WRITTEN;
    } else {
        output = std::string(app_msg::kErrorPrefix) + std::string(app_msg::kOperationNotFound);
    }
    output += '\n';
    // Every request of the load stays until the process ends, which takes them back at once.
    LeaveToProcessEnd(load);
    return status;
}

// Writes the output file; the exit status is status, or the one that says the file could not be written.
int WriteBatchOutput(const std::string& output, int status) {
    std::string reason;
    if (!WriteOutputFile(std::string(app_msg::kOutputFileName), output, reason)) {
        std::cerr << app_msg::kCannotWriteOutput << reason << '\n';
        return BATCH_OUTPUT_FAILED;
    }
    return status;
}

} // namespace

// Replaced whole, without a disk flush: a flush costs more than the rest of a small run, and a script
// reads the file at once. A write the system refuses still fails the run.
bool WriteOutputFile(const std::string& path, const std::string& text, std::string& reason) {
    return WriteFileAtomically(path, "\xEF\xBB\xBF" + text, reason, false);
}

int RunBatchMode(const std::string& address, const std::string& binding, const std::string& operation) {
    try {
        std::string output;
        const int status = BatchOutput(address, binding, operation, output);
        return WriteBatchOutput(output, status);
    } catch (const std::bad_alloc&) {
        // Memory that runs out past the load (copying or writing the request) ends the run as in a load.
        return WriteBatchOutput(ErrorLine(load_msg::kOutOfMemory) + '\n', BATCH_ERROR_WRITTEN);
    }
}

} // namespace quorvel
