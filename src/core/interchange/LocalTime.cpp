#include "interchange/LocalTime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace trevik {

std::int64_t utcSecondsOfLocal(DateTime local) {
    const DayNumber day = dayNumberOf(local);
    const CivilDate date = civilFromDayNumber(day == kNoDate ? kFirstCivilDay : day);
    const TimeOfDay time = timeOfDayFromFraction(local);
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = -1;
    return std::int64_t(std::mktime(&tm));
}

std::optional<DateTime> localOfUtcSeconds(std::int64_t seconds) {
    // Beyond these the year leaves the civil days anyway.
    if (seconds < -2300000000ll || seconds > 253402300799ll) {
        return std::nullopt;
    }
    const std::time_t t = std::time_t(seconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) {
        return std::nullopt;
    }
    return localStamp(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                      tm.tm_sec);
}

std::optional<DateTime> localStamp(int year, int month, int day, int hour, int minute, int second) {
    if (!isValidCivilDate(year, month, day) || year < kFirstCivilYear || year > kLastCivilYear ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60) {
        return std::nullopt;
    }
    return encodeDateTime({year, month, day}, {hour, minute, std::min(second, 59), 0});
}

} // namespace trevik
