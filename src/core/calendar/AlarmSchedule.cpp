#include "calendar/AlarmSchedule.h"

#include <algorithm>

namespace trevik {

std::optional<AlarmMinute> alarmMinuteOf(DateTime now) {
    const DayNumber day = dayNumberOf(now);
    if (!isCivilDay(day)) {
        return std::nullopt;
    }
    const TimeOfDay time = timeOfDayFromFraction(now);
    return AlarmMinute(day) * kMinutesPerDay + time.hour * 60 + time.minute;
}

DayNumber dayOfMinute(AlarmMinute minute) {
    return DayNumber(minute / kMinutesPerDay);
}

int minuteOfDay(AlarmMinute minute) {
    return int(minute % kMinutesPerDay);
}

std::optional<MinuteRange> AlarmSchedule::due(DateTime now) const {
    const std::optional<AlarmMinute> current = alarmMinuteOf(now);
    if (!current) {
        return std::nullopt;
    }
    if (!last_ || *last_ - *current > kCatchUpMinutes) {
        return MinuteRange{*current, *current};
    }
    if (*current <= *last_) {
        return std::nullopt;
    }
    return MinuteRange{std::max(*last_ + 1, *current - kCatchUpMinutes + 1), *current};
}

int millisecondsToNextMinute(DateTime now) {
    const TimeOfDay time = timeOfDayFromFraction(now);
    return 60000 - (time.second * 1000 + time.millisecond);
}

} // namespace trevik
