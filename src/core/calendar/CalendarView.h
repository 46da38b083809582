#pragma once

#include "calendar/CalendarRows.h"
#include "calendar/CalendarTexts.h"
#include "calendar/OccursOn.h"
#include "common/Locale.h"
#include "storage/CalSet.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace trevik {

// The calendar and type files as one build needs them: each read once.
struct CalendarData {
    std::vector<CalendarEntry> entries; // in file order
    TypeNames types;
};
CalendarData LoadCalendarData(const std::filesystem::path& directory);

struct CalendarBuild {
    std::int32_t calendarTopRow = 1;
    // GridRowCount of the rows, but at least 2: an empty view keeps one blank row.
    int gridRowCount = 2;
};

// Rebuilds `rows` for the view `context.viewCode` around `date`. `gridHeight` is the grid's
// height in pixels, which decides whether a long view scrolls to today. A view code outside
// 101..106 builds nothing and leaves the rows as they were.
CalendarBuild BuildCalendarView(CalendarRowList& rows, const CalendarData& data, DayNumber date,
                                const ViewContext& context, int gridHeight, const Locale& locale);

// Appends one day's entry rows (given in file order): timed rows by start time, then
// untimed rows, then to-do items; ties keep file order.
void MergeDayRows(CalendarRowList& rows, const std::vector<CalendarRow>& dayRows);

// The entry row of one calendar entry.
CalendarRow EntryRow(const CalendarEntry& entry, const TypeNames& types);
CalendarRow DayHeaderRow(DayNumber day, const Locale& locale);

// The first entry row (grid row number) whose comment starts with `text` in any letter case,
// or 0 when the text is empty or no row matches.
int FindInCalendar(const CalendarRowList& rows, std::string_view text, const Locale& locale);

// The first day of the week that holds `day`.
DayNumber WeekStart(DayNumber day, bool weekStartsMonday);

} // namespace trevik
