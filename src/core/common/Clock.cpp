#include "common/Clock.h"

#include <chrono>
#include <ctime>

namespace trevik {

DateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto point = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(point);
    const auto millis = duration_cast<milliseconds>(point.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    const CivilDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    // A leap second reads as the last second of its minute.
    const TimeOfDay time{local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                         int(millis < 0 ? millis + 1000 : millis)};
    return encodeDateTime(date, time);
}

std::int64_t SystemClock::unixSeconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

DayNumber today(const Clock& clock) {
    return dayNumberOf(clock.now());
}

DateTime NowToSecond(const Clock& clock) {
    const DateTime now = clock.now();
    TimeOfDay time = timeOfDayFromFraction(now);
    time.millisecond = 0;
    return double(dayNumberOf(now)) + timeFraction(time);
}

} // namespace trevik
