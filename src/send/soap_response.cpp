#include "send/soap_response.h"

#include "send/messages.h"
#include "send/response_text.h"
#include "send/soap_fault.h"
#include "xml/parsing.h"

#include <chrono>
#include <cstdio>
#include <utility>

namespace quorvel {
namespace {

// "512 B", "4.5 KB", "12.0 MB".
std::string SizeText(size_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    char text[32];
    const bool mega = bytes >= 1024 * 1024;
    const double units = static_cast<double>(bytes) / (mega ? 1024.0 * 1024.0 : 1024.0);
    std::snprintf(text, sizeof text, "%.1f %s", units, mega ? "MB" : "KB");
    return text;
}

bool LooksLikeXml(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '<';
}

// The value of a header, empty when the response has none.
std::string HeaderText(const HttpResponse& http, std::string_view name) {
    const std::string* value = http.Header(name);
    return value == nullptr ? std::string() : *value;
}

} // namespace

SoapResponse ReadSoapResponse(HttpResponse http) {
    SoapResponse response;
    response.http = std::move(http);
    if (response.http.status >= 300 && response.http.status < 400) {
        response.location = HeaderText(response.http, "Location");
    }
    const std::string& body = response.http.body;
    if (body.empty()) {
        return response;
    }
    std::string message;
    if (!DecodeResponseText(body, HeaderText(response.http, "Content-Type"), response.text, message)) {
        response.note = send_msg::kNotDecoded;
        return response;
    }
    if (!LooksLikeXml(response.text)) {
        response.note = send_msg::kNotXml;
        return response;
    }
    const ParseResult parsed = ParseXmlText(response.text);
    if (!parsed.ok()) {
        response.note = std::string(send_msg::kNotWellFormedPrefix) + parsed.reason;
        return response;
    }
    response.wellFormed = true;
    response.fault = SoapFaultSummary(parsed.document.get());
    return response;
}

std::string StatusText(const HttpResponse& http) {
    const std::string status = "HTTP " + std::to_string(http.status);
    return http.reason.empty() ? status : status + ' ' + http.reason;
}

long ElapsedMs(const HttpResponse& http) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(http.elapsed).count());
}

std::string ResponseLine(const SoapResponse& response) {
    const std::string separator(send_msg::kLineSeparator);
    return StatusText(response.http) + separator + std::to_string(ElapsedMs(response.http)) + " ms" +
           separator + SizeText(response.http.body.size());
}

} // namespace quorvel
