#pragma once

// The enumeration behind forEachOccurrence; included by OccursOn.h only.

#include <algorithm>

namespace trevik {

// The fields the rules read, each damaged one (see isCivilDay, isTimeOfDay) read as absent,
// so that a damaged date behaves as no date and a damaged time as no time.
struct Schedule {
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    double timeFrom = kNoTime;
    double timeTo = kNoTime;
    std::int16_t repeat = kRepeatUnset;
};

Schedule scheduleOf(const CalendarEntry& entry);
bool repeatMatches(const Schedule& schedule, DayNumber day);
bool isToDoItem(const Schedule& schedule);
bool toDoHiddenOn(DayNumber day, const ViewContext& context);
// The to-do type is only ever given in memory; read from a file on any other entry it is
// damage and names no type.
void clearStoredToDoType(CalendarEntry& entry, const Schedule& schedule);

template <typename Visit>
void forEachOccurrence(CalendarEntry& entry, DayNumber first, DayNumber last,
                       const ViewContext& context, Visit visit) {
    // Nothing occurs outside the civil days, and clamping here keeps every loop below from
    // reaching the int32 ends.
    first = std::max(first, kFirstCivilDay);
    last = std::min(last, kLastCivilDay);
    if (first > last) {
        return;
    }
    const Schedule s = scheduleOf(entry);
    clearStoredToDoType(entry, s);
    const auto everyDay = [&] {
        for (DayNumber day = first; day <= last; ++day) {
            visit(day);
        }
    };
    if (s.dateFrom != kNoDate && s.dateTo != kNoDate) { // a period
        if (context.datePeriodMode == 0) {
            return;
        }
        if (context.datePeriodMode == 1) {
            const DayNumber ends[] = {std::min(s.dateFrom, s.dateTo),
                                      std::max(s.dateFrom, s.dateTo)};
            for (std::size_t i = 0; i < 2; ++i) {
                if (ends[i] >= first && ends[i] <= last && (i == 0 || ends[1] != ends[0])) {
                    visit(ends[i]);
                }
            }
            return;
        }
        for (DayNumber day = std::max(first, s.dateFrom); day <= std::min(last, s.dateTo); ++day) {
            visit(day);
        }
        return;
    }
    if (s.dateFrom == kNoDate) {
        if (s.timeTo != kNoTime) {
            everyDay();
        } else if (isToDoItem(s)) {
            for (DayNumber day = first; day <= last; ++day) {
                if (!toDoHiddenOn(day, context)) {
                    entry.type = kToDoType;
                    visit(day);
                }
            }
        } else if (s.repeat == kRepeatDaily) {
            everyDay();
        }
        return;
    }
    // A dated entry: its own day, and the days its repeat rate gives.
    switch (s.repeat) {
    case kRepeatDaily:
        everyDay();
        return;
    case kRepeatWeekly: {
        const int offset = ((dayOfWeek(s.dateFrom) - dayOfWeek(first)) % 7 + 7) % 7;
        for (DayNumber day = first + offset; day <= last; day += 7) {
            visit(day);
        }
        return;
    }
    case kRepeatMonthly:
    case kRepeatYearly: {
        const CivilDate start = civilFromDayNumber(s.dateFrom);
        const CivilDate from = civilFromDayNumber(first);
        const CivilDate to = civilFromDayNumber(last);
        for (int year = from.year; year <= to.year; ++year) {
            for (int month = 1; month <= 12; ++month) {
                if (s.repeat == kRepeatYearly && month != start.month) {
                    continue;
                }
                if (!isValidCivilDate(year, month, start.day)) {
                    continue;
                }
                const DayNumber day = dayNumberFromCivil({year, month, start.day});
                if (day >= first && day <= last) {
                    visit(day);
                }
            }
        }
        return;
    }
    default:
        if (s.dateFrom >= first && s.dateFrom <= last) {
            visit(s.dateFrom);
        }
        return;
    }
}

} // namespace trevik
