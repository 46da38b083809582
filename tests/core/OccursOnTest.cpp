#include "calendar/OccursOn.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trevik;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

CalendarEntry dated(DayNumber from, std::int16_t repeat = kRepeatNone) {
    CalendarEntry e;
    e.dateFrom = from;
    e.repeat = repeat;
    e.type = 3;
    return e;
}

// The days of March 2026 on which the entry shows.
std::vector<int> marchDays(CalendarEntry entry, const ViewContext& context) {
    std::vector<int> days;
    for (int d = 1; d <= 31; ++d) {
        if (OccursOn(entry, dayOf(2026, 3, d), context)) {
            days.push_back(d);
        }
    }
    return days;
}

} // namespace

TEST(OccursOn, PeriodsFollowThePeriodModeAndIgnoreTheRepeatRate) {
    CalendarEntry period = dated(dayOf(2026, 3, 10), kRepeatDaily);
    period.dateTo = dayOf(2026, 3, 12);
    ViewContext context;
    context.datePeriodMode = 0;
    EXPECT_EQ(marchDays(period, context), std::vector<int>{});
    context.datePeriodMode = 1;
    EXPECT_EQ(marchDays(period, context), (std::vector<int>{10, 12}));
    context.datePeriodMode = 2;
    EXPECT_EQ(marchDays(period, context), (std::vector<int>{10, 11, 12}));
}

TEST(OccursOn, ADatedEntryShowsOnItsDay) {
    const ViewContext context;
    EXPECT_EQ(marchDays(dated(dayOf(2026, 3, 5)), context), std::vector<int>{5});
    EXPECT_EQ(marchDays(dated(dayOf(2026, 3, 5), kRepeatUnset), context), std::vector<int>{5});
}

TEST(OccursOn, AnUndatedEntryWithAnEndTimeShowsEveryDayWithItsType) {
    CalendarEntry entry;
    entry.timeTo = 0.5;
    entry.type = 3;
    ViewContext context;
    context.viewCode = kMonthView;
    EXPECT_EQ(marchDays(entry, context).size(), 31u);
    EXPECT_EQ(entry.type, 3);
}

TEST(OccursOn, ToDoItemsShowEveryDayInTheDayViewAndOnlyTodayInLongerViews) {
    CalendarEntry toDo;
    toDo.type = 3;
    toDo.alarm = 0.5; // an alarm does not stop it being a to-do item
    ViewContext context;
    context.today = dayOf(2026, 3, 17);
    context.viewCode = kDayView;
    EXPECT_EQ(marchDays(toDo, context).size(), 31u);
    CalendarEntry shown = toDo;
    EXPECT_TRUE(OccursOn(shown, dayNumberFromCivil({1999, 1, 1}), context));
    EXPECT_EQ(shown.type, kToDoType);
    for (const std::int32_t view : {kWeekView, kMonthView, kYearView}) {
        context.viewCode = view;
        toDo.type = 3;
        EXPECT_EQ(marchDays(toDo, context), std::vector<int>{17});
    }
    CalendarEntry notShown;
    notShown.type = 3;
    context.viewCode = kMonthView;
    EXPECT_FALSE(OccursOn(notShown, dayOf(2026, 3, 18), context));
    EXPECT_EQ(notShown.type, 3); // the type changes only when it shows
}

TEST(OccursOn, RepeatsHaveNoBounds) {
    const ViewContext context;
    // 2026-03-18 is a Wednesday; weekly entries show on every Wednesday, before the start too.
    EXPECT_EQ(marchDays(dated(dayOf(2026, 3, 18), kRepeatWeekly), context),
              (std::vector<int>{4, 11, 18, 25}));
    EXPECT_EQ(marchDays(dated(dayOf(2026, 9, 2), kRepeatWeekly), context),
              (std::vector<int>{4, 11, 18, 25}));
    EXPECT_EQ(marchDays(dated(dayOf(2027, 1, 9), kRepeatMonthly), context), std::vector<int>{9});
    EXPECT_EQ(marchDays(dated(dayOf(2030, 3, 21), kRepeatYearly), context), std::vector<int>{21});
    EXPECT_EQ(marchDays(dated(dayOf(2030, 4, 21), kRepeatYearly), context), std::vector<int>{});
    EXPECT_EQ(marchDays(dated(dayOf(2030, 1, 1), kRepeatDaily), context).size(), 31u);
}

