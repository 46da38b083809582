#include "support/FixedClock.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(FixedClock, AdvancingMovesTheDayNumberAndTheUnixTimeTogether) {
    test::FixedClock clock(encodeDateTime({2026, 12, 31}, {23, 59, 30, 0}), 1000);
    clock.advanceSeconds(45);
    EXPECT_DOUBLE_EQ(NowToSecond(clock), encodeDateTime({2027, 1, 1}, {0, 0, 15, 0}));
    EXPECT_EQ(clock.unixSeconds(), 1045);
    clock.advanceMinutes(90);
    clock.advanceDays(2);
    EXPECT_DOUBLE_EQ(NowToSecond(clock), encodeDateTime({2027, 1, 3}, {1, 30, 15, 0}));
    EXPECT_EQ(clock.unixSeconds(), 1045 + 90 * 60 + 2 * 86400);
}
