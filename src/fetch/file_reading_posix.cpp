#include "fetch/file_reading.h"

#include "fetch/messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorvel {
namespace {

constexpr off_t kMaxFileBytes = 64 * 1024 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads up to size bytes; false on a read error.
bool ReadUpTo(int fd, size_t size, std::string& bytes) {
    bytes.assign(size, '\0');
    size_t done = 0;
    while (done < size) {
        const ssize_t count = read(fd, bytes.data() + done, size - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            break;
        }
        done += static_cast<size_t>(count);
    }
    bytes.resize(done);
    return true;
}

} // namespace

bool ReadDescriptionFile(const std::string& path, std::string& bytes, std::string& message) {
    bytes.clear();
    // Non-blocking so that opening a named pipe cannot hang; a regular file reads the same either way.
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        message = std::string(fetch_msg::kCannotOpenFile) + path;
        return false;
    }
    if (!S_ISREG(info.st_mode) || info.st_size == 0 || info.st_size > kMaxFileBytes) {
        message = fetch_msg::kAbnormalFileSize;
        return false;
    }
    if (!ReadUpTo(file.get(), static_cast<size_t>(info.st_size), bytes) || bytes.empty()) {
        bytes.clear();
        message = fetch_msg::kReadFailed;
        return false;
    }
    return true;
}

} // namespace quorvel
