#include "calendar/CalendarView.h"
#include "calendar/CalendarNavigation.h"
#include "calendar/OutdatedEntries.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

double at(int hour, int minute) {
    return timeFraction({hour, minute, 0, 0});
}

struct CalendarFixture : ::testing::Test {
    TempDir dir;
    test::FixedClock clock{45000.5};
    EnglishLocale locale;
    ViewContext context;

    CalendarFixture() { context.today = dayOf(2026, 3, 18); }

    std::int32_t add(const std::string& comment, DayNumber from, double time = kNoTime,
                     std::int16_t repeat = kRepeatNone, std::int16_t type = -1) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.timeFrom = time;
        e.repeat = repeat;
        e.type = type;
        return addEntry(dir.path(), e, clock, 1).id;
    }

    CalendarRowList build(std::int32_t view, DayNumber date, int gridHeight = 10000,
                          CalendarBuild* result = nullptr) {
        context.viewCode = view;
        CalendarRowList rows;
        const CalendarBuild b =
            BuildCalendarView(rows, dir.path(), date, context, gridHeight, locale);
        if (result != nullptr) {
            *result = b;
        }
        return rows;
    }

    // Each row as text: "# header" or "time|type|comment".
    static std::vector<std::string> describe(const CalendarRowList& rows) {
        std::vector<std::string> out;
        for (const CalendarRow& row : rows.rows()) {
            out.push_back(row.isDayHeader ? "# " + row.dayText
                                          : row.timeText + "|" + row.typeName + "|" + row.comment);
        }
        return out;
    }
};

} // namespace

TEST_F(CalendarFixture, ADayListsTimedThenUntimedThenToDoItems) {
    const DayNumber day = dayOf(2026, 3, 18);
    add("late", day, at(9, 30));
    add("first eight", day, at(8, 0));
    add("to do", kNoDate);
    add("untimed", day);
    add("second eight", day, timeFraction({8, 0, 40, 0}));
    EXPECT_EQ(
        describe(build(kDayView, day)),
        (std::vector<std::string>{"# Wed 18. Mar 2026.", "8:00||first eight", "8:00||second eight",
                                  "9:30||late", "||untimed", "|To Do|to do"}));
}

TEST_F(CalendarFixture, TypeNamesComeFromTheTypeFile) {
    addType(dir.path(), "Birthday");
    addType(dir.path(), "Work");
    const DayNumber day = dayOf(2026, 3, 18);
    add("party", day, kNoTime, kRepeatNone, 1);
    add("gone type", day, kNoTime, kRepeatNone, 9);
    add("meeting", day, at(10, 0), kRepeatNone, 2);
    EXPECT_EQ(describe(build(kDayView, day)),
              (std::vector<std::string>{"# Wed 18. Mar 2026.", "10:00|Work|meeting",
                                        "|Birthday|party", "||gone type"}));
}

TEST_F(CalendarFixture, MarksCarryTheLinks) {
    CalendarEntry e;
    e.comment = "linked";
    e.dateFrom = dayOf(2026, 3, 18);
    e.addressLink = 12;
    e.fileLink = "/home/me/agenda.odt";
    addEntry(dir.path(), e, clock, 1);
    const CalendarRowList rows = build(kDayView, e.dateFrom);
    ASSERT_EQ(rows.count(), 2);
    const CalendarRow& row = *rows.at(2);
    EXPECT_EQ(row.addressMark, 'A');
    EXPECT_EQ(row.addressId, 12);
    EXPECT_EQ(row.fileMark, 'F');
    EXPECT_EQ(row.fileLink, "/home/me/agenda.odt");
    EXPECT_EQ(row.recordId, 1u);
    EXPECT_EQ(rows.GridRowCount(), 3);
}

