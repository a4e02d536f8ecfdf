#include "send/soap_call.h"

#include "fetch/address.h"
#include "model/wsdl_model.h"
#include "send/messages.h"

#include <cctype>

namespace quorvel {
namespace {

// The action as a quoted string: quotes and backslashes escaped, control characters dropped, so that no
// description can add lines to the request's headers.
std::string QuotedAction(std::string_view action) {
    std::string quoted = "\"";
    for (char c : action) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            continue;
        }
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::vector<std::string> SoapRequestHeaders(int32_t soapVersion, std::string_view soapAction) {
    if (soapVersion != SOAP_12) {
        return {"Content-Type: text/xml; charset=utf-8", "SOAPAction: " + QuotedAction(soapAction)};
    }
    std::string contentType = "Content-Type: application/soap+xml; charset=utf-8";
    if (!soapAction.empty()) {
        contentType += "; action=" + QuotedAction(soapAction);
    }
    return {contentType};
}

bool IsRequestHeaderLine(std::string_view header) {
    const size_t colon = header.find(':');
    if (colon == 0 || colon == std::string_view::npos) {
        return false;
    }
    constexpr std::string_view kNameSymbols = "!#$%&'*+-.^_`|~";
    for (char c : header.substr(0, colon)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && kNameSymbols.find(c) == std::string_view::npos) {
            return false;
        }
    }
    for (char c : header.substr(colon + 1)) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
            return false;
        }
    }
    return true;
}

bool MayCarryCredentials(std::string_view endpoint, std::string_view address, bool endpointGiven) {
    return endpointGiven || !IsHttpAddress(address) || UrlOrigin(endpoint) == UrlOrigin(address);
}

SoapCallResult SendSoapRequest(const SoapCall& call, const HttpOptions& options) {
    SoapCallResult result;
    const std::string endpoint(TrimWhiteSpace(call.endpoint));
    if (endpoint.empty()) {
        result.message = send_msg::kNoEndpoint;
        return result;
    }
    if (!IsHttpAddress(endpoint)) {
        result.message = std::string(send_msg::kEndpointNotHttp) + endpoint;
        return result;
    }
    HttpResponse http =
        HttpPost(endpoint, call.body, SoapRequestHeaders(call.soapVersion, call.soapAction), options);
    if (http.cancelled) {
        result.cancelled = true;
        return result;
    }
    if (!http.ok()) {
        result.message = std::move(http.message);
        return result;
    }
    result.ok = true;
    result.response = ReadSoapResponse(std::move(http));
    return result;
}

} // namespace quorvel
