#include "calendar/CalendarView.h"

#include "storage/CalSet.h"

#include <algorithm>
#include <charconv>
#include <optional>

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

void buildToDo(CalendarRowList& rows, const std::filesystem::path& directory,
               const TypeNames& types, const ViewContext& context) {
    rows.clear();
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "To Do view";
    rows.append(std::move(header));
    ForEachEntry(directory, [&](CalendarEntry& entry) {
        if (OccursOn(entry, context.today, context) && entry.type == kToDoType) {
            rows.append(EntryRow(entry, types));
        }
    });
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

void MergeDayRows(CalendarRowList& rows, std::vector<CalendarRow> dayRows) {
    std::vector<std::pair<int, std::size_t>> timed; // (minutes, position in file order)
    std::vector<std::size_t> untimed;
    std::vector<std::size_t> toDo;
    for (std::size_t i = 0; i < dayRows.size(); ++i) {
        const CalendarRow& row = dayRows[i];
        if (!row.timeText.empty()) {
            timed.emplace_back(minutesOf(row.timeText), i);
        } else {
            (row.typeName == "To Do" ? toDo : untimed).push_back(i);
        }
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : timed) {
        rows.append(std::move(dayRows[entry.second]));
    }
    for (const std::vector<std::size_t>* group : {&untimed, &toDo}) {
        for (const std::size_t i : *group) {
            rows.append(std::move(dayRows[i]));
        }
    }
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
        std::vector<std::vector<CalendarRow>> days(std::size_t(range.last - range.first + 1));
        const TypeNames types = TypeNames::load(directory);
        ForEachEntry(directory, [&](CalendarEntry& entry) {
            // The row is made at the first occurrence and copied for the others; only a
            // to-do item's type changes while it is placed, and it changes before its first.
            std::optional<CalendarRow> row;
            ForEachOccurrence(entry, range.first, range.last, context, [&](DayNumber day) {
                if (view != kAnniversaryView || entry.repeat == kRepeatYearly) {
                    if (!row) {
                        row = EntryRow(entry, types);
                    }
                    days[std::size_t(day - range.first)].push_back(*row);
                }
            });
        });
        rows.clear();
        const bool keepsEmptyDays = view == kDayView || view == kWeekView;
        for (DayNumber day = range.first; day <= range.last; ++day) {
            if (view == kWeekView && day == context.today) {
                build.calendarTopRow = rows.empty() ? 1 : rows.GridRowCount();
            }
            std::vector<CalendarRow>& entries = days[std::size_t(day - range.first)];
            if (!entries.empty() || keepsEmptyDays) {
                rows.append(DayHeaderRow(day, locale));
                if (view == kAnniversaryView) {
                    for (CalendarRow& row : entries) {
                        rows.append(std::move(row));
                    }
                } else {
                    MergeDayRows(rows, std::move(entries));
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
