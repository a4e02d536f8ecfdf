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

inline constexpr std::string_view kDialogModuleFailed = "无法加载对话框模块：";

// The command line for scripts.
inline constexpr std::string_view kVersion = "Quorvel 1.0";
inline constexpr std::string_view kHelp =
    "用法：\n"
    "  quorvel [地址]                          打开对话框；给出地址时立即解析\n"
    "  quorvel /open 地址                      同上\n"
    "  quorvel /test 地址 绑定名 操作名        批处理：把请求写入当前目录的 quorvel_test_out.txt\n"
    "  quorvel --list [--json] 地址            每个操作一行：服务、绑定、SOAP "
    "版本、样式、操作（制表符分隔）\n"
    "                                          加上 --json：整个模型（含每个请求）的 JSON\n"
    "  quorvel --request 地址 绑定名 操作名    把一个操作的请求写到标准输出\n"
    "  quorvel --all 地址 目录                 把每个请求写入目录中各自的文件，并写索引 index.tsv\n"
    "  quorvel --validate 地址 绑定名 操作名 [--body 文件|-]\n"
    "                                          按描述中的架构校验请求（不给 --body 时校验生成的请求），\n"
    "                                          每个问题一行：行:列: 说明\n"
    "  quorvel --send 地址 绑定名 操作名       把一个操作的请求发送到服务，响应写到标准输出\n"
    "  quorvel --help 或 -h                    显示本说明\n"
    "  quorvel --version                       显示名称和版本\n"
    "选项可按任意顺序写在地址之前：\n"
    "  --follow-imports                        加载时跟随导入\n"
    "  --header-parts                          在 Header 中写出绑定声明的头部部分\n"
    "  --attributes                            在开始标记上写出类型声明的属性\n"
    "  --example-values                        用类型允许的示例值代替 ?，选择只写第一项\n"
    "  --ws-security                           写出 WS-Security 头部（用户名令牌和时间戳）\n"
    "  --header \"名称: 值\"                     加载和发送时附加的请求头（可重复）\n"
    "  --user 用户名:密码                      加载和发送时的 HTTP 身份验证（只发给地址所在的主机和端口）\n"
    "  --body 文件|-                           --send 发送、--validate 校验此文件（- 为标准输入）中的请求，\n"
    "                                          而不是生成的请求\n"
    "  --endpoint URL                          --send：发送到此 URL，而不是描述中的服务地址\n"
    "  --pretty                                --send：缩进显示响应\n"
    "  --max-time 秒数                         整个运行的网络时间上限（加载、导入和发送），到时即停止\n"
    "  --                                      其后的参数都不是选项\n"
    "退出状态：0 成功；1 加载失败或找不到操作（原因写在标准错误）；2 无法写入输出；64 命令行用法错误。\n"
    "--send 另有：1 发送失败；3 响应是 SOAP Fault；4 其他非 2xx 状态。\n"
    "--validate 另有：5 请求不符合架构；6 有部分无法校验。\n";
inline constexpr std::string_view kUsageErrorPrefix = "quorvel：";
inline constexpr std::string_view kUsageErrorSuffix = "（说明见 quorvel --help）";
inline constexpr std::string_view kUnknownOption = "未知选项 ";
inline constexpr std::string_view kNoCommand = "缺少命令：--list、--request、--all、--validate 或 --send。";
inline constexpr std::string_view kTwoCommands =
    "一次只能给出一个命令（--list、--request、--all、--validate 或 --send）。";
inline constexpr std::string_view kJsonWithoutList = "--json 只能与 --list 一起使用。";
inline constexpr std::string_view kMissingOperand = "缺少参数。";
inline constexpr std::string_view kExtraOperand = "多余的参数 ";
inline constexpr std::string_view kUsagePrefix = "用法：";
inline constexpr std::string_view kListUsage = "quorvel --list [--json] 地址";
inline constexpr std::string_view kRequestUsage = "quorvel --request 地址 绑定名 操作名";
inline constexpr std::string_view kAllUsage = "quorvel --all 地址 目录";
inline constexpr std::string_view kValidateUsage = "quorvel --validate 地址 绑定名 操作名 [--body 文件|-]";
inline constexpr std::string_view kBodyWithoutCommand = "--body 只能与 --send 或 --validate 一起使用。";
inline constexpr std::string_view kCannotReadBody = "无法读取请求：";
inline constexpr std::string_view kSendUsage =
    "quorvel --send [--body 文件|-] [--endpoint URL] [--header \"名称: 值\"]... [--user 用户名:密码] [--pretty] "
    "地址 绑定名 操作名";
inline constexpr std::string_view kMissingValue = "缺少选项的值：";
inline constexpr std::string_view kBadHeader = "无效的请求头 ";
inline constexpr std::string_view kBadHeaderHint = "（应写成 \"名称: 值\"，不含换行）。";
inline constexpr std::string_view kBadUser = "--user 应写成 用户名:密码。";
inline constexpr std::string_view kBadMaxTime = "--max-time 应为大于 0 的秒数（最多 1000000）。";
inline constexpr std::string_view kSendOptionsWithoutSend = "--endpoint 和 --pretty 只能与 --send 一起使用。";
inline constexpr std::string_view kCannotReadStandardInput = "无法读取标准输入。";
inline constexpr std::string_view kCredentialsWithheld =
    "服务地址不在描述所在的主机和端口上，--user 和 --header 没有随请求发送；用 --endpoint 指定服务地址即可发送。";
inline constexpr std::string_view kCannotWriteStandardOutput = "无法写入标准输出：";

} // namespace quorvel::app_msg
