#pragma once
// Texts the service model shows the user.

namespace quorvel {

inline constexpr const char* MSG_NOT_WSDL = "不是有效的 WSDL（缺少 definitions）。";
inline constexpr const char* MSG_NO_SOAP_BINDING = "未找到 SOAP binding。";

} // namespace quorvel
