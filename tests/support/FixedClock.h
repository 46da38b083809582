#pragma once

#include "common/Clock.h"

namespace trevik::test {

// A clock that reads what the test set, and moves only when the test moves it.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime now = 0, std::int64_t unixSeconds = 1700000000)
        : now_(now), unixSeconds_(unixSeconds) {}

    DateTime now() const override { return now_; }
    std::int64_t unixSeconds() const override { return unixSeconds_; }

    void set(const CivilDate& date, const TimeOfDay& time) { now_ = encodeDateTime(date, time); }
    void setUnixSeconds(std::int64_t seconds) { unixSeconds_ = seconds; }

    // Moves both readings on together, as time passing would.
    void advanceSeconds(std::int64_t seconds) {
        now_ += double(seconds) / 86400.0;
        unixSeconds_ += seconds;
    }
    void advanceMinutes(std::int64_t minutes) { advanceSeconds(minutes * 60); }
    void advanceDays(std::int64_t days) { advanceSeconds(days * 86400); }

private:
    DateTime now_;
    std::int64_t unixSeconds_;
};

} // namespace trevik::test
