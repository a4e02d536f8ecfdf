#pragma once
// UTF-8 and the UTF-16 of the Windows wide-character calls, for the Windows platform files only.

#include <string>
#include <string_view>

namespace quorvel {

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::wstring WidenUtf8(std::string_view utf8);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string NarrowToUtf8(std::wstring_view wide);
// The system's text for a GetLastError() code, in UTF-8 without the trailing line end.
std::string SystemErrorText(unsigned long code);

} // namespace quorvel
