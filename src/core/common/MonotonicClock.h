#pragma once

#include <chrono>

namespace trevik {

// Elapsed time for the desk tools: it never jumps with the wall clock, and it goes on while the
// machine sleeps, so a countdown that ran out during a suspend is seen to have run out.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Time since a fixed point in the past; only differences mean anything.
    virtual std::chrono::milliseconds now() const = 0;
};

// CLOCK_BOOTTIME: monotonic, and counting the time the machine was suspended (steady_clock on
// Linux stops during a suspend).
class BootTimeClock final : public MonotonicClock {
public:
    std::chrono::milliseconds now() const override;
};

// The one real monotonic clock of the program.
const MonotonicClock& systemMonotonicClock();

} // namespace trevik
