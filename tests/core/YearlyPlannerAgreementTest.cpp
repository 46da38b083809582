// The one-read yearly planner against the plain day-by-day build, on random calendars.
#include "calendar/YearlyPlanner.h"
#include "storage/CalSet.h"
#include "storage/TypeRecords.h"
#include "support/ReferencePlanner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

using namespace trevik;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

// Periods of every length around the year ends, reversed and damaged ones, one-day, repeating
// and undated entries; types that exist, one without a name and codes that name none.
void writeRandomCalendar(const std::filesystem::path& dir, int count, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const DayNumber base = dayOf(2023, 1, 1);
    CalSet set(dir);
    set.Open();
    for (int i = 1; i <= count; ++i) {
        set.NewRecord();
        set.id = i * 3; // ids are not positions
        set.comment = "p" + std::to_string(i);
        const int kind = pick(0, 9);
        set.dateFrom = kind == 9 ? kNoDate : base + pick(0, 5 * 365);
        set.dateTo = kind < 6    ? set.dateFrom + pick(0, kind < 3 ? 6 : 120)
                     : kind == 6 ? set.dateFrom - pick(1, 5) // reversed: covers nothing
                     : kind == 7 ? std::int32_t(pick(0, 1) ? 0 : 2147483647) // damaged
                                 : kNoDate;
        set.repeat = std::int16_t(pick(0, 4) == 0 ? pick(1, 4) : 0);
        set.type = std::int16_t(pick(-2, 6));
        set.Write();
    }
}

} // namespace

TEST(YearlyPlannerAgreement, TheOneReadBuildMarksWhatTheDayByDayBuildMarks) {
    test::TempDir dir;
    writeRandomCalendar(dir.path(), 400, 20261207);
    for (const char* name : {"Holiday", "Business", "", "Sick", "Trip"}) {
        addType(dir.path(), name);
    }
    deleteType(dir.path(), 4);
    for (int year = 2022; year <= 2029; ++year) {
        const std::vector<PlannerDay> expected = test::ReferenceBuildPlannerYear(dir.path(), year);
        std::vector<PlannerPeriod> periods;
        const std::vector<PlannerDay> built = buildPlannerYear(dir.path(), year, &periods);
        ASSERT_EQ(built.size(), expected.size()) << year;
        int marked = 0;
        for (std::size_t i = 0; i < built.size(); ++i) {
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(expected[i].month) + "-" +
                         std::to_string(expected[i].day));
            EXPECT_EQ(built[i].month, expected[i].month);
            EXPECT_EQ(built[i].day, expected[i].day);
            EXPECT_EQ(built[i].marks, expected[i].marks);
            EXPECT_EQ(built[i].periodId, expected[i].periodId);
            marked += built[i].marks.empty() ? 0 : 1;
            // The tip names as many periods as the day has marks.
            const DayNumber day = dayOf(year, built[i].month, built[i].day);
            const std::string tip = plannerDayTip(periods, day, EnglishLocale());
            const auto lines = tip.empty() ? 0 : std::count(tip.begin(), tip.end(), '\n') + 1;
            EXPECT_EQ(std::size_t(lines), built[i].marks.size());
        }
        if (year >= 2023 && year <= 2027) {
            EXPECT_GT(marked, 100) << year; // the data marks the planner well
        }
    }
}

TEST(YearlyPlannerAgreement, ADayTipNamesEachCoveringPeriodWithItsDates) {
    test::TempDir dir;
    CalSet set(dir.path());
    set.Open();
    const auto add = [&](std::int32_t id, const char* comment, DayNumber from, DayNumber to) {
        set.NewRecord();
        set.id = id;
        set.comment = comment;
        set.dateFrom = from;
        set.dateTo = to;
        set.Write();
    };
    add(1, "Winter", dayOf(2025, 12, 30), dayOf(2026, 1, 2));
    add(2, "Single", dayOf(2026, 1, 1), kNoDate);
    add(3, "Trip", dayOf(2026, 1, 2), dayOf(2026, 1, 3));
    add(4, "Summer", dayOf(2026, 7, 1), dayOf(2026, 7, 20));
    set.Close();
    std::vector<PlannerPeriod> periods;
    buildPlannerYear(dir.path(), 2026, &periods);
    ASSERT_EQ(periods.size(), 3u);
    const EnglishLocale locale;
    EXPECT_EQ(plannerDayTip(periods, dayOf(2026, 1, 2), locale),
              "Winter: 30/12/2025 - 02/01/2026\nTrip: 02/01/2026 - 03/01/2026");
    EXPECT_EQ(plannerDayTip(periods, dayOf(2026, 1, 4), locale), "");
    periods.clear();
    buildPlannerYear(dir.path(), 2025, &periods);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].comment, "Winter");
}
