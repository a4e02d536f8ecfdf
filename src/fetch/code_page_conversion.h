#pragma once
// The platform's text conversions beneath document decoding: ICU's copies of the Windows code-page
// tables on Linux, the Windows calls themselves on Windows.

#include <string>
#include <string_view>

namespace quorvel {

// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// Bytes in code page 65001 (UTF-8), 936 (GBK) or 950 (Big5) to UTF-8 in utf8; invalid sequences become
// U+FFFD. False when the conversion itself fails.
bool CodePageToUtf8(std::string_view bytes, int codePage, std::string& utf8);

} // namespace quorvel
