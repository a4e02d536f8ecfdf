#pragma once

#include <string>

namespace quorvel {

// Time-outs and trust settings of one download. The defaults are the program's; tests shorten them
// or trust their own test certificate.
struct HttpOptions {
    long resolveTimeoutMs = 15000;
    long connectTimeoutMs = 15000;
    long sendTimeoutMs = 30000;
    long receiveTimeoutMs = 60000;
    std::string caFile; // certificates (PEM) trusted instead of the system's store; empty: the system's store
};

// One GET of url; on success text holds the decoded document (UTF-8).
bool HttpGet(const std::string& url, std::string& text, std::string& message,
             const HttpOptions& options = {});

} // namespace quorvel
