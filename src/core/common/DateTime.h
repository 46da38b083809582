#pragma once

#include <cstdint>

namespace trevik {

// A point in time as stored in the record files: days since 1899-12-30 00:00 local time,
// the integer part the date, the fraction the time of day.
using DateTime = double;
// The integer part of a DateTime; -1 means no date.
using DayNumber = std::int32_t;

constexpr DayNumber kNoDate = -1;
constexpr double kNoTime = -1.0;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

bool isValidCivilDate(int year, int month, int day);
DayNumber dayNumberFromCivil(const CivilDate& date);
CivilDate civilFromDayNumber(DayNumber day);
// 0 = Sunday ... 6 = Saturday.
int dayOfWeek(DayNumber day);
int daysInMonth(int year, int month);

// The fraction of a day for a time of day, computed in milliseconds so that equal clock
// readings always give bit-identical values.
double timeFraction(const TimeOfDay& time);
// The time of day of a fraction (or of the fraction part of a DateTime), to the millisecond.
TimeOfDay timeOfDayFromFraction(double fraction);

DateTime encodeDateTime(const CivilDate& date, const TimeOfDay& time);
DayNumber dayNumberOf(DateTime value);

} // namespace trevik
