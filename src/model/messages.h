#pragma once
// Texts the service model shows the user.

#include <string_view>

namespace quorvel::model_msg {

inline constexpr std::string_view kNotWsdl = "不是有效的 WSDL（缺少 definitions）。";
inline constexpr std::string_view kNoSoapBinding = "未找到 SOAP binding。";

} // namespace quorvel::model_msg
