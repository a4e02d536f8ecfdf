#pragma once
// Every text the dialog shows, in UTF-8; converted with wxString::FromUTF8 where it reaches a control.

namespace quorvel::ui {

inline constexpr const char* kCaption = "Quorvel";
inline constexpr const char* kLabelAddress = "接口地址:";
inline constexpr const char* kButtonOpen = "打开";
inline constexpr const char* kLabelInterfaces = "接口详情:";
inline constexpr const char* kLabelMessage = "报文信息:";
inline constexpr const char* kButtonParse = "解析";
inline constexpr const char* kRequestItem = "Request 1";

inline constexpr const char* kOutOfMemory = "内存不足，无法完成加载。";
inline constexpr const char* kAddressMissing = "请先填写接口地址，或点击“打开”选择本地 WSDL/XML 文件。";

// The open dialog's filter: two entries, each a description and its patterns.
inline constexpr const char* kFilterDescriptionFiles = "WSDL/XML 文件 (*.wsdl;*.xml)";
inline constexpr const char* kPatternDescriptionFiles = "*.wsdl;*.xml";
inline constexpr const char* kFilterAllFiles = "所有文件 (*.*)";
inline constexpr const char* kPatternAllFiles = "*.*";

} // namespace quorvel::ui