TEST_F(CalendarFixture, WeeksStartOnSundayOrMonday) {
    const DayNumber sunday = dayOf(2026, 3, 22);
    std::vector<std::string> headers;
    const CalendarRowList sundayWeek = build(kWeekView, sunday);
    for (const CalendarRow& row : sundayWeek.rows()) {
        headers.push_back(row.dayText);
    }
    EXPECT_EQ(headers.front(), "Sun 22. Mar 2026.");
    EXPECT_EQ(headers.back(), "Sat 28. Mar 2026.");
    EXPECT_EQ(headers.size(), 7u); // empty days keep their headers
    context.weekStartsMonday = true;
    headers.clear();
    const CalendarRowList mondayWeek = build(kWeekView, sunday);
    for (const CalendarRow& row : mondayWeek.rows()) {
        headers.push_back(row.dayText);
    }
    EXPECT_EQ(headers.front(), "Mon 16. Mar 2026.");
    EXPECT_EQ(headers.back(), "Sun 22. Mar 2026.");
}

TEST_F(CalendarFixture, MonthAndYearShowOnlyDaysWithEntries) {
    add("a", dayOf(2026, 3, 3));
    add("b", dayOf(2026, 3, 20));
    add("c", dayOf(2026, 7, 1));
    EXPECT_EQ(
        describe(build(kMonthView, dayOf(2026, 3, 31))),
        (std::vector<std::string>{"# Tue 3. Mar 2026.", "||a", "# Fri 20. Mar 2026.", "||b"}));
    EXPECT_EQ(build(kYearView, dayOf(2026, 1, 1)).count(), 6);
    CalendarBuild result;
    const CalendarRowList empty = build(kMonthView, dayOf(2026, 2, 1), 10000, &result);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(result.gridRowCount, 2); // the title row and one blank row
}

TEST_F(CalendarFixture, AnniversariesListYearlyEntriesOfTheCurrentYear) {
    add("birthday", dayOf(1980, 5, 4), kNoTime, kRepeatYearly);
    add("weekly", dayOf(2026, 5, 4), kNoTime, kRepeatWeekly);
    add("once", dayOf(2026, 6, 1));
    const auto rows = describe(build(kAnniversaryView, dayOf(1990, 1, 1)));
    EXPECT_EQ(rows, (std::vector<std::string>{"# Mon 4. May 2026.", "||birthday"}));
}

TEST_F(CalendarFixture, TheToDoViewListsEveryToDoItemInFileOrder) {
    add("dated", dayOf(2026, 3, 18));
    add("first", kNoDate);
    add("timed", kNoDate, at(9, 0));
    add("second", kNoDate);
    EXPECT_EQ(describe(build(kToDoView, dayOf(2000, 1, 1))),
              (std::vector<std::string>{"# To Do view", "|To Do|first", "|To Do|second"}));
}

TEST_F(CalendarFixture, LongViewsScrollToTodayWhenTheyDoNotFit) {
    for (int d = 1; d <= 31; ++d) {
        add("e" + std::to_string(d), dayOf(2026, 3, d));
    }
    CalendarBuild result;
    build(kMonthView, dayOf(2026, 3, 1), 200, &result);
    EXPECT_EQ(result.calendarTopRow, 35); // after 17 days of two rows: today's header
    build(kMonthView, dayOf(2026, 3, 1), 2000, &result);
    EXPECT_EQ(result.calendarTopRow, 1);
    build(kWeekView, dayOf(2026, 3, 18), 64, &result);
    EXPECT_EQ(result.calendarTopRow, 7); // Sun 15 .. Tue 17 take rows 1 to 6
    build(kWeekView, dayOf(2026, 3, 18), 1000, &result);
    EXPECT_EQ(result.calendarTopRow, 1);
    build(kAnniversaryView, dayOf(2026, 3, 18), 10, &result);
    EXPECT_EQ(result.calendarTopRow, 1);
}

TEST_F(CalendarFixture, AnUnknownViewCodeBuildsNothing) {
    add("a", dayOf(2026, 3, 18));
    CalendarRowList rows = build(kDayView, dayOf(2026, 3, 18));
    const CalendarRowList before = rows;
    context.viewCode = 107;
    const CalendarBuild result =
        BuildCalendarView(rows, dir.path(), dayOf(2026, 5, 5), context, 100, locale);
    EXPECT_EQ(rows, before);
    EXPECT_EQ(result.gridRowCount, before.GridRowCount());
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 18), 107, 1), dayOf(2026, 3, 18));
}

