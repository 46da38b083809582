#pragma once

#include "calendar/CalendarTexts.h"
#include "common/DateTime.h"
#include "common/Locale.h"
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

// A period as the planner names it in a day's tip.
struct PlannerPeriod {
    std::int32_t id = -1;
    std::string comment;
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    friend bool operator==(const PlannerPeriod&, const PlannerPeriod&) = default;
};

// Every day of `year` with its marks, reading the calendar and type files once. An empty
// calendar file, and a year outside 1900..9999, give no days at all. `periods`, when given,
// receives every period that covers a day of the year, in file order. Throws FileError when a
// file exists but cannot be read.
std::vector<PlannerDay> buildPlannerYear(const std::filesystem::path& directory, int year,
                                         std::vector<PlannerPeriod>* periods = nullptr);

// The tip of a planner day: one line per period of `periods` that covers `day`, its comment and
// its dates in the locale's short pattern ("Holiday: 30/12/2025 - 02/01/2026"); empty when none
// does.
std::string plannerDayTip(const std::vector<PlannerPeriod>& periods, DayNumber day,
                          const Locale& locale);

} // namespace trevik
