#include "calendar/OccursOn.h"

namespace trevik {

namespace {

DayNumber dayOrNone(DayNumber day) {
    return isCivilDay(day) ? day : kNoDate;
}

double timeOrNone(double time) {
    return isTimeOfDay(time) ? time : kNoTime;
}

} // namespace

Schedule scheduleOf(const CalendarEntry& entry) {
    return {dayOrNone(entry.dateFrom), dayOrNone(entry.dateTo), timeOrNone(entry.timeFrom),
            timeOrNone(entry.timeTo), entry.repeat};
}

bool repeatMatches(const Schedule& schedule, DayNumber day) {
    switch (schedule.repeat) {
    case kRepeatDaily:
        return true;
    case kRepeatWeekly:
        return schedule.dateFrom != kNoDate && dayOfWeek(day) == dayOfWeek(schedule.dateFrom);
    case kRepeatMonthly:
        return schedule.dateFrom != kNoDate &&
               civilFromDayNumber(day).day == civilFromDayNumber(schedule.dateFrom).day;
    case kRepeatYearly: {
        if (schedule.dateFrom == kNoDate) {
            return false;
        }
        const CivilDate a = civilFromDayNumber(day);
        const CivilDate b = civilFromDayNumber(schedule.dateFrom);
        return a.day == b.day && a.month == b.month;
    }
    default:
        return false;
    }
}

bool isToDoItem(const Schedule& schedule) {
    return schedule.dateFrom == kNoDate && schedule.dateTo == kNoDate &&
           schedule.timeFrom == kNoTime && schedule.timeTo == kNoTime;
}

bool toDoHiddenOn(DayNumber day, const ViewContext& context) {
    const bool spanningView = context.viewCode == kWeekView || context.viewCode == kMonthView ||
                              context.viewCode == kYearView;
    return spanningView && day != context.today;
}

void clearStoredToDoType(CalendarEntry& entry, const Schedule& schedule) {
    if (entry.type == kToDoType && !isToDoItem(schedule)) {
        entry.type = -1;
    }
}

bool OccursOn(CalendarEntry& entry, DayNumber day, const ViewContext& context) {
    if (!isCivilDay(day)) {
        return false;
    }
    const Schedule s = scheduleOf(entry);
    clearStoredToDoType(entry, s);
    if (s.dateFrom != kNoDate && s.dateTo != kNoDate) {
        switch (context.datePeriodMode) {
        case 0:
            return false;
        case 1:
            return day == s.dateFrom || day == s.dateTo;
        default:
            return s.dateFrom <= day && day <= s.dateTo;
        }
    }
    if (s.dateFrom != kNoDate && day == s.dateFrom) {
        return true;
    }
    if (s.dateFrom == kNoDate && s.timeTo != kNoTime) {
        return true;
    }
    if (isToDoItem(s)) {
        if (toDoHiddenOn(day, context)) {
            return false;
        }
        entry.type = kToDoType;
        return true;
    }
    return repeatMatches(s, day);
}

} // namespace trevik
