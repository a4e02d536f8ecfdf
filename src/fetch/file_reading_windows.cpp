#include "fetch/file_reading.h"

#include "fetch/messages.h"
#include "fetch/wide_text_windows.h"

#include <windows.h>

namespace quorvel {
namespace {

constexpr LONGLONG kMaxFileBytes = 64 * 1024 * 1024;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Reads up to size bytes; false on a read error.
bool ReadUpTo(HANDLE file, size_t size, std::string& bytes) {
    bytes.assign(size, '\0');
    size_t done = 0;
    while (done < size) {
        DWORD count = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(size - done), &count, nullptr)) {
            return false;
        }
        if (count == 0) {
            break;
        }
        done += count;
    }
    bytes.resize(done);
    return true;
}

} // namespace

bool ReadDescriptionFile(const std::string& path, std::string& bytes, std::string& message) {
    bytes.clear();
    // Only read sharing: a file that another program holds open for writing cannot be opened. A directory
    // cannot be opened without backup semantics, so it fails here too.
    const FileHandle file(CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        message = std::string(fetch_msg::kCannotOpenFile) + path;
        return false;
    }
    LARGE_INTEGER size{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
        size.QuadPart == 0 || size.QuadPart > kMaxFileBytes) {
        message = fetch_msg::kAbnormalFileSize;
        return false;
    }
    if (!ReadUpTo(file.get(), static_cast<size_t>(size.QuadPart), bytes) || bytes.empty()) {
        bytes.clear();
        message = fetch_msg::kReadFailed;
        return false;
    }
    return true;
}

} // namespace quorvel
