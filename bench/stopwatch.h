#pragma once
// Wall-clock intervals in milliseconds, on the monotonic clock.

#include <chrono>

namespace quorvel::bench {

class Stopwatch {
public:
    Stopwatch() : m_start(Clock::now()) {}

    // Milliseconds since construction or since the previous lap, and starts the next interval.
    double Lap() {
        Clock::time_point now = Clock::now();
        double milliseconds = std::chrono::duration<double, std::milli>(now - m_start).count();
        m_start = now;
        return milliseconds;
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start;
};

} // namespace quorvel::bench
