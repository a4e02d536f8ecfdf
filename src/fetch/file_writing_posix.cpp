#include "fetch/file_writing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

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

// A new file beside path that no one else has, with the permissions the process's umask gives any new
// file (the system applies it; O_EXCL refuses a name already taken, or a link planted there).
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    std::random_device seed;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = path + "." + std::to_string(seed());
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason, bool durable) {
    std::string temporary;
    const int fd = CreateTemporaryBeside(path, temporary);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, bytes) && (!durable || fsync(fd) == 0);
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        reason = std::strerror(error);
        unlink(temporary.c_str());
    }
    return ok;
}

} // namespace quorvel
