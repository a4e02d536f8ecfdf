#include "app/batch_test.h"

#include "app/messages.h"
#include "fetch/file_writing.h"
#include "load/service_load.h"
#include "model/find_operation.h"

#include <iostream>

namespace quorvel {

bool WriteOutputFile(const std::string& path, const std::string& text, std::string& reason) {
    return WriteFileAtomically(path, "\xEF\xBB\xBF" + text, reason);
}

int RunBatchTest(const std::string& address, const std::string& binding, const std::string& operation) {
    // Only the requests up to the one asked for are built; it comes out as in a full load.
    LoadOptions options;
    options.buildUpTo = RequestTarget{binding, operation};
    const LoadResult load = LoadServiceDescription(address, options);
    std::string output;
    int status = BATCH_ERROR_WRITTEN;
    if (!load.ok) {
        output = std::string(app_msg::kErrorPrefix) + load.message;
    } else if (const WsdlOperation* found = FindOperation(load.model, binding, operation)) {
        output = found->request;
        status = BATCH_REQUEST_WRITTEN;
    } else {
        output = std::string(app_msg::kErrorPrefix) + std::string(app_msg::kOperationNotFound);
    }
    output += '\n';

    std::string reason;
    if (!WriteOutputFile(std::string(app_msg::kOutputFileName), output, reason)) {
        std::cerr << app_msg::kCannotWriteOutput << reason << '\n';
        return BATCH_OUTPUT_FAILED;
    }
    return status;
}

} // namespace quorvel
