#pragma once

#include <algorithm>
#include <array>
#include <string_view>

// The namespace names the program recognises, compared as exact strings.
namespace quorvel {

inline constexpr const char* NS_XSD = "http://www.w3.org/2001/XMLSchema";
inline constexpr const char* NS_XSI = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* NS_WSDL = "http://schemas.xmlsoap.org/wsdl/";
inline constexpr const char* NS_WSDL_SOAP11 = "http://schemas.xmlsoap.org/wsdl/soap/";
inline constexpr const char* NS_WSDL_SOAP12 = "http://schemas.xmlsoap.org/wsdl/soap12/";
inline constexpr const char* NS_SOAP11_ENV = "http://schemas.xmlsoap.org/soap/envelope/";
inline constexpr const char* NS_SOAP12_ENV = "http://www.w3.org/2003/05/soap-envelope";
inline constexpr const char* NS_XML = "http://www.w3.org/XML/1998/namespace";
inline constexpr const char* NS_SOAPENC = "http://schemas.xmlsoap.org/soap/encoding/";

// True for every name above: the program's own vocabulary. An import of one never names a document to read.
inline bool IsKnownNamespace(std::string_view namespaceName) {
    static constexpr std::array<std::string_view, 9> kKnown = {NS_XSD,         NS_XSI,         NS_WSDL,
                                                               NS_WSDL_SOAP11, NS_WSDL_SOAP12, NS_SOAP11_ENV,
                                                               NS_SOAP12_ENV,  NS_XML,         NS_SOAPENC};
    return std::find(kKnown.begin(), kKnown.end(), namespaceName) != kKnown.end();
}

} // namespace quorvel
