#pragma once
// Every text that sending a request and reading its response shows the user, in one place.

#include <string_view>

namespace quorvel::send_msg {

inline constexpr std::string_view kNoEndpoint = "此绑定没有服务地址，请指定要发送到的 URL。";
inline constexpr std::string_view kEndpointNotHttp = "服务地址必须是 http:// 或 https:// 开头的 URL：";
inline constexpr std::string_view kNotXml = "响应不是 XML，按原样显示。";
inline constexpr std::string_view kNotWellFormedPrefix = "响应不是格式正确的 XML，按原样显示：";
inline constexpr std::string_view kNotDecoded = "响应的文本编码无法转换，按原样显示。";
inline constexpr std::string_view kFaultPrefix = "SOAP Fault ";
inline constexpr std::string_view kLineSeparator = " · ";

} // namespace quorvel::send_msg
