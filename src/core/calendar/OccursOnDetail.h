#pragma once

// The enumeration behind ForEachOccurrence; included by OccursOn.h only.

#include <algorithm>

namespace trevik {

bool RepeatMatches(const CalendarEntry& entry, DayNumber day);
bool IsToDoItem(const CalendarEntry& entry);
bool ToDoHiddenOn(DayNumber day, const ViewContext& context);

template <typename Visit>
void ForEachOccurrence(CalendarEntry& entry, DayNumber first, DayNumber last,
                       const ViewContext& context, Visit visit) {
    if (first > last) {
        return;
    }
    const auto everyDay = [&] {
        for (DayNumber day = first; day <= last; ++day) {
            visit(day);
        }
    };
    if (entry.dateFrom != kNoDate && entry.dateTo != kNoDate) { // a period
        if (context.datePeriodMode == 0) {
            return;
        }
        if (context.datePeriodMode == 1) {
            const DayNumber ends[] = {std::min(entry.dateFrom, entry.dateTo),
                                      std::max(entry.dateFrom, entry.dateTo)};
            for (std::size_t i = 0; i < 2; ++i) {
                if (ends[i] >= first && ends[i] <= last && (i == 0 || ends[1] != ends[0])) {
                    visit(ends[i]);
                }
            }
            return;
        }
        for (DayNumber day = std::max(first, entry.dateFrom); day <= std::min(last, entry.dateTo);
             ++day) {
            visit(day);
        }
        return;
    }
    if (entry.dateFrom == kNoDate) {
        if (entry.timeTo != kNoTime) {
            everyDay();
        } else if (IsToDoItem(entry)) {
            for (DayNumber day = first; day <= last; ++day) {
                if (!ToDoHiddenOn(day, context)) {
                    entry.type = kToDoType;
                    visit(day);
                }
            }
        } else if (entry.repeat == kRepeatDaily) {
            everyDay();
        }
        return;
    }
    // A dated entry: its own day, and the days its repeat rate gives.
    switch (entry.repeat) {
    case kRepeatDaily:
        everyDay();
        return;
    case kRepeatWeekly: {
        const int offset = ((dayOfWeek(entry.dateFrom) - dayOfWeek(first)) % 7 + 7) % 7;
        for (DayNumber day = first + offset; day <= last; day += 7) {
            visit(day);
        }
        return;
    }
    case kRepeatMonthly:
    case kRepeatYearly: {
        const CivilDate start = civilFromDayNumber(entry.dateFrom);
        const CivilDate from = civilFromDayNumber(first);
        const CivilDate to = civilFromDayNumber(last);
        for (int year = from.year; year <= to.year; ++year) {
            for (int month = 1; month <= 12; ++month) {
                if (entry.repeat == kRepeatYearly && month != start.month) {
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
        if (entry.dateFrom >= first && entry.dateFrom <= last) {
            visit(entry.dateFrom);
        }
        return;
    }
}

} // namespace trevik
