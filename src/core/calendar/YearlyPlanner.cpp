#include "calendar/YearlyPlanner.h"

#include "calendar/CalendarView.h"

#include <algorithm>

namespace trevik {

namespace {

// A damaged end (no civil day) makes no period, as a missing one does.
bool isPeriod(const CalendarEntry& entry) {
    return isCivilDay(entry.dateFrom) && isCivilDay(entry.dateTo);
}

} // namespace

std::vector<PlannerDay> buildPlannerYear(const std::filesystem::path& directory, int year,
                                         std::vector<PlannerPeriod>* periods) {
    if (year < kFirstCivilYear || year > kLastCivilYear) {
        return {};
    }
    const DayNumber first = dayNumberFromCivil({year, 1, 1});
    const DayNumber last = dayNumberFromCivil({year, 12, 31});
    std::vector<PlannerDay> days;
    days.reserve(std::size_t(last - first + 1));
    for (DayNumber day = first; day <= last; ++day) {
        const CivilDate date = civilFromDayNumber(day);
        days.push_back({date.month, date.day, {}, -1});
    }
    const TypeNames types = TypeNames::load(directory);
    bool anyEntry = false;
    forEachEntry(directory, [&](const CalendarEntry& entry) {
        anyEntry = true;
        if (!isPeriod(entry)) {
            return;
        }
        if (entry.dateTo < first || entry.dateFrom > last) {
            return;
        }
        if (periods != nullptr) {
            periods->push_back({entry.id, entry.comment, entry.dateFrom, entry.dateTo});
        }
        const std::string& type = types.TypeNameText(entry.type);
        const char mark = type.empty() ? '#' : type.front();
        for (DayNumber day = std::max(first, entry.dateFrom); day <= std::min(last, entry.dateTo);
             ++day) {
            PlannerDay& planner = days[std::size_t(day - first)];
            planner.marks += mark;
            planner.periodId = entry.id;
        }
    });
    if (!anyEntry) {
        days.clear();
    }
    return days;
}

std::string plannerDayTip(const std::vector<PlannerPeriod>& periods, DayNumber day,
                          const Locale& locale) {
    std::string tip;
    for (const PlannerPeriod& period : periods) {
        if (!isCivilDay(period.dateFrom) || !isCivilDay(period.dateTo) || day < period.dateFrom ||
            day > period.dateTo) {
            continue;
        }
        if (!tip.empty()) {
            tip += '\n';
        }
        tip += period.comment + ": " + ShortDateText(period.dateFrom, locale) + " - " +
               ShortDateText(period.dateTo, locale);
    }
    return tip;
}

} // namespace trevik
