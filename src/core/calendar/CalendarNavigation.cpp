#include "calendar/CalendarNavigation.h"

#include "calendar/ViewCodes.h"

#include <algorithm>

namespace trevik {

DayNumber addMonths(DayNumber day, int months) {
    if (!isCivilDay(day)) {
        return day;
    }
    const CivilDate date = civilFromDayNumber(day);
    const std::int64_t index =
        std::int64_t(date.year) * 12 + (date.month - 1) + std::int64_t(months);
    const std::int64_t year = index >= 0 ? index / 12 : (index - 11) / 12;
    if (year < kFirstCivilYear || year > kLastCivilYear) {
        return day;
    }
    const int month = int(index - year * 12) + 1;
    return dayNumberFromCivil(
        {int(year), month, std::min(date.day, daysInMonth(int(year), month))});
}

bool viewMovesByDate(std::int32_t viewCode) {
    return viewCode >= kDayView && viewCode <= kYearView;
}

DayNumber stepCalendarDate(DayNumber date, std::int32_t viewCode, int direction) {
    if (!isCivilDay(date)) {
        return date;
    }
    std::int64_t moved = date;
    switch (viewCode) {
    case kDayView:
        moved += direction;
        break;
    case kWeekView:
        moved += std::int64_t(7) * direction;
        break;
    case kMonthView:
        moved = addMonths(date, direction);
        break;
    case kYearView:
        moved = addMonths(date, 12 * direction);
        break;
    default:
        break;
    }
    // The date never leaves the civil days: at either end the buttons stay put.
    return moved >= kFirstCivilDay && moved <= kLastCivilDay ? DayNumber(moved) : date;
}

} // namespace trevik
