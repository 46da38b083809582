#pragma once

#include "common/MonotonicClock.h"

#include <chrono>

namespace trevik::test {

// A monotonic clock that moves only when the test moves it.
class FakeMonotonicClock final : public MonotonicClock {
public:
    std::chrono::milliseconds now() const override { return now_; }

    void advance(std::chrono::milliseconds by) { now_ += by; }
    void advanceSeconds(std::int64_t seconds) { now_ += std::chrono::seconds(seconds); }

private:
    // Not zero, so that nothing can pass for "never started".
    std::chrono::milliseconds now_{123456789};
};

} // namespace trevik::test
