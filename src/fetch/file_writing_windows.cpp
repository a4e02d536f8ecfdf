#include "fetch/file_writing.h"

#include "fetch/wide_text_windows.h"

#include <windows.h>

#include <random>

namespace quorvel {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A new file beside path that no one else has; CREATE_NEW refuses a name already taken.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
    std::random_device seed;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = path + L"." + std::to_wstring(seed());
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    return file;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason, bool durable) {
    const std::wstring target = WidenUtf8(path);
    std::wstring temporary;
    const HANDLE file = CreateTemporaryBeside(target, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    bool ok = WriteAll(file, bytes) && (!durable || FlushFileBuffers(file));
    DWORD error = GetLastError();
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    // Replacing a link replaces the link itself, as renaming does elsewhere.
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0))) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        reason = SystemErrorText(error);
        DeleteFileW(temporary.c_str());
    }
    return ok;
}

} // namespace quorvel
