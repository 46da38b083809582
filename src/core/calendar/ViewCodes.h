#pragma once

#include <cstdint>

namespace trevik {

// The calendar pane's views, as stored in the settings file.
enum CalendarViewCode : std::int32_t {
    kDayView = 101,
    kWeekView = 102,
    kMonthView = 103,
    kYearView = 104,
    kToDoView = 105,
    kAnniversaryView = 106,
};

} // namespace trevik
