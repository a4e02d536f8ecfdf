#pragma once
// The service model a load leaves behind: plain records in document order.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

enum SoapVersion : int32_t { SOAP_NONE = 0, SOAP_11 = 11, SOAP_12 = 12 };

struct WsdlOperation {
    std::string name;
    std::string request;
    // The soapAction of the operation's SOAP extension element; empty when it names none.
    std::string soapAction{};
    bool operator==(const WsdlOperation&) const = default;
};

struct WsdlBinding {
    std::string name;
    int32_t soapVersion = SOAP_NONE;
    std::vector<WsdlOperation> operations;
    // The binding's default style, "document" or "rpc" (or whatever other text it names).
    std::string style;
    // Where requests are sent: the SOAP address of the service's first port that names this binding; empty
    // when that port has none, and for bindings outside any service.
    std::string endpoint{};
    bool operator==(const WsdlBinding&) const = default;
};

struct WsdlService {
    std::string name;
    std::vector<WsdlBinding> bindings;
    bool operator==(const WsdlService&) const = default;
};

using WsdlModel = std::vector<WsdlService>;

} // namespace quorvel
