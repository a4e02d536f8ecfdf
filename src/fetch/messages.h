#pragma once
// Every text the document path shows to the user, in one place.

#include <string>
#include <string_view>

namespace quorvel::fetch_msg {

inline constexpr std::string_view kInvalidUrl = "无效的 URL。";
inline constexpr std::string_view kSessionFailed = "WinHttpOpen 失败。";
inline constexpr std::string_view kConnectFailed = "连接主机失败。";
inline constexpr std::string_view kRequestFailed = "创建请求失败。";
inline constexpr std::string_view kDownloadFailed = "下载 WSDL 失败，请检查网络或地址。";
inline constexpr std::string_view kEmptyDownload = "下载内容为空。";
inline constexpr std::string_view kDownloadTooLarge = "下载内容过大。";
inline constexpr std::string_view kDecodeFailed = "文本编码转换失败。";
inline constexpr std::string_view kCannotOpenFile = "无法打开文件：";
inline constexpr std::string_view kAbnormalFileSize = "文件大小异常。";
inline constexpr std::string_view kReadFailed = "读取文件失败。";

// "HTTP 状态码 404。"
inline std::string HttpStatusMessage(unsigned long status) {
    return "HTTP 状态码 " + std::to_string(status) + "。";
}

} // namespace quorvel::fetch_msg
