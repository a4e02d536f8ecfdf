#pragma once
// Texts one load shows the user beyond those of reading bytes and of reading the description.

#include <string_view>

namespace quorvel::load_msg {

inline constexpr std::string_view kEmptyAddress = "请输入接口地址或选择本地 WSDL/XML 文件。";
inline constexpr std::string_view kXmlParseFailedPrefix = "XML 解析失败：";
inline constexpr std::string_view kXmlParseFailed = "XML 解析失败。";

} // namespace quorvel::load_msg
