#pragma once
// How promptly an HTTP exchange stops once its cancel flag is set.

#include "fetch/http_exchange.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace quorvel::test {

// Runs exchange(options) with a cancel flag that is set after 300 ms; how long it went on after that.
template <typename Exchange>
std::chrono::milliseconds RunCancelledAfterStart(Exchange exchange, HttpResponse& response) {
    using Clock = std::chrono::steady_clock;
    std::atomic<bool> cancel{false};
    HttpOptions options;
    options.cancel = &cancel;
    Clock::time_point cancelledAt;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelledAt = Clock::now();
        cancel = true;
    });
    response = exchange(options);
    const Clock::time_point returned = Clock::now();
    canceller.join();
    return std::chrono::duration_cast<std::chrono::milliseconds>(returned - cancelledAt);
}

} // namespace quorvel::test
