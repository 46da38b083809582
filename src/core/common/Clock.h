#pragma once

#include "common/DateTime.h"

#include <cstdint>

namespace trevik {

// The one source of "now" for every rule, so tests can pin the date and time.
class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time at full precision.
    virtual DateTime now() const = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t unixSeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
    std::int64_t unixSeconds() const override;
};

DayNumber today(const Clock& clock);

// The current local date and time with whole seconds, used for every "updated" stamp.
DateTime NowToSecond(const Clock& clock);

} // namespace trevik
