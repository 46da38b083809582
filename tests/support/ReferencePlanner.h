#pragma once

// The yearly planner built the plain way: for every day of the year, scan the calendar file and
// look each covering period's type up in the type file. Slow, and the oracle the one-read build
// must agree with.

#include "calendar/YearlyPlanner.h"
#include "storage/CalSet.h"
#include "support/ReferenceCalendar.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevik::test {

inline bool ReferenceCovers(const CalendarEntry& entry, DayNumber day) {
    if (!isCivilDay(entry.dateFrom) || !isCivilDay(entry.dateTo)) {
        return false;
    }
    return entry.dateFrom <= day && day <= entry.dateTo;
}

// The day's row, or nothing when the calendar file is empty.
inline bool ReferenceBuildPlannerDay(std::vector<PlannerDay>& rows,
                                     const std::filesystem::path& dir, DayNumber day) {
    CalSet set(dir);
    set.Open();
    if (set.NoCurrent()) {
        return false;
    }
    std::string marks;
    std::string periodId;
    for (set.First(); !set.AtEnd(); set.Next()) {
        const CalendarEntry& entry = set;
        if (!ReferenceCovers(entry, day)) {
            continue;
        }
        const std::string type = ReferenceTypeNameText(dir, entry.type);
        marks += type.empty() ? '#' : type.front();
        periodId = std::to_string(entry.id);
    }
    const CivilDate date = civilFromDayNumber(day);
    rows.push_back({date.month, date.day, marks, periodId.empty() ? -1 : std::stoi(periodId)});
    return true;
}

inline std::vector<PlannerDay> ReferenceBuildPlannerYear(const std::filesystem::path& dir,
                                                         int year) {
    std::vector<PlannerDay> rows;
    for (DayNumber day = dayNumberFromCivil({year, 1, 1});
         day <= dayNumberFromCivil({year, 12, 31}); ++day) {
        if (!ReferenceBuildPlannerDay(rows, dir, day)) {
            break;
        }
    }
    return rows;
}

} // namespace trevik::test
