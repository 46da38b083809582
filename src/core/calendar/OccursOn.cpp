#include "calendar/OccursOn.h"

namespace trevik {

bool RepeatMatches(const CalendarEntry& entry, DayNumber day) {
    switch (entry.repeat) {
    case kRepeatDaily:
        return true;
    case kRepeatWeekly:
        return entry.dateFrom != kNoDate && dayOfWeek(day) == dayOfWeek(entry.dateFrom);
    case kRepeatMonthly:
        return entry.dateFrom != kNoDate &&
               civilFromDayNumber(day).day == civilFromDayNumber(entry.dateFrom).day;
    case kRepeatYearly: {
        if (entry.dateFrom == kNoDate) {
            return false;
        }
        const CivilDate a = civilFromDayNumber(day);
        const CivilDate b = civilFromDayNumber(entry.dateFrom);
        return a.day == b.day && a.month == b.month;
    }
    default:
        return false;
    }
}

bool IsToDoItem(const CalendarEntry& entry) {
    return entry.dateFrom == kNoDate && entry.dateTo == kNoDate && entry.timeFrom == kNoTime &&
           entry.timeTo == kNoTime;
}

bool ToDoHiddenOn(DayNumber day, const ViewContext& context) {
    const bool spanningView = context.viewCode == kWeekView || context.viewCode == kMonthView ||
                              context.viewCode == kYearView;
    return spanningView && day != context.today;
}

bool OccursOn(CalendarEntry& entry, DayNumber day, const ViewContext& context) {
    if (entry.dateFrom != kNoDate && entry.dateTo != kNoDate) {
        switch (context.datePeriodMode) {
        case 0:
            return false;
        case 1:
            return day == entry.dateFrom || day == entry.dateTo;
        default:
            return entry.dateFrom <= day && day <= entry.dateTo;
        }
    }
    if (entry.dateFrom != kNoDate && day == entry.dateFrom) {
        return true;
    }
    if (entry.dateFrom == kNoDate && entry.timeTo != kNoTime) {
        return true;
    }
    if (IsToDoItem(entry)) {
        if (ToDoHiddenOn(day, context)) {
            return false;
        }
        entry.type = kToDoType;
        return true;
    }
    return RepeatMatches(entry, day);
}

} // namespace trevik
