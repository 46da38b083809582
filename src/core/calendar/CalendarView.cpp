#include "calendar/CalendarView.h"

#include "storage/CalSet.h"

#include <algorithm>
#include <charconv>

namespace trevik {

namespace {

constexpr int kRowHeight = 16;

struct DayRange {
    DayNumber first;
    DayNumber last;
};

// Rows carry TimeText's "h:nn"; anything else sorts as midnight instead of throwing.
int minutesOf(const std::string& timeText) {
    const char* const end = timeText.data() + timeText.size();
    int hours = 0;
    int minutes = 0;
    const auto [colon, hoursError] = std::from_chars(timeText.data(), end, hours);
    if (hoursError != std::errc() || colon == end || *colon != ':' || hours < 0 || hours > 23) {
        return 0;
    }
    const auto [rest, minutesError] = std::from_chars(colon + 1, end, minutes);
    if (minutesError != std::errc() || rest != end || minutes < 0 || minutes > 59) {
        return 0;
    }
    return hours * 60 + minutes;
}

DayRange yearOf(int year) {
    return {dayNumberFromCivil({year, 1, 1}), dayNumberFromCivil({year, 12, 31})};
}

bool buildsDays(std::int32_t viewCode) {
    return viewCode >= kDayView && viewCode <= kAnniversaryView && viewCode != kToDoView;
}

DayRange rangeOfDays(DayNumber date, const ViewContext& context) {
    const CivilDate civil = civilFromDayNumber(date);
    switch (context.viewCode) {
    case kWeekView: {
        const DayNumber start = WeekStart(date, context.weekStartsMonday);
        return {start, start + 6};
    }
    case kMonthView:
        return {
            dayNumberFromCivil({civil.year, civil.month, 1}),
            dayNumberFromCivil({civil.year, civil.month, daysInMonth(civil.year, civil.month)})};
    case kYearView:
        return yearOf(civil.year);
    case kAnniversaryView:
        return yearOf(civilFromDayNumber(context.today).year);
    default:
        return {date, date};
    }
}

// The view's days, cut to the civil days; empty when the view is around no civil day at all.
DayRange rangeOf(DayNumber date, const ViewContext& context) {
    const DayNumber around = context.viewCode == kAnniversaryView ? context.today : date;
    if (!isCivilDay(around)) {
        return {1, 0};
    }
    const DayRange range = rangeOfDays(date, context);
    return {std::max(range.first, kFirstCivilDay), std::min(range.last, kLastCivilDay)};
}

// One occurrence: the day (counted from the view's first) and the row's index in the list.
struct Placed {
    std::uint32_t day;
    std::uint32_t row;
};

// Where a row goes among its day's rows: timed rows by minutes, then untimed rows, then
// to-do items (also a user type spelled "To Do").
std::uint32_t rankInDay(const CalendarRow& row) {
    constexpr std::uint32_t kUntimed = 24 * 60;
    if (!row.timeText.empty()) {
        return std::uint32_t(minutesOf(row.timeText));
    }
    return row.typeName == "To Do" ? kUntimed + 1 : kUntimed;
}

void buildToDo(CalendarRowList& rows, const std::filesystem::path& directory,
               const TypeNames& types, const ViewContext& context) {
    CalSet set(directory);
    set.OpenForReading();
    rows.clear();
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "To Do view";
    rows.append(std::move(header));
    CalendarEntry schedule;
    for (std::int32_t n = 1; n <= set.count(); ++n) {
        const std::uint8_t* record = set.recordBytes(n);
        decodeCalendarSchedule(record, schedule);
        if (OccursOn(schedule, context.today, context) && schedule.type == kToDoType) {
            CalendarEntry entry = decodeCalendarEntry(record);
            entry.type = schedule.type;
            rows.append(EntryRow(entry, types));
        }
    }
}

} // namespace

DayNumber WeekStart(DayNumber day, bool weekStartsMonday) {
    if (!isCivilDay(day)) {
        return day;
    }
    const int weekday = dayOfWeek(day); // 0 = Sunday
    if (!weekStartsMonday) {
        return day - weekday;
    }
    return day - (weekday == 0 ? 6 : weekday - 1);
}

CalendarRow EntryRow(const CalendarEntry& entry, const TypeNames& types) {
    CalendarRow row;
    row.recordId = std::uint32_t(entry.id);
    row.typeName = types.TypeNameText(entry.type);
    row.timeText = TimeText(entry.timeFrom);
    row.comment = entry.comment;
    row.addressMark = entry.addressLink != -1 ? 'A' : ' ';
    row.addressId = entry.addressLink;
    row.fileMark = entry.fileLink.empty() ? ' ' : 'F';
    row.fileLink = entry.fileLink;
    return row;
}

CalendarRow DayHeaderRow(DayNumber day, const Locale& locale) {
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = DayHeaderText(day, locale);
    return header;
}

CalendarBuild BuildCalendarView(CalendarRowList& rows, const std::filesystem::path& directory,
                                DayNumber date, const ViewContext& context, int gridHeight,
                                const Locale& locale) {
    CalendarBuild build;
    const std::int32_t view = context.viewCode;
    if (view == kToDoView) {
        buildToDo(rows, directory, TypeNames::load(directory), context);
    } else if (buildsDays(view)) {
        const DayRange range = rangeOf(date, context);
        const std::size_t dayCount =
            range.last >= range.first ? std::size_t(range.last - range.first + 1) : 0;
        const TypeNames types = TypeNames::load(directory);
        CalSet set(directory);
        set.OpenForReading();
        // Read: from here on nothing fails, so the old rows can go.
        rows.clear();
        // Each entry's row is made once, at its first occurrence, and placed by index on
        // every day it shows; a to-do item's type changes before its first occurrence.
        std::vector<std::uint32_t> rankOf; // by kept row: where it goes within its day
        std::vector<Placed> placed;
        CalendarEntry schedule;
        for (std::int32_t n = 1; n <= set.count(); ++n) {
            const std::uint8_t* record = set.recordBytes(n);
            decodeCalendarSchedule(record, schedule);
            constexpr std::uint32_t kNone = ~std::uint32_t{0};
            std::uint32_t row = kNone;
            ForEachOccurrence(schedule, range.first, range.last, context, [&](DayNumber day) {
                if (view != kAnniversaryView || schedule.repeat == kRepeatYearly) {
                    if (row == kNone) {
                        CalendarEntry entry = decodeCalendarEntry(record);
                        entry.type = schedule.type;
                        CalendarRow made = EntryRow(entry, types);
                        rankOf.push_back(rankInDay(made));
                        row = rows.keep(std::move(made));
                    }
                    placed.push_back({std::uint32_t(day - range.first), row});
                }
            });
        }
        // The occurrences by day, each day's in file order (a counting sort).
        std::vector<std::uint32_t> dayStart(dayCount + 1, 0);
        for (const Placed& p : placed) {
            ++dayStart[p.day + 1];
        }
        for (std::size_t d = 0; d < dayCount; ++d) {
            dayStart[d + 1] += dayStart[d];
        }
        std::vector<std::uint32_t> byDay(placed.size());
        {
            std::vector<std::uint32_t> next(dayStart.begin(), dayStart.end() - 1);
            for (const Placed& p : placed) {
                byDay[next[p.day]++] = p.row;
            }
        }
        placed = {};
        rows.reserve(byDay.size() + dayCount);
        const bool keepsEmptyDays = view == kDayView || view == kWeekView;
        for (DayNumber day = range.first; day <= range.last; ++day) {
            if (view == kWeekView && day == context.today) {
                build.calendarTopRow = rows.empty() ? 1 : rows.GridRowCount();
            }
            const std::size_t d = std::size_t(day - range.first);
            const auto first = byDay.begin() + dayStart[d];
            const auto last = byDay.begin() + dayStart[d + 1];
            if (first != last || keepsEmptyDays) {
                rows.append(DayHeaderRow(day, locale));
                // Timed rows by start time, then untimed rows, then to-do items; ties keep
                // file order. The anniversaries keep file order throughout.
                if (view != kAnniversaryView) {
                    std::stable_sort(first, last, [&](std::uint32_t a, std::uint32_t b) {
                        return rankOf[a] < rankOf[b];
                    });
                }
                for (auto at = first; at != last; ++at) {
                    rows.appendAgain(*at);
                }
            }
            if ((view == kMonthView || view == kYearView) && day + 1 == context.today) {
                build.calendarTopRow = rows.GridRowCount();
            }
        }
    }
    build.gridRowCount = std::max(rows.GridRowCount(), 2);
    const bool scrolls = view == kWeekView || view == kMonthView || view == kYearView;
    if (scrolls && rows.GridRowCount() < (gridHeight - kRowHeight) / kRowHeight) {
        build.calendarTopRow = 1;
    }
    return build;
}

int FindInCalendar(const CalendarRowList& rows, std::string_view text) {
    if (text.empty() || rows.empty()) {
        return 0;
    }
    for (int r = 1; r < rows.GridRowCount(); ++r) {
        const CalendarRow& row = *rows.at(r);
        if (!row.isDayHeader && StartsWithIgnoringCase(row.comment, text)) {
            return r;
        }
    }
    return 0;
}

} // namespace trevik
