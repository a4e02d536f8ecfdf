#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
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
    // Set by another thread to stop the download at once, in any phase; the GET then fails.
    const std::atomic<bool>* cancel = nullptr;
    // Told the body bytes received so far of the response being read, on the downloading thread.
    std::function<void(uint64_t)> onReceived;
};

// One GET of url, redirects followed; on success bytes holds the body as received and finalUrl the URL
// that answered it (url itself when there was no redirect).
bool HttpGetBytes(const std::string& url, std::string& bytes, std::string& finalUrl, std::string& message,
                  const HttpOptions& options = {});

// One GET of url; on success text holds the decoded document (UTF-8).
bool HttpGet(const std::string& url, std::string& text, std::string& message,
             const HttpOptions& options = {});

} // namespace quorvel
