#pragma once
// A fresh directory under the system's temporary directory, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes bytes to name inside the directory and returns the file's full path.
    std::string WriteFile(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

} // namespace quorvel::test
