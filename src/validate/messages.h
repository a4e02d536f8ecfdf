#pragma once
// Every text a request check tells the user, in one place.

#include <string_view>

namespace quorvel::validate_msg {

inline constexpr std::string_view kNotEnvelope = "根元素不是 SOAP 的 Envelope 元素。";
inline constexpr std::string_view kWrongEnvelopeNamespace =
    "Envelope 的命名空间与绑定的 SOAP 版本不符，应为 ";
inline constexpr std::string_view kNoBody = "Envelope 中没有 Body 元素。";
inline constexpr std::string_view kMissingPart = "Body 中缺少消息部分的元素 ";
inline constexpr std::string_view kUnexpectedElement = "此处应为元素 ";
inline constexpr std::string_view kFoundInstead = "，实为 ";
inline constexpr std::string_view kExtraElement = "多余的元素 ";
inline constexpr std::string_view kNoInputMessage = "找不到此操作的输入消息，无法校验。";
inline constexpr std::string_view kEncodedUse = "输入消息使用 SOAP 编码（use=\"encoded\"），无法按架构校验。";
inline constexpr std::string_view kSchemasDoNotCompile = "描述中的架构无法编译，无法校验：";
inline constexpr std::string_view kRpcWrapper = "rpc 样式的包装元素不在架构中，无法校验：";
inline constexpr std::string_view kTypePart = "以类型声明的消息部分无法按架构校验：";
inline constexpr std::string_view kUndeclaredElement = "架构中没有此元素的声明，无法校验：";

} // namespace quorvel::validate_msg
