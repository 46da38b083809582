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

// The days a date field can name: 1900-01-01 (day 2) to 9999-12-31. Any other day number in
// a record, such as an int32 end or the day 0 of a zeroed record, is damage and reads as no date.
constexpr DayNumber kFirstCivilDay = 2;
constexpr DayNumber kLastCivilDay = 2958465;
constexpr int kFirstCivilYear = 1900;
constexpr int kLastCivilYear = 9999;

constexpr bool isCivilDay(DayNumber day) {
    return day >= kFirstCivilDay && day <= kLastCivilDay;
}

// A time field holds a fraction of a day, 0 <= time < 1. NaN, infinities, negative values
// other than kNoTime and values of a day or more are damage and read as no time.
constexpr bool isTimeOfDay(double time) {
    return time >= 0.0 && time < 1.0; // false for NaN
}

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
// Defined for every int32; the result means something for years the calendar types hold
// (within 32767 years of year 0), which every civil day is.
CivilDate civilFromDayNumber(DayNumber day);
// 0 = Sunday ... 6 = Saturday, for every int32.
int dayOfWeek(DayNumber day);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// The fraction of a day for a time of day, computed in milliseconds so that equal clock
// readings always give bit-identical values.
double timeFraction(const TimeOfDay& time);
// The time of day of a fraction (or of the fraction part of a DateTime), to the millisecond;
// midnight for NaN and the infinities.
TimeOfDay timeOfDayFromFraction(double fraction);

DateTime encodeDateTime(const CivilDate& date, const TimeOfDay& time);
// The whole days of a date-time; kNoDate for NaN, infinities and values beyond an int32.
DayNumber dayNumberOf(DateTime value);

} // namespace trevik
