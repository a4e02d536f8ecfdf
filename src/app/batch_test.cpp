#include "app/batch_test.h"

#include "app/messages.h"
#include "load/service_load.h"
#include "model/find_operation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace quorvel {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

// The permissions a newly created file gets under the process's umask.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool WriteOutputFile(const std::string& path, const std::string& text, std::string& reason) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, "\xEF\xBB\xBF") && WriteAll(fd, text) &&
              fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        reason = std::strerror(error);
        unlink(temporary.c_str());
    }
    return ok;
}

int RunBatchTest(const std::string& address, const std::string& binding, const std::string& operation) {
    const LoadResult load = LoadServiceDescription(address);
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
