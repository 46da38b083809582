// The fast view build against the plain day-by-day build on random calendars.
#include "calendar/CalendarView.h"
#include "storage/CalSet.h"
#include "storage/TypeRecords.h"
#include "support/ReferenceCalendar.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

using namespace trevik;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

void writeRandomCalendar(const std::filesystem::path& dir, int count, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const DayNumber base = dayOf(2023, 6, 1);
    CalSet set(dir);
    set.Open();
    for (int i = 1; i <= count; ++i) {
        set.NewRecord();
        set.id = i;
        set.comment = std::string(1, char('a' + pick(0, 5))) + std::to_string(i);
        set.dateFrom = pick(0, 3) == 0 ? kNoDate : base + pick(0, 1300);
        set.dateTo = pick(0, 4) == 0
                         ? (pick(0, 1) ? set.dateFrom + pick(-3, 20) : base + pick(0, 1300))
                         : kNoDate;
        // Minutes on a coarse grid make equal times common; some carry seconds.
        set.timeFrom = pick(0, 2) == 0
                           ? kNoTime
                           : timeFraction({pick(7, 10), pick(0, 3) * 15, pick(0, 1) * 30, 0});
        set.timeTo = pick(0, 5) == 0 ? timeFraction({pick(10, 20), 0, 0, 0}) : kNoTime;
        set.alarm = pick(0, 6) == 0 ? 0.5 : kNoTime;
        set.repeat = std::int16_t(pick(0, 9) < 6 ? 0 : pick(-1, 5));
        set.type = std::int16_t(pick(-1, 4));
        set.addressLink = pick(0, 3) == 0 ? pick(1, 50) : -1;
        set.fileLink = pick(0, 5) == 0 ? "/tmp/f" + std::to_string(i) : "";
        set.Write();
    }
}

struct Case {
    std::int32_t view;
    DayNumber date;
};

} // namespace

TEST(CalendarAgreement, FastBuildYieldsTheRowsOfThePlainBuild) {
    test::TempDir dir;
    writeRandomCalendar(dir.path(), 700, 20261207);
    addType(dir.path(), "One");
    addType(dir.path(), "To Do"); // a user type spelled like the to-do marker
    addType(dir.path(), "Three");
    const EnglishLocale locale;
    const DayNumber today = dayOf(2024, 2, 29);
    const Case cases[] = {
        {kDayView, dayOf(2024, 2, 29)},        {kDayView, dayOf(2025, 12, 31)},
        {kWeekView, dayOf(2024, 2, 29)},       {kWeekView, dayOf(2024, 3, 3)},
        {kWeekView, dayOf(2025, 1, 1)},        {kMonthView, dayOf(2024, 2, 10)},
        {kMonthView, dayOf(2024, 3, 31)},      {kMonthView, dayOf(2026, 4, 30)},
        {kYearView, dayOf(2024, 7, 1)},        {kToDoView, dayOf(2020, 1, 1)},
        {kAnniversaryView, dayOf(2019, 5, 5)}, {99, dayOf(2024, 1, 1)},
    };
    int compared = 0;
    for (const Case& c : cases) {
        for (const bool monday : {false, true}) {
            for (const std::int32_t mode : {0, 1, 2}) {
                if ((c.view == kYearView || c.view == kAnniversaryView) && monday) {
                    continue; // the week start does not shape these views; keep the run short
                }
                for (const int gridHeight : {120, 100000}) {
                    ViewContext context;
                    context.viewCode = c.view;
                    context.today = today;
                    context.weekStartsMonday = monday;
                    context.datePeriodMode = mode;
                    CalendarRowList fast;
                    CalendarRowList plain;
                    fast.append(dayHeaderRow(1, locale)); // rows from an earlier build
                    plain = fast;
                    const CalendarBuild fastBuild =
                        BuildCalendarView(fast, dir.path(), c.date, context, gridHeight, locale);
                    const CalendarBuild plainBuild = test::ReferenceBuildCalendarView(
                        plain, c.date, context, gridHeight, dir.path(), locale);
                    ASSERT_EQ(fast.count(), plain.count())
                        << "view " << c.view << " monday " << monday << " mode " << mode;
                    for (int r = 1; r <= fast.count(); ++r) {
                        ASSERT_EQ(*fast.at(r), *plain.at(r)) << "row " << r << " view " << c.view;
                    }
                    EXPECT_EQ(fastBuild.calendarTopRow, plainBuild.calendarTopRow) << c.view;
                    EXPECT_EQ(fastBuild.gridRowCount, plainBuild.gridRowCount) << c.view;
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 100);
}
