#pragma once

#include "calendar/CalendarRows.h"
#include "calendar/CalendarTexts.h"
#include "calendar/OccursOn.h"
#include "common/Locale.h"
#include "storage/CalSet.h"
#include "storage/RecordStream.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace trevik {

struct CalendarBuild {
    std::int32_t calendarTopRow = 1;
    // GridRowCount of the rows, but at least 2: an empty view keeps one blank row.
    int gridRowCount = 2;
};

// Rebuilds `rows` for the view `context.viewCode` around `date` from the calendar and type
// files of `directory`, reading each once. `gridHeight` is the grid's height in pixels, which
// decides whether a long view scrolls to today. A view code outside 101..106 builds nothing
// and leaves the rows as they were. Only civil days are listed: a view around a day that is
// no civil day (for the anniversaries, a today that is none) is empty, and a week at an end
// of the civil days stops there.
CalendarBuild BuildCalendarView(CalendarRowList& rows, const std::filesystem::path& directory,
                                DayNumber date, const ViewContext& context, int gridHeight,
                                const Locale& locale);

// Calls `visit(entry)` for every entry of the calendar file in file order. The entry is the
// file's current record: changing it changes nothing on disk. Throws FileError when the file
// exists but cannot be read.
template <typename Visit> void forEachEntry(const std::filesystem::path& directory, Visit visit) {
    // Through a small buffer: a scan that keeps nothing needs no copy of the whole file.
    RecordStream stream(directory, CalSet::kFileName, CalSet::kRecordSize);
    stream.Open();
    while (const std::uint8_t* record = stream.next()) {
        CalendarEntry entry = decodeCalendarEntry(record);
        visit(entry);
    }
}

// The entry row of one calendar entry.
CalendarRow entryRow(const CalendarEntry& entry, const TypeNames& types);
CalendarRow dayHeaderRow(DayNumber day, const Locale& locale);

// The first entry row (grid row number) whose comment starts with `text` in any letter case,
// or 0 when the text is empty or no row matches.
int FindInCalendar(const CalendarRowList& rows, std::string_view text);

// The first day of the week that holds `day`; a day that is no civil day stays as it is.
DayNumber weekStart(DayNumber day, bool weekStartsMonday);

} // namespace trevik
