#include "gen/ws_security.h"

namespace quorvel {
namespace {

constexpr const char* kPasswordText = "http://docs.oasis-open.org/wss/2004/01/"
                                      "oasis-200401-wss-username-token-profile-1.0#PasswordText";

FixedElement Leaf(std::string name, std::string value, std::string attributes = {}) {
    return FixedElement{std::move(name), std::move(attributes), std::move(value), {}};
}

} // namespace

FixedElement WsSecurityHeader(PrefixRegistry& registry, bool exampleValues) {
    const std::string wsse = registry.GetPrefix(NS_WSSE, "wsse") + ":";
    const std::string wsu = registry.GetPrefix(NS_WSU, "wsu") + ":";
    FixedElement token{wsse + "UsernameToken",
                       {},
                       {},
                       {Leaf(wsse + "Username", "?"),
                        Leaf(wsse + "Password", "?", std::string(" Type=\"") + kPasswordText + "\"")}};
    FixedElement timestamp{wsu + "Timestamp",
                           {},
                           {},
                           {Leaf(wsu + "Created", exampleValues ? "2024-01-15T09:30:00Z" : "?"),
                            Leaf(wsu + "Expires", exampleValues ? "2024-01-15T09:35:00Z" : "?")}};
    return FixedElement{wsse + "Security", {}, {}, {std::move(token), std::move(timestamp)}};
}

} // namespace quorvel
