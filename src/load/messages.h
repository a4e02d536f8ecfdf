#pragma once
// Texts one load shows the user beyond those of reading bytes and of reading the description.

#include <string_view>

namespace quorvel::load_msg {

inline constexpr std::string_view kEmptyAddress = "请输入接口地址或选择本地 WSDL/XML 文件。";
inline constexpr std::string_view kXmlParseFailedPrefix = "XML 解析失败：";
inline constexpr std::string_view kXmlParseFailed = "XML 解析失败。";
inline constexpr std::string_view kOutOfMemory = "内存不足，无法完成加载。";
// A failure that no step foresaw: followed by the failure's own text.
inline constexpr std::string_view kUnexpectedErrorPrefix = "发生意外错误：";
inline constexpr std::string_view kUnknownException = "未知异常";

// Notes of a load that follows imports: why an imported document was not read.
inline constexpr std::string_view kImportInvalidLocation = "无效的导入地址。";
inline constexpr std::string_view kImportWebOnly = "网络上的文档只能导入 HTTP 或 HTTPS 地址，已拒绝读取。";
inline constexpr std::string_view kImportHttpsOnly = "HTTPS 文档只能导入 HTTPS 地址，已拒绝读取。";
inline constexpr std::string_view kImportNetworkShare =
    "导入地址是另一台计算机上的路径（UNC 或 //主机），已拒绝读取。";
inline constexpr std::string_view kImportRedirectScheme = "重定向的目标不是 HTTP 或 HTTPS 地址，已拒绝读取。";
inline constexpr std::string_view kImportRedirectToHttp = "HTTPS 地址重定向到了 HTTP 地址，已拒绝读取。";
inline constexpr std::string_view kImportPrivateAddress =
    "来自公网地址的文档不能导入本机或内网地址（回环、私有、链路本地或唯一本地地址），已拒绝读取。";
inline constexpr std::string_view kImportNotDescription = "不是 WSDL 或 XML Schema 文档。";
inline constexpr std::string_view kImportTooManyDocuments = "导入的文档超过 100 个，此后的导入均未读取。";
inline constexpr std::string_view kImportTooManyBytes =
    "导入的文档合计超过 64 MiB，此文档及此后的导入均未读取。";
inline constexpr std::string_view kImportTimeLimit = "读取导入已超过 5 分钟，此文档及此后的导入均未读取。";

} // namespace quorvel::load_msg
