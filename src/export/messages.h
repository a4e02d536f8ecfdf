#pragma once
// Texts of writing requests to files.

#include <string_view>

namespace quorvel::export_msg {

// Followed by the directory, "：" and the system's reason.
inline constexpr std::string_view kCannotCreateDirectory = "无法创建输出目录 ";
// Followed by the file, "：" and the system's reason.
inline constexpr std::string_view kCannotWriteFile = "无法写入文件 ";
inline constexpr std::string_view kReasonSeparator = "：";

} // namespace quorvel::export_msg
