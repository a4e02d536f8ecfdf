#pragma once
// A response body as text: decoded as a description's bytes are, with the charset its content type
// declares taking the place of the XML declaration's.

#include <string>
#include <string_view>

namespace quorvel {

// The charset parameter of a Content-Type value ("text/xml; charset=GBK"), in lower case, without
// quotes; empty when it names none.
std::string ContentTypeCharset(std::string_view contentType);

// Decodes body bytes into UTF-8: a byte-order mark first, then the charset of contentType, then the
// encoding the document declares. False with a message when nothing could be decoded.
bool DecodeResponseText(std::string_view body, std::string_view contentType, std::string& text,
                        std::string& message);

} // namespace quorvel
