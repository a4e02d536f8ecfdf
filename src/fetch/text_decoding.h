#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// Lower-case encoding name: "utf-8" after a UTF-8 byte-order mark, else the quoted name that follows
// the first "encoding" within the first 200 bytes, else "utf-8".
std::string DetectEncodingName(std::string_view bytes);
// 65001 (UTF-8), 936 (GBK) or 950 (Big5) for a lower-case encoding name.
int CodePageForEncoding(std::string_view lowerCaseName);
// Decodes document bytes (UTF-16 by byte-order mark, UTF-8, GBK, Big5) into UTF-8 text.
// Invalid sequences become U+FFFD. False with message when the conversion yields nothing.
bool DecodeDocumentText(std::string_view bytes, std::string& text, std::string& message);
// The same for bytes the caller gives up: bytes that are already well-formed UTF-8 become the text
// themselves, without a copy (only a UTF-8 byte-order mark is cut off); others are released once converted.
bool DecodeDocumentText(std::string&& bytes, std::string& text, std::string& message);

} // namespace quorvel
