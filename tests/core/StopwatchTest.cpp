// The stopwatch's rules on a monotonic clock the test moves.
#include "tools/Stopwatch.h"
#include "support/FakeMonotonicClock.h"

#include <gtest/gtest.h>

using namespace trevik;
using namespace std::chrono_literals;

namespace {

struct StopwatchRun : ::testing::Test {
    test::FakeMonotonicClock clock;
    Stopwatch stopwatch;

    void tick(std::chrono::milliseconds late = 0ms) {
        clock.advance(stopwatch.untilNextTick(clock.now()) + late);
        stopwatch.tick(clock.now());
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            tick();
        }
    }
};

} // namespace

TEST_F(StopwatchRun, CountsOnFromWhereItWasStopped) {
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:00");
    EXPECT_EQ(stopwatch.statusPanel(), "Stopwatch off");
    stopwatch.start(clock.now());
    ticks(3);
    EXPECT_EQ(stopwatch.statusPanel(), "S 00:00:03");
    EXPECT_EQ(stopwatch.statusText(), "Stopwatch [00:00:03]");
    stopwatch.stop();
    clock.advanceSeconds(20);
    stopwatch.start(clock.now());
    ticks(2);
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:05");
}

TEST_F(StopwatchRun, StopKeepsTheDisplayAndTheStatusSaysOff) {
    stopwatch.start(clock.now());
    ticks(7);
    stopwatch.stop();
    EXPECT_FALSE(stopwatch.running());
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:07");
    EXPECT_EQ(stopwatch.statusPanel(), "Stopwatch off");
    EXPECT_EQ(stopwatch.statusText(), "");
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:07"); // ticks while stopped count nothing
    EXPECT_EQ(stopwatch.statusPanel(), "Stopwatch off");
}

TEST_F(StopwatchRun, MinutesAndHoursRunRoundAndTheHoursWiden) {
    stopwatch.start(clock.now());
    ticks(59 * 60 + 59);
    EXPECT_EQ(stopwatch.timeLabel(), "00:59:59");
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "01:00:00");
    ticks(99 * 3600 - 1);
    EXPECT_EQ(stopwatch.timeLabel(), "99:59:59");
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "100:00:00");
    EXPECT_EQ(stopwatch.statusPanel(), "S 100:00:00");
}

TEST_F(StopwatchRun, ResetWhileRunningShowsZeroAtOnceAndOneSecondOneTickLater) {
    stopwatch.start(clock.now());
    ticks(4);
    clock.advance(600ms);
    stopwatch.reset(clock.now());
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:00");
    EXPECT_TRUE(stopwatch.running());
    // The status texts keep their reading until the next tick.
    EXPECT_EQ(stopwatch.statusPanel(), "S 00:00:04");
    EXPECT_EQ(stopwatch.statusText(), "Stopwatch [00:00:04]");
    EXPECT_EQ(stopwatch.untilNextTick(clock.now()), 1s);
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:01");
    EXPECT_EQ(stopwatch.statusPanel(), "S 00:00:01");
}

TEST_F(StopwatchRun, ResetWhileStoppedChangesOnlyTheCount) {
    stopwatch.start(clock.now());
    ticks(2);
    stopwatch.stop();
    stopwatch.reset(clock.now());
    EXPECT_FALSE(stopwatch.running());
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:00");
    EXPECT_EQ(stopwatch.statusPanel(), "Stopwatch off");
    stopwatch.start(clock.now());
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:01");
}

TEST_F(StopwatchRun, LateTicksAndASuspendShowTheRealElapsedTime) {
    stopwatch.start(clock.now());
    ticks(2);
    tick(2400ms);
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:05"); // no second lost
    EXPECT_EQ(stopwatch.untilNextTick(clock.now()), 600ms);
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "00:00:06");
    clock.advanceSeconds(2 * 3600); // suspended
    stopwatch.tick(clock.now());
    EXPECT_EQ(stopwatch.timeLabel(), "02:00:06");
    // Starting again while running changes nothing.
    stopwatch.start(clock.now());
    tick();
    EXPECT_EQ(stopwatch.timeLabel(), "02:00:07");
}
