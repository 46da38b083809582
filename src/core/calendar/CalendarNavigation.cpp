#include "calendar/CalendarNavigation.h"

#include "calendar/ViewCodes.h"

#include <algorithm>

namespace trevik {

DayNumber AddMonths(DayNumber day, int months) {
    const CivilDate date = civilFromDayNumber(day);
    const int index = date.year * 12 + (date.month - 1) + months;
    const int year = index >= 0 ? index / 12 : (index - 11) / 12;
    const int month = index - year * 12 + 1;
    return dayNumberFromCivil({year, month, std::min(date.day, daysInMonth(year, month))});
}

bool ViewMovesByDate(std::int32_t viewCode) {
    return viewCode >= kDayView && viewCode <= kYearView;
}

DayNumber StepCalendarDate(DayNumber date, std::int32_t viewCode, int direction) {
    switch (viewCode) {
    case kDayView:
        return date + direction;
    case kWeekView:
        return date + 7 * direction;
    case kMonthView:
        return AddMonths(date, direction);
    case kYearView:
        return AddMonths(date, 12 * direction);
    default:
        return date;
    }
}

} // namespace trevik
