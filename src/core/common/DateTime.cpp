#include "common/DateTime.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace trevik {

namespace {

using namespace std::chrono;

// 1899-12-30 is day 0; the Unix epoch 1970-01-01 is day 25569.
constexpr int kEpochOffsetDays = 25569;
constexpr std::int64_t kMillisecondsPerDay = 86400000;

// In 64 bits, so that the int32 ends of a damaged field do not overflow.
days sinceUnixEpoch(DayNumber day) {
    return days{std::int64_t(day) - kEpochOffsetDays};
}

} // namespace

bool isValidCivilDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    return year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                          std::chrono::day{unsigned(day)}}
        .ok();
}

DayNumber dayNumberFromCivil(const CivilDate& date) {
    const sys_days days{year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{unsigned(date.month)},
                                       std::chrono::day{unsigned(date.day)}}};
    return static_cast<DayNumber>(days.time_since_epoch().count() + kEpochOffsetDays);
}

CivilDate civilFromDayNumber(DayNumber day) {
    const year_month_day ymd{sys_days{sinceUnixEpoch(day)}};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

int dayOfWeek(DayNumber day) {
    return int(weekday{sys_days{sinceUnixEpoch(day)}}.c_encoding());
}

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    const year_month_day_last last{std::chrono::year{year},
                                   month_day_last{std::chrono::month{unsigned(month)}}};
    return int(unsigned(last.day()));
}

double timeFraction(const TimeOfDay& time) {
    const std::int64_t ms = std::int64_t(time.hour) * 3600000 + std::int64_t(time.minute) * 60000 +
                            std::int64_t(time.second) * 1000 + time.millisecond;
    return double(ms) / double(kMillisecondsPerDay);
}

TimeOfDay timeOfDayFromFraction(double fraction) {
    if (!std::isfinite(fraction)) {
        return {};
    }
    double whole = 0;
    double part = std::modf(fraction, &whole);
    if (part < 0) {
        part = -part;
    }
    std::int64_t ms = std::llround(part * double(kMillisecondsPerDay));
    if (ms >= kMillisecondsPerDay) {
        ms = kMillisecondsPerDay - 1;
    }
    return {int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
}

DateTime encodeDateTime(const CivilDate& date, const TimeOfDay& time) {
    return double(dayNumberFromCivil(date)) + timeFraction(time);
}

DayNumber dayNumberOf(DateTime value) {
    const double whole = std::trunc(value);
    // Written so that NaN fails the test too: converting it, or a value beyond an int32, is
    // undefined.
    if (!(whole >= double(std::numeric_limits<DayNumber>::min()) &&
          whole <= double(std::numeric_limits<DayNumber>::max()))) {
        return kNoDate;
    }
    return static_cast<DayNumber>(whole);
}

} // namespace trevik
