#pragma once
// One SOAP call: a request text posted to a service's endpoint with the content type and action its SOAP
// version asks for, and the answer read. Safe to run on a worker thread: the options' cancel flag, set from
// another thread, ends it within a fraction of a second.

#include "fetch/http_post.h"
#include "send/soap_response.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct SoapCall {
    // An http:// or https:// URL.
    std::string endpoint;
    // SOAP_11 or SOAP_12.
    int32_t soapVersion = 0;
    std::string soapAction;
    // The request text (UTF-8), sent as it is.
    std::string body;
};

struct SoapCallResult {
    // A response arrived, whatever its status; response then holds it.
    bool ok = false;
    // The call was cancelled: not ok, and no message.
    bool cancelled = false;
    // Why no response arrived, in the user's language.
    std::string message;
    SoapResponse response;
};

// The Content-Type and SOAPAction headers of a call. SOAP 1.1: "text/xml; charset=utf-8" and the action,
// always quoted; SOAP 1.2: "application/soap+xml; charset=utf-8" with an action parameter when there is
// an action, and no SOAPAction header. Extra headers of the same name in the options replace them.
std::vector<std::string> SoapRequestHeaders(int32_t soapVersion, std::string_view soapAction);

// True for an extra request header the user may add: "Name: value", the name made of the characters HTTP
// allows in it, and no line break or other control character anywhere but tabs in the value.
bool IsRequestHeaderLine(std::string_view header);

// Whether the credentials and headers given for the description at address may go with a call to endpoint:
// when the user named the endpoint, when the description is a local file, or when both share host and
// port. A description from elsewhere cannot send them to a host of its choosing.
bool MayCarryCredentials(std::string_view endpoint, std::string_view address, bool endpointGiven);

// Posts the call with the options' time-outs, credentials, extra headers and cancel flag, and reads the
// answer (see ReadSoapResponse).
SoapCallResult SendSoapRequest(const SoapCall& call, const HttpOptions& options);

} // namespace quorvel
