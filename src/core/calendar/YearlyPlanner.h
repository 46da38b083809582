#pragma once

#include "calendar/CalendarTexts.h"
#include "common/DateTime.h"
#include "storage/CalSet.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trevik {

// One day of the yearly planner.
struct PlannerDay {
    int month = 1;
    int day = 1;
    // One character per period covering the day, in file order: the first letter of the
    // period's type name, or '#' for a period without one.
    std::string marks;
    // The id of the last period in file order that covers the day; -1 when none does.
    std::int32_t periodId = -1;
};

// Whether an entry is a period (a start and an end date, both civil days) that covers the day.
bool Covers(const CalendarEntry& entry, DayNumber day);

// Every day of `year` with its marks, reading the calendar and type files once. An empty
// calendar file, and a year outside 1900..9999, give no days at all.
std::vector<PlannerDay> BuildPlannerYear(const std::filesystem::path& directory, int year);

} // namespace trevik
