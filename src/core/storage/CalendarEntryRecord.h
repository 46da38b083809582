#pragma once

#include "common/DateTime.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace trevik {

enum RepeatRate : std::int16_t {
    kRepeatUnset = -1,
    kRepeatNone = 0,
    kRepeatDaily = 1,
    kRepeatWeekly = 2,
    kRepeatMonthly = 3,
    kRepeatYearly = 4,
};

// One calendar entry. Absent dates are kNoDate, absent times kNoTime, no link or type -1.
struct CalendarEntry {
    std::int32_t id = 0;
    DateTime updated = 0;
    DateTime created = 0;
    std::int32_t originUid = 0;
    std::int32_t addressLink = -1;
    std::string comment;
    std::int16_t type = -1;
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    double timeFrom = kNoTime;
    double timeTo = kNoTime;
    double alarm = kNoTime;
    std::uint8_t flag = 0;
    std::string fileLink;
    std::int16_t repeat = kRepeatUnset;
};

inline constexpr std::size_t kCalendarRecordSize = 164;
// The widths of the two texts of the calendar record.
inline constexpr std::size_t kCommentWidth = 30;
inline constexpr std::size_t kFileLinkWidth = 65;

// The 164-byte calendar record <-> an entry. Encoding writes only the bytes the layout
// defines: the rest of `record` is kept.
CalendarEntry decodeCalendarEntry(const std::uint8_t* record);
void encodeCalendarEntry(const CalendarEntry& entry, std::uint8_t* record);
// Only the fields that decide on which days an entry shows: type, dates, times and repeat.
// The other fields of `entry` are left as they were.
void decodeCalendarSchedule(const std::uint8_t* record, CalendarEntry& entry);

} // namespace trevik
