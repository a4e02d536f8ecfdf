#pragma once
// The security header that services guarded by a username and a password expect: a username token with a
// plain-text password, and a timestamp.

#include "gen/sample_writer.h"
#include "xml/prefix_registry.h"

namespace quorvel {

inline constexpr const char* NS_WSSE =
    "http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-wssecurity-secext-1.0.xsd";
inline constexpr const char* NS_WSU =
    "http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-wssecurity-utility-1.0.xsd";

// The Security element with "?" for its values, or with example times when exampleValues is set.
FixedElement WsSecurityHeader(PrefixRegistry& registry, bool exampleValues);

} // namespace quorvel
