#include "calendar/CalendarView.h"

#include "storage/CalSet.h"

#include <algorithm>

namespace trevik {

namespace {

constexpr int kRowHeight = 16;

struct DayRange {
    DayNumber first;
    DayNumber last;
};

int minutesOf(const std::string& timeText) {
    const auto colon = timeText.find(':');
    return std::stoi(timeText.substr(0, colon)) * 60 + std::stoi(timeText.substr(colon + 1));
}

DayRange yearOf(int year) {
    return {dayNumberFromCivil({year, 1, 1}), dayNumberFromCivil({year, 12, 31})};
}

bool buildsDays(std::int32_t viewCode) {
    return viewCode >= kDayView && viewCode <= kAnniversaryView && viewCode != kToDoView;
}

DayRange rangeOf(DayNumber date, const ViewContext& context) {
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

void buildToDo(CalendarRowList& rows, const CalendarData& data, const ViewContext& context) {
    rows.clear();
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "To Do view";
    rows.append(std::move(header));
    for (CalendarEntry entry : data.entries) {
        if (OccursOn(entry, context.today, context) && entry.type == kToDoType) {
            rows.append(EntryRow(entry, data.types));
        }
    }
}

} // namespace

CalendarData LoadCalendarData(const std::filesystem::path& directory) {
    CalendarData data;
    {
        CalSet set(directory);
        set.Open();
        data.entries.reserve(std::size_t(set.count()));
        if (!set.NoCurrent()) {
            set.First();
            while (!set.AtEnd()) {
                data.entries.push_back(static_cast<const CalendarEntry&>(set));
                set.Next();
            }
        }
    }
    data.types = TypeNames::load(directory);
    return data;
}

DayNumber WeekStart(DayNumber day, bool weekStartsMonday) {
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

void MergeDayRows(CalendarRowList& rows, const std::vector<CalendarRow>& dayRows) {
    std::vector<const CalendarRow*> timed;
    for (const CalendarRow& row : dayRows) {
        if (!row.timeText.empty()) {
            timed.push_back(&row);
        }
    }
    std::stable_sort(timed.begin(), timed.end(), [](const CalendarRow* a, const CalendarRow* b) {
        return minutesOf(a->timeText) < minutesOf(b->timeText);
    });
    for (const CalendarRow* row : timed) {
        rows.append(*row);
    }
    for (const bool toDo : {false, true}) {
        for (const CalendarRow& row : dayRows) {
            if (row.timeText.empty() && (row.typeName == "To Do") == toDo) {
                rows.append(row);
            }
        }
    }
}

CalendarBuild BuildCalendarView(CalendarRowList& rows, const CalendarData& data, DayNumber date,
                                const ViewContext& context, int gridHeight, const Locale& locale) {
    CalendarBuild build;
    const std::int32_t view = context.viewCode;
    if (view == kToDoView) {
        buildToDo(rows, data, context);
    } else if (buildsDays(view)) {
        const DayRange range = rangeOf(date, context);
        std::vector<std::vector<CalendarRow>> days(std::size_t(range.last - range.first + 1));
        for (CalendarEntry entry : data.entries) {
            ForEachOccurrence(entry, range.first, range.last, context, [&](DayNumber day) {
                if (view != kAnniversaryView || entry.repeat == kRepeatYearly) {
                    days[std::size_t(day - range.first)].push_back(EntryRow(entry, data.types));
                }
            });
        }
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
                    MergeDayRows(rows, entries);
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

int FindInCalendar(const CalendarRowList& rows, std::string_view text, const Locale& locale) {
    if (text.empty() || rows.empty()) {
        return 0;
    }
    for (int r = 1; r < rows.GridRowCount(); ++r) {
        const CalendarRow& row = *rows.at(r);
        if (!row.isDayHeader && StartsWithIgnoringCase(row.comment, text, locale)) {
            return r;
        }
    }
    return 0;
}

} // namespace trevik
