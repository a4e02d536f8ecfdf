#pragma once
// A SOAP service's answer as the user sees it: the HTTP response, its body as text and indented, and the
// fault it carries.

#include "fetch/http_exchange.h"

#include <string>

namespace quorvel {

struct SoapResponse {
    // Status, reason, headers, the body exactly as received, elapsed time and the URL that answered.
    HttpResponse http;
    // Where a redirect that was not followed points (301, 302, 303); empty otherwise.
    std::string location;
    // The body decoded to UTF-8; empty when it is empty or could not be decoded.
    std::string text;
    // The text is well-formed XML: IndentXml gives its indented view.
    bool wellFormed = false;
    // Why the body can be shown only as it is (not XML, not well-formed, not decodable); empty otherwise.
    std::string note;
    // The SOAP Fault's one-line summary; empty when the response carries none.
    std::string fault;
};

// Takes a response over and reads its body: text, wellFormed, note and fault, from the body and its
// Content-Type. The body is parsed as a description is: nothing external is read and entity expansion is
// bounded.
SoapResponse ReadSoapResponse(HttpResponse http);

// "HTTP 200 OK": the status and its reason phrase, when the server gave one.
std::string StatusText(const HttpResponse& http);
// Whole milliseconds the exchange took.
long ElapsedMs(const HttpResponse& http);

// "HTTP 200 OK · 123 ms · 4.5 KB": status, time and size of the body received.
std::string ResponseLine(const SoapResponse& response);

} // namespace quorvel