TEST_F(CalendarFixture, FindMatchesEntryCommentsInAnyCase) {
    const DayNumber day = dayOf(2026, 3, 18);
    add("dentist", day, at(9, 0));
    add("Dinner", day, at(19, 0));
    const CalendarRowList rows = build(kWeekView, day);
    const int dinner = FindInCalendar(rows, "DIN");
    ASSERT_GT(dinner, 0);
    EXPECT_EQ(rows.at(dinner)->comment, "Dinner");
    EXPECT_EQ(FindInCalendar(rows, "d"), dinner - 1);
    EXPECT_EQ(FindInCalendar(rows, "Wed"), 0); // day headers never match
    EXPECT_EQ(FindInCalendar(rows, ""), 0);
    EXPECT_EQ(FindInCalendar(CalendarRowList{}, "d"), 0);
}

TEST(CalendarTexts, DatesAndTimes) {
    EnglishLocale locale;
    EXPECT_EQ(DayHeaderText(dayOf(2026, 12, 7), locale), "Mon 7. Dec 2026.");
    EXPECT_EQ(DayHeaderText(kNoDate, locale), "");
    EXPECT_EQ(TimeText(at(9, 5)), "9:05");
    EXPECT_EQ(TimeText(at(23, 59)), "23:59");
    EXPECT_EQ(TimeText(0), "0:00");
    EXPECT_EQ(TimeText(kNoTime), "");
    EXPECT_EQ(ShortDateText(dayOf(2026, 3, 8), locale), "08/03/2026");
    EXPECT_EQ(ShortDateText(kNoDate, locale), "");
    EXPECT_EQ(formatDate(dayOf(2026, 3, 8), "d.M.yy", locale), "8.3.26");
    EXPECT_EQ(formatDate(dayOf(2026, 3, 8), "yyyy-MM-dd", locale), "2026-03-08");
    EXPECT_EQ(formatDate(dayOf(2026, 3, 8), "d MMM yyyy", locale), "8 Mar 2026");
    EXPECT_EQ(formatDate(dayOf(2026, 3, 8), "'week' d", locale), "week 8");
}

TEST(CalendarTexts, TypeNames) {
    const TypeNames names({{1, "One"}, {2, "Two"}, {1, "Shadowed"}});
    EXPECT_EQ(names.TypeNameText(1), "One");
    EXPECT_EQ(names.TypeNameText(2), "Two");
    EXPECT_EQ(names.TypeNameText(3), "");
    EXPECT_EQ(names.TypeNameText(-1), "");
    EXPECT_EQ(names.TypeNameText(-2), "To Do");
    EXPECT_EQ(names.TypeNameText(-3), "");
}

TEST(CalendarNavigation, StepsByTheView) {
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 1, 31), kMonthView, 1), dayOf(2026, 2, 28));
    EXPECT_EQ(stepCalendarDate(dayOf(2024, 1, 31), kMonthView, 1), dayOf(2024, 2, 29));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 31), kMonthView, -1), dayOf(2026, 2, 28));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 1, 15), kMonthView, -1), dayOf(2025, 12, 15));
    EXPECT_EQ(stepCalendarDate(dayOf(2024, 2, 29), kYearView, 1), dayOf(2025, 2, 28));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 1), kDayView, -1), dayOf(2026, 2, 28));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 1), kWeekView, 1), dayOf(2026, 3, 8));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 1), kToDoView, 1), dayOf(2026, 3, 1));
    EXPECT_EQ(stepCalendarDate(dayOf(2026, 3, 1), kAnniversaryView, -1), dayOf(2026, 3, 1));
}

TEST_F(CalendarFixture, OutdatedOneDayEntriesAreDeleted) {
    const DayNumber yesterday = context.today - 1;
    add("old", yesterday);
    add("repeats", yesterday, kNoTime, kRepeatWeekly);
    add("undated", kNoDate);
    CalendarEntry period;
    period.comment = "period";
    period.dateFrom = yesterday;
    period.dateTo = yesterday;
    addEntry(dir.path(), period, clock, 1);
    add("older", yesterday - 30);
    add("today", context.today);
    EXPECT_EQ(DeleteOutdatedEntries(dir.path(), context.today), 2);
    std::vector<std::string> left;
    forEachEntry(dir.path(), [&](const CalendarEntry& e) { left.push_back(e.comment); });
    EXPECT_EQ(left, (std::vector<std::string>{"repeats", "undated", "period", "today"}));
}
