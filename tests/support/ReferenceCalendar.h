#pragma once

// The calendar views built the plain way, day by day, scanning the calendar file once per day
// and the type file once per row: slow, and the oracle the fast build must agree with.

#include "calendar/CalendarRows.h"
#include "calendar/CalendarTexts.h"
#include "calendar/CalendarView.h"
#include "calendar/OccursOn.h"
#include "storage/CalSet.h"
#include "storage/TypeSet.h"

#include <filesystem>

namespace trevik::test {

inline std::string ReferenceTypeNameText(const std::filesystem::path& dir, std::int32_t id) {
    if (id == -2) {
        return "To Do";
    }
    if (id < 0) {
        return {};
    }
    TypeSet set(dir);
    set.Open();
    if (set.NoCurrent()) {
        return {};
    }
    set.GoTo(set.FindByCode(id));
    return set.code == id ? set.name : std::string();
}

inline CalendarRow ReferenceEntryRow(const CalendarEntry& entry, const std::filesystem::path& dir) {
    CalendarRow row;
    row.recordId = std::uint32_t(entry.id);
    row.typeName = ReferenceTypeNameText(dir, entry.type);
    row.timeText = TimeText(entry.timeFrom);
    row.comment = entry.comment;
    row.addressMark = entry.addressLink != -1 ? 'A' : ' ';
    row.addressId = entry.addressLink;
    row.fileMark = entry.fileLink.empty() ? ' ' : 'F';
    row.fileLink = entry.fileLink;
    return row;
}

inline int ReferenceMinutes(const std::string& text) {
    const auto colon = text.find(':');
    return std::stoi(text.substr(0, colon)) * 60 + std::stoi(text.substr(colon + 1));
}

inline void ReferenceMergeDayRows(CalendarRowList& rows, const std::vector<CalendarRow>& day) {
    std::vector<std::size_t> index;
    for (std::size_t i = 0; i < day.size(); ++i) {
        if (day[i].timeText.empty()) {
            continue;
        }
        auto at = index.begin();
        while (at != index.end() &&
               ReferenceMinutes(day[*at].timeText) <= ReferenceMinutes(day[i].timeText)) {
            ++at;
        }
        index.insert(at, i);
    }
    for (std::size_t i = 0; i < day.size(); ++i) {
        if (day[i].timeText.empty() && day[i].typeName != "To Do") {
            index.push_back(i);
        }
    }
    for (std::size_t i = 0; i < day.size(); ++i) {
        if (day[i].timeText.empty() && day[i].typeName == "To Do") {
            index.push_back(i);
        }
    }
    for (const std::size_t i : index) {
        rows.append(day[i]);
    }
}

inline void ReferenceBuildDay(CalendarRowList& rows, DayNumber day, bool clearFirst,
                              const ViewContext& context, const std::filesystem::path& dir,
                              const Locale& locale) {
    std::vector<CalendarRow> dayRows;
    if (clearFirst) {
        rows.clear();
    }
    rows.append(dayHeaderRow(day, locale));
    const int remembered = rows.GridRowCount();
    CalSet set(dir);
    set.Open();
    set.First();
    while (!set.AtEnd()) {
        CalendarEntry entry = set;
        if (OccursOn(entry, day, context)) {
            const CalendarRow row = ReferenceEntryRow(entry, dir);
            if (context.viewCode == kAnniversaryView) {
                if (entry.repeat == kRepeatYearly) {
                    rows.append(row);
                }
            } else {
                dayRows.push_back(row);
            }
        }
        set.Next();
    }
    set.Close();
    ReferenceMergeDayRows(rows, dayRows);
    const std::int32_t v = context.viewCode;
    if ((v == kMonthView || v == kYearView || v == kAnniversaryView) &&
        rows.GridRowCount() == remembered) {
        rows.removeLast();
    }
}

inline CalendarBuild ReferenceBuildCalendarView(CalendarRowList& rows, DayNumber d,
                                                const ViewContext& context, int gridHeight,
                                                const std::filesystem::path& dir,
                                                const Locale& locale) {
    CalendarBuild build;
    build.calendarTopRow = 1;
    const DayNumber today = context.today;
    const auto buildSpan = [&](DayNumber first, DayNumber last, bool todayRule) {
        rows.clear();
        for (DayNumber day = first; day <= last; ++day) {
            ReferenceBuildDay(rows, day, false, context, dir, locale);
            if (todayRule && day + 1 == today) {
                build.calendarTopRow = rows.GridRowCount();
            }
        }
    };
    const CivilDate date = civilFromDayNumber(d);
    switch (context.viewCode) {
    case kDayView:
        ReferenceBuildDay(rows, d, true, context, dir, locale);
        break;
    case kWeekView: {
        rows.clear();
        DayNumber day = d;
        while (dayOfWeek(day) != (context.weekStartsMonday ? 1 : 0)) {
            --day;
        }
        for (int i = 0; i < 7; ++i, ++day) {
            if (day == today) {
                build.calendarTopRow = rows.empty() ? 1 : rows.GridRowCount();
            }
            ReferenceBuildDay(rows, day, false, context, dir, locale);
        }
        break;
    }
    case kMonthView:
        buildSpan(dayNumberFromCivil({date.year, date.month, 1}),
                  dayNumberFromCivil({date.year, date.month, daysInMonth(date.year, date.month)}),
                  true);
        break;
    case kYearView:
        buildSpan(dayNumberFromCivil({date.year, 1, 1}), dayNumberFromCivil({date.year, 12, 31}),
                  true);
        break;
    case kToDoView: {
        rows.clear();
        CalendarRow header;
        header.isDayHeader = true;
        header.dayText = "To Do view";
        rows.append(header);
        CalSet set(dir);
        set.Open();
        set.First();
        while (!set.AtEnd()) {
            CalendarEntry entry = set;
            if (OccursOn(entry, today, context) && entry.type == kToDoType) {
                rows.append(ReferenceEntryRow(entry, dir));
            }
            set.Next();
        }
        break;
    }
    case kAnniversaryView: {
        const int year = civilFromDayNumber(today).year;
        buildSpan(dayNumberFromCivil({year, 1, 1}), dayNumberFromCivil({year, 12, 31}), false);
        break;
    }
    default:
        break;
    }
    build.gridRowCount = rows.GridRowCount() >= 2 ? rows.GridRowCount() : 2;
    const std::int32_t v = context.viewCode;
    if ((v == kWeekView || v == kMonthView || v == kYearView) &&
        rows.GridRowCount() < (gridHeight - 16) / 16) {
        build.calendarTopRow = 1;
    }
    return build;
}

} // namespace trevik::test
