#pragma once
// Every text the document path shows to the user, in one place.

#include <string>
#include <string_view>

namespace quorvel::fetch_msg {

inline constexpr std::string_view kInvalidUrl = "无效的 URL。";
inline constexpr std::string_view kSessionFailed = "WinHttpOpen 失败。";
inline constexpr std::string_view kConnectFailed = "连接主机失败。";
inline constexpr std::string_view kRequestFailed = "创建请求失败。";
// Followed by the system's reason: the library is missing, or is not one.
inline constexpr std::string_view kCannotLoadHttpLibrary = "无法加载 HTTP 库：";
inline constexpr std::string_view kDownloadFailed = "下载 WSDL 失败，请检查网络或地址。";
inline constexpr std::string_view kEmptyDownload = "下载内容为空。";
inline constexpr std::string_view kDownloadTooLarge = "下载内容过大。";
inline constexpr std::string_view kPrivateAddressRefused = "目标是本机或内网地址，已拒绝连接。";
inline constexpr std::string_view kTimeLimitReached = "网络操作超过了限定的总时间，已停止。";
inline constexpr std::string_view kDecodeFailed = "文本编码转换失败。";
inline constexpr std::string_view kCannotOpenFile = "无法打开文件：";
inline constexpr std::string_view kAbnormalFileSize = "文件大小异常。";
inline constexpr std::string_view kReadFailed = "读取文件失败。";

// Texts of sending a request: what failed, as far as it is known.
inline constexpr std::string_view kSendFailed = "发送请求失败，请检查网络或地址。";
inline constexpr std::string_view kResolveFailed = "无法解析服务器的主机名。";
inline constexpr std::string_view kConnectRefused = "无法连接到服务器。";
inline constexpr std::string_view kConnectTimedOut = "连接服务器超时。";
inline constexpr std::string_view kTlsFailed = "与服务器建立安全连接（TLS）失败。";
inline constexpr std::string_view kCertificateFailed = "服务器证书验证失败。";
inline constexpr std::string_view kResponseTimedOut = "等待服务器响应超时。";
inline constexpr std::string_view kResponseTooLarge = "响应内容超过 64 MiB，已停止接收。";
inline constexpr std::string_view kTooManyRedirects = "重定向超过 10 次，已停止。";
inline constexpr std::string_view kSendCancelled = "发送已取消。";
inline constexpr std::string_view kInvalidHeader = "请求头无效：每个请求头应为一行“名称: 值”。";

// "HTTP 状态码 404。"
inline std::string HttpStatusMessage(unsigned long status) {
    return "HTTP 状态码 " + std::to_string(status) + "。";
}

} // namespace quorvel::fetch_msg
