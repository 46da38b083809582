#include "calendar/CalendarView.h"

#include "storage/CalSet.h"
#include "storage/RecordStream.h"

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
        const DayNumber start = weekStart(date, context.weekStartsMonday);
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
    RecordStream stream(directory, CalSet::kFileName, CalSet::kRecordSize);
    stream.Open();
    CalendarRowList built;
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "To Do view";
    built.append(std::move(header));
    CalendarEntry schedule;
    while (const std::uint8_t* record = stream.next()) {
        decodeCalendarSchedule(record, schedule);
        if (OccursOn(schedule, context.today, context) && schedule.type == kToDoType) {
            CalendarEntry entry = decodeCalendarEntry(record);
            entry.type = schedule.type;
            built.append(entryRow(entry, types));
        }
    }
    rows = std::move(built);
}

// The rows of the days of `range`, each entry's row made once and shown by index on its
// days. A short view is made in one pass over the calendar file; a long one in two under one
// lock, the first counting each day's rows so that the second can put every index straight
// into its place: the year needs no list of its 150,000 occurrences and nothing that grows.
CalendarRowList buildDays(const std::filesystem::path& directory, const DayRange& range,
                          const ViewContext& context, const Locale& locale, CalendarBuild& build) {
    const std::int32_t view = context.viewCode;
    const std::size_t dayCount =
        range.last >= range.first ? std::size_t(range.last - range.first + 1) : 0;
    const bool onePass = dayCount <= 31;
    const TypeNames types = TypeNames::load(directory);
    RecordStream stream(directory, CalSet::kFileName, CalSet::kRecordSize);
    stream.Open();
    CalendarRowList rows;
    std::vector<std::uint32_t> rankOf; // by kept row: where it goes among its day's rows
    CalendarEntry schedule;
    const auto forEachDay = [&](auto visit) {
        // The anniversaries show the yearly entries alone.
        if (view != kAnniversaryView || schedule.repeat == kRepeatYearly) {
            forEachOccurrence(schedule, range.first, range.last, context, visit);
        }
    };
    // A to-do item's type changes before its first occurrence: the row is made then.
    const auto makeRow = [&](const std::uint8_t* record) {
        CalendarEntry entry = decodeCalendarEntry(record);
        entry.type = schedule.type;
        CalendarRow made = entryRow(entry, types);
        const std::uint32_t rank = rankInDay(made);
        const std::uint32_t row = rows.keep(std::move(made));
        if (rankOf.size() <= row) {
            rankOf.resize(row + 1);
        }
        rankOf[row] = rank;
        return row;
    };
    constexpr std::uint32_t kNone = ~std::uint32_t{0};

    std::vector<std::uint32_t> perDay(dayCount, 0);
    std::vector<Placed> placed; // one pass only
    std::size_t shownEntries = 0;
    while (const std::uint8_t* record = stream.next()) {
        decodeCalendarSchedule(record, schedule);
        std::uint32_t row = kNone;
        bool shown = false;
        forEachDay([&](DayNumber day) {
            const auto d = std::uint32_t(day - range.first);
            ++perDay[d];
            shown = true;
            if (onePass) {
                if (row == kNone) {
                    row = makeRow(record);
                }
                placed.push_back({d, row});
            }
        });
        shownEntries += shown ? 1 : 0;
    }

    // Where each day's header goes; its entries follow it.
    constexpr std::uint32_t kNoHeader = ~std::uint32_t{0};
    std::vector<std::uint32_t> headerAt(dayCount, kNoHeader);
    std::size_t total = 0;
    std::size_t headers = 0;
    const bool keepsEmptyDays = view == kDayView || view == kWeekView;
    for (DayNumber day = range.first; day <= range.last; ++day) {
        const std::size_t d = std::size_t(day - range.first);
        if (view == kWeekView && day == context.today) {
            build.calendarTopRow = total == 0 ? 1 : std::int32_t(total + 1);
        }
        if (perDay[d] != 0 || keepsEmptyDays) {
            headerAt[d] = std::uint32_t(total);
            total += 1 + perDay[d];
            ++headers;
        }
        if ((view == kMonthView || view == kYearView) && day + 1 == context.today) {
            build.calendarTopRow = total == 0 ? 0 : std::int32_t(total + 1);
        }
    }

    rows.reserve(shownEntries + headers, 0);
    rankOf.reserve(shownEntries + headers);
    std::uint32_t* const slots = rows.appendSlots(total);
    std::vector<std::uint32_t>& next = perDay; // now the next free place of each day
    for (DayNumber day = range.first; day <= range.last; ++day) {
        const std::size_t d = std::size_t(day - range.first);
        if (headerAt[d] != kNoHeader) {
            slots[headerAt[d]] = rows.keep(dayHeaderRow(day, locale));
            next[d] = headerAt[d] + 1;
        }
    }
    if (onePass) {
        for (const Placed& p : placed) {
            slots[next[p.day]++] = p.row;
        }
    } else {
        stream.Rewind();
        while (const std::uint8_t* record = stream.next()) {
            decodeCalendarSchedule(record, schedule);
            std::uint32_t row = kNone;
            forEachDay([&](DayNumber day) {
                if (row == kNone) {
                    row = makeRow(record);
                }
                slots[next[std::size_t(day - range.first)]++] = row;
            });
        }
    }
    rankOf.resize(rows.keptCount());
    // Timed rows by start time, then untimed rows, then to-do items; ties keep file order.
    // The anniversaries keep file order throughout.
    if (view != kAnniversaryView) {
        for (std::size_t d = 0; d < dayCount; ++d) {
            if (headerAt[d] != kNoHeader) {
                std::stable_sort(
                    slots + headerAt[d] + 1, slots + next[d],
                    [&](std::uint32_t a, std::uint32_t b) { return rankOf[a] < rankOf[b]; });
            }
        }
    }
    return rows;
}

} // namespace

DayNumber weekStart(DayNumber day, bool weekStartsMonday) {
    if (!isCivilDay(day)) {
        return day;
    }
    const int weekday = dayOfWeek(day); // 0 = Sunday
    if (!weekStartsMonday) {
        return day - weekday;
    }
    return day - (weekday == 0 ? 6 : weekday - 1);
}

CalendarRow entryRow(const CalendarEntry& entry, const TypeNames& types) {
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

CalendarRow dayHeaderRow(DayNumber day, const Locale& locale) {
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
        rows = buildDays(directory, rangeOf(date, context), context, locale, build);
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
        if (!row.isDayHeader && startsWithIgnoringCase(row.comment, text)) {
            return r;
        }
    }
    return 0;
}

} // namespace trevik
