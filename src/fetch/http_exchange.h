#pragma once
// One HTTP exchange, GET or POST: the settings it is made with and the response it ends with. The GET of
// a load and the POST of a request share the transfer behind it.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Time-outs, trust settings and what the user adds to a request. The defaults are the program's; tests
// shorten them or trust their own test certificate.
struct HttpOptions {
    long resolveTimeoutMs = 15000;
    long connectTimeoutMs = 15000;
    long sendTimeoutMs = 30000;
    long receiveTimeoutMs = 60000;
    std::string caFile; // certificates (PEM) trusted instead of the system's store; empty: the system's store
    // Set by another thread to stop the exchange at once, in any phase; it then fails as cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Told the body bytes received so far of the response being read, and the length it declared (0 when
    // it declared none), on the transferring thread.
    std::function<void(uint64_t received, uint64_t declared)> onReceived;
    // Credentials for the scheme, host and port of credentialsFor, never for another one a redirect or
    // an import leads to: HTTP Basic, or Digest or NTLM when the server asks for them. Sent only when user
    // is not empty.
    std::string user;
    std::string password;
    // The URL whose scheme, host and port the credentials (and credential headers) are for; empty: the
    // URL asked for.
    std::string credentialsFor;
    // Extra request headers, "Name: value" each. A header of the same name as one the exchange sets
    // replaces it; Authorization and Cookie headers, like the credentials, go to the first host only.
    std::vector<std::string> headers;
    // Names answered without asking the system's resolver, "host:port:address" each.
    std::vector<std::string> resolve;
    // The most body bytes taken from one response: a larger declared length ends the exchange before
    // the body comes, and so do the bytes received once they go past it.
    uint64_t maxBodyBytes = 64u * 1024 * 1024;
    // Never connect to an address of this machine or of a private network (see network_address.h),
    // checked on the address each connection is made to, redirects included. Behind a proxy, which
    // resolves names itself, only a host written as such an address (or localhost) is refused.
    bool publicAddressesOnly = false;
    // For tests of that rule: every connection goes to loopback on the port asked for, whatever address
    // the name was resolved to, so that resolve can make a name stand for any address unreached.
    bool connectToLoopback = false;
    // When the network time allowed ends: an exchange still under way then, whatever it is waiting for,
    // fails. None: only the time-outs above bound it.
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

// Which of the options' limits ended an exchange.
enum class HttpLimit { None, BodySize, PrivateAddress, TimeLimit };

struct HttpHeader {
    std::string name;
    std::string value;
};

// What an exchange ended with. A response arrived when message is empty; then status, reason, headers
// and body are those of the last response (a redirect not followed is a response like any other).
struct HttpResponse {
    long status = 0;
    std::string reason;               // as the server wrote it; HTTP/2 has none
    std::vector<HttpHeader> headers;  // in the order received
    std::string body;                 // the bytes as received
    std::chrono::microseconds elapsed{0};
    std::string finalUrl;             // the URL that answered last
    std::string message;              // why no usable response arrived, in the user's language
    bool cancelled = false;           // the cancel flag ended it
    bool redirectRefused = false;     // a redirect was not followed for its target's scheme
    HttpLimit limit = HttpLimit::None;
    bool privateNetwork = false;      // the last response came from this machine or a private network

    bool ok() const { return message.empty(); }
    // The value of the first header of that name (compared ignoring case), or nullptr.
    const std::string* Header(std::string_view name) const;
};

// How the GET and the POST differ in one exchange.
struct ExchangeRules {
    const std::string_view* body = nullptr; // sent as a POST; without it the request is a GET
    std::vector<std::string> headers;       // the request's own headers, "Name: value" each
    bool (*follows)(long status) = nullptr; // which redirect statuses are followed
    bool detailedFailures = false;          // say what failed (resolving, connecting, TLS, waiting)
};

// True when both URLs have the same scheme, host and port.
bool SameOrigin(const std::string& a, const std::string& b);

// Performs the exchange, following the redirects that the rules allow: to http or https only, never from
// https to http, at most 10.
HttpResponse Exchange(const std::string& url, const ExchangeRules& rules, const HttpOptions& options);

} // namespace quorvel