TEST(OccursOn, MonthEndsAndLeapDays) {
    const ViewContext context;
    const CalendarEntry monthly31 = dated(dayOf(2026, 1, 31), kRepeatMonthly);
    CalendarEntry copy = monthly31;
    EXPECT_FALSE(OccursOn(copy, dayOf(2026, 4, 30), context));
    EXPECT_TRUE(OccursOn(copy, dayOf(2026, 5, 31), context));
    CalendarEntry leap = dated(dayOf(2024, 2, 29), kRepeatYearly);
    EXPECT_FALSE(OccursOn(leap, dayOf(2025, 2, 28), context));
    EXPECT_FALSE(OccursOn(leap, dayOf(2025, 3, 1), context));
    EXPECT_TRUE(OccursOn(leap, dayOf(2028, 2, 29), context));
}

TEST(OccursOn, UndatedRepeatsOtherThanDailyNeedAStartDate) {
    const ViewContext context;
    for (const std::int16_t repeat : {kRepeatWeekly, kRepeatMonthly, kRepeatYearly}) {
        CalendarEntry entry;
        entry.timeFrom = 0.25; // timed, so not a to-do item
        entry.repeat = repeat;
        EXPECT_EQ(marchDays(entry, context), std::vector<int>{}) << repeat;
    }
    CalendarEntry daily;
    daily.timeFrom = 0.25;
    daily.repeat = kRepeatDaily;
    EXPECT_EQ(marchDays(daily, context).size(), 31u);
}

TEST(OccursOn, EnumerationAgreesWithTheDayByDayRule) {
    std::vector<CalendarEntry> entries;
    for (std::int16_t repeat = -1; repeat <= 5; ++repeat) {
        entries.push_back(dated(dayOf(2024, 2, 29), repeat));
        entries.push_back(dated(dayOf(2026, 1, 31), repeat));
        CalendarEntry period = dated(dayOf(2026, 3, 30), repeat);
        period.dateTo = dayOf(2026, 4, 2);
        entries.push_back(period);
        CalendarEntry reversed = period;
        std::swap(reversed.dateFrom, reversed.dateTo);
        entries.push_back(reversed);
        CalendarEntry undated;
        undated.repeat = repeat;
        entries.push_back(undated);
        undated.timeFrom = 0.3;
        entries.push_back(undated);
        undated.dateTo = dayOf(2026, 5, 1);
        entries.push_back(undated);
    }
    const DayNumber first = dayOf(2025, 12, 25);
    const DayNumber last = dayOf(2026, 5, 3);
    for (const std::int32_t view : {kDayView, kWeekView, kYearView, kAnniversaryView}) {
        for (const std::int32_t mode : {0, 1, 2}) {
            ViewContext context;
            context.viewCode = view;
            context.datePeriodMode = mode;
            context.today = dayOf(2026, 3, 1);
            for (const CalendarEntry& original : entries) {
                std::vector<DayNumber> expected;
                for (DayNumber day = first; day <= last; ++day) {
                    CalendarEntry copy = original;
                    if (OccursOn(copy, day, context)) {
                        expected.push_back(day);
                    }
                }
                std::vector<DayNumber> visited;
                CalendarEntry copy = original;
                forEachOccurrence(copy, first, last, context,
                                  [&](DayNumber day) { visited.push_back(day); });
                EXPECT_EQ(visited, expected)
                    << "view " << view << " mode " << mode << " repeat " << original.repeat;
            }
        }
    }
}
