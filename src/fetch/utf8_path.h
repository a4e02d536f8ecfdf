#pragma once
// File system paths from and to the UTF-8 text that the program keeps everywhere. A path made from a
// narrow string, or read back with string(), is in the ANSI code page on Windows, where a folder such as
// C:\Users\张三 would be mangled or refused; the char8_t forms are UTF-8 on every system.

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

} // namespace quorvel
