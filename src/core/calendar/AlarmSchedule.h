#pragma once

#include "common/DateTime.h"

#include <cstdint>
#include <optional>

namespace trevik {

// A minute of local time: day number x 1440 + the minute of the day.
using AlarmMinute = std::int64_t;

inline constexpr AlarmMinute kMinutesPerDay = 24 * 60;

// The minute `now` falls in; nothing for a clock reading that is no civil day.
std::optional<AlarmMinute> alarmMinuteOf(DateTime now);
DayNumber dayOfMinute(AlarmMinute minute);
int minuteOfDay(AlarmMinute minute);

// The minutes first..last, both included.
struct MinuteRange {
    AlarmMinute first = 0;
    AlarmMinute last = 0;
    friend bool operator==(const MinuteRange&, const MinuteRange&) = default;
};

// Which minutes the alarm check looks at, so that each minute is looked at once however the
// clock moves: a timer that fires late, a suspend or a clock set forward leave minutes behind,
// which the next check looks at (as far back as kCatchUpMinutes); a clock set back leaves
// minutes that were looked at already, which are not looked at again.
class AlarmSchedule {
public:
    static constexpr AlarmMinute kCatchUpMinutes = kMinutesPerDay;

    // The minutes up to `now`'s that have not been looked at; nothing when `now`'s minute has
    // been. The first check looks at `now`'s minute only. A clock set back by more than
    // kCatchUpMinutes is taken as corrected, and checking starts again at `now`'s minute.
    std::optional<MinuteRange> due(DateTime now) const;
    // The minutes of `range` have been looked at.
    void checked(const MinuteRange& range) { last_ = range.last; }
    std::optional<AlarmMinute> lastChecked() const { return last_; }

private:
    std::optional<AlarmMinute> last_;
};

// Milliseconds from `now` to the start of its next minute: 1 to 60000.
int millisecondsToNextMinute(DateTime now);

} // namespace trevik
