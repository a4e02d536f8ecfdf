#pragma once
// Texts of parsing XML that the user sees.

#include <string_view>

namespace quorvel::xml_msg {

inline constexpr std::string_view kDocumentTooLarge = "文档过大，无法解析。";
inline constexpr std::string_view kNoParser = "无法创建 XML 解析器。";
inline constexpr std::string_view kNotWellFormed = "文档不是格式正确的 XML。";
// Where the parser stopped: kLine, the line, kColumn, the column, kPositionEnd, then its reason.
inline constexpr std::string_view kLine = "第 ";
inline constexpr std::string_view kColumn = " 行，第 ";
inline constexpr std::string_view kPositionEnd = " 列：";

} // namespace quorvel::xml_msg
