#pragma once
// Every text the application shell shows or writes, in one place.

#include <string_view>

namespace quorvel::app_msg {

inline constexpr std::string_view kOutputFileName = "quorvel_test_out.txt";
inline constexpr std::string_view kErrorPrefix = "ERROR: ";
inline constexpr std::string_view kOperationNotFound = "operation not found";
inline constexpr std::string_view kCannotWriteOutput = "无法写入输出文件 quorvel_test_out.txt：";
inline constexpr std::string_view kDialogCreateFailed =
    "对话框创建失败，请检查 Quorvel.rc 资源是否正确编译。";
inline constexpr std::string_view kNoDisplay =
    "无法启动图形界面（没有可用的显示）。无需显示的批处理模式：quorvel /test 地址 绑定名 操作名";
inline constexpr std::string_view kBatchOnlyBuild =
    "此版本不含对话框，只支持批处理模式：quorvel /test 地址 绑定名 操作名";

} // namespace quorvel::app_msg
