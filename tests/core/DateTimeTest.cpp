#include "common/DateTime.h"
#include "common/Clock.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(DateTime, DayNumbersCountFromTheThirtiethOfDecember1899) {
    EXPECT_EQ(dayNumberFromCivil({1899, 12, 30}), 0);
    EXPECT_EQ(dayNumberFromCivil({1899, 12, 31}), 1);
    EXPECT_EQ(dayNumberFromCivil({1900, 3, 1}), 61);
    EXPECT_EQ(dayNumberFromCivil({1970, 1, 1}), 25569);
    EXPECT_EQ(dayNumberFromCivil({2000, 1, 1}), 36526);
    EXPECT_EQ(dayNumberFromCivil({1899, 12, 29}), -1);
    for (const CivilDate date : {CivilDate{1600, 2, 29}, CivilDate{2024, 2, 29},
                                 CivilDate{2026, 12, 7}, CivilDate{9999, 12, 31}}) {
        EXPECT_EQ(civilFromDayNumber(dayNumberFromCivil(date)), date);
    }
}

TEST(DateTime, WeekdaysAndMonthLengths) {
    EXPECT_EQ(dayOfWeek(dayNumberFromCivil({2026, 12, 7})), 1); // a Monday
    EXPECT_EQ(dayOfWeek(0), 6);                                 // 1899-12-30, a Saturday
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2025, 12), 31);
    EXPECT_TRUE(isValidCivilDate(2024, 2, 29));
    EXPECT_FALSE(isValidCivilDate(2023, 2, 29));
    EXPECT_FALSE(isValidCivilDate(2023, 13, 1));
    EXPECT_FALSE(isValidCivilDate(2023, 4, 31));
    EXPECT_FALSE(isValidCivilDate(2023, 4, 0));
}

TEST(DateTime, TimesAreFractionsOfADay) {
    EXPECT_EQ(encodeDateTime({1899, 12, 31}, {12, 0, 0, 0}), 1.5);
    EXPECT_EQ(timeFraction({6, 0, 0, 0}), 0.25);
    EXPECT_EQ(timeOfDayFromFraction(0.375), (TimeOfDay{9, 0, 0, 0}));
    EXPECT_EQ(timeOfDayFromFraction(45000.75), (TimeOfDay{18, 0, 0, 0}));
    const TimeOfDay odd{23, 59, 59, 999};
    EXPECT_EQ(timeOfDayFromFraction(timeFraction(odd)), odd);
    EXPECT_EQ(dayNumberOf(45000.99), 45000);
}

TEST(DateTime, NowToSecondDropsTheFractionOfTheSecond) {
    test::FixedClock clock;
    clock.set({2026, 12, 7}, {14, 5, 9, 873});
    EXPECT_EQ(NowToSecond(clock), encodeDateTime({2026, 12, 7}, {14, 5, 9, 0}));
    EXPECT_EQ(today(clock), dayNumberFromCivil({2026, 12, 7}));
}

TEST(DateTime, TheSystemClockAgreesWithItself) {
    SystemClock clock;
    const DateTime now = clock.now();
    const DateTime second = NowToSecond(clock);
    EXPECT_LE(second, clock.now());
    EXPECT_LT(clock.now() - now, 1.0 / 86400 * 5); // within a few seconds
    EXPECT_GT(clock.unixSeconds(), 1600000000);
    EXPECT_GT(now, dayNumberFromCivil({2020, 1, 1}));
}
