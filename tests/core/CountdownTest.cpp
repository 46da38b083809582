// The countdown timer's rules, on a monotonic clock the test moves: the count of each tick, the
// duration's length rules, auto restart, and real time through late ticks and a suspend.
#include "tools/Countdown.h"
#include "support/FakeMonotonicClock.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trevik;
using namespace std::chrono_literals;

namespace {

struct CountdownRun : ::testing::Test {
    test::FakeMonotonicClock clock;
    Countdown countdown;
    std::string timeBox;
    bool autoRestart = false;
    std::vector<std::chrono::milliseconds> rings;
    // What the restart read when it ran.
    TimerTextReading restart;
    // What the window does while the count has run out, before it shows the counters.
    std::function<void()> whileRinging;

    TimerTextReading start() { return countdown.start(timeBox, clock.now()); }

    // The ticker fires `late` after the moment the countdown asked for.
    void tick(std::chrono::milliseconds late = 0ms) {
        clock.advance(countdown.untilNextTick(clock.now()) + late);
        tickNow();
    }
    void tickNow() {
        countdown.tick(clock.now(), [this] {
            rings.push_back(clock.now());
            if (whileRinging) {
                whileRinging();
            }
            if (autoRestart) {
                restart = countdown.start(timeBox, clock.now());
            }
        });
    }
};

ToolTime reading(const char* text) {
    ToolTime time{-7, -7, -7};
    EXPECT_TRUE(readTimerText(text, time).ok()) << text;
    return time;
}

// The tick as the timer window takes it, one step at a time: the oracle of countedDown.
ToolTime stepDown(ToolTime t) {
    if (--t.seconds == -1) {
        t.seconds = 59;
        --t.minutes;
    }
    if (t.minutes == -1) {
        t.minutes = 59;
        --t.hours;
    }
    return t;
}

} // namespace

TEST_F(CountdownRun, FiveSecondsShowFourToZeroAndTheSixthTickRings) {
    timeBox = "00:00:05";
    ASSERT_TRUE(start().ok());
    EXPECT_EQ(countdown.timeLabel(), "00:00:05");
    EXPECT_EQ(countdown.statusPanel(), "Timer off"); // until the first tick
    EXPECT_EQ(countdown.statusText(), "");
    for (const char* shown : {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"}) {
        tick();
        EXPECT_EQ(countdown.timeLabel(), shown);
        EXPECT_EQ(countdown.statusPanel(), std::string("T ") + shown);
        EXPECT_EQ(countdown.statusText(), std::string("Timer [") + shown + "]");
        EXPECT_TRUE(countdown.counting());
    }
    EXPECT_TRUE(rings.empty());
    const auto started = clock.now() - 5s;
    tick();
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(rings[0] - started, 6s);
    EXPECT_FALSE(countdown.counting());
    EXPECT_EQ(countdown.counters(), ToolTime{});
    // The tick that ran out still shows its reading.
    EXPECT_EQ(countdown.statusPanel(), "T 00:00:00");
    EXPECT_EQ(countdown.statusText(), "Timer [00:00:00]");
    tick();
    EXPECT_EQ(rings.size(), 1u); // stopped: later ticks do nothing
}

TEST(TimerText, TheLengthOfTheTextDecidesHowItIsRead) {
    EXPECT_EQ(reading("5:30"), (ToolTime{5, 30, 0}));
    EXPECT_EQ(reading("05:30"), (ToolTime{5, 30, 0}));
    EXPECT_EQ(reading("1:02:03"), (ToolTime{1, 2, 3}));
    EXPECT_EQ(reading("12:34:56"), (ToolTime{12, 34, 56}));
    EXPECT_EQ(reading(""), ToolTime{});
    // Separators are not looked at; the numbers have no range limit.
    EXPECT_EQ(reading("00.75.99"), (ToolTime{0, 75, 99}));
    EXPECT_EQ(reading("9x99"), (ToolTime{9, 99, 0}));
}

TEST(TimerText, AnyOtherLengthChangesNothing) {
    for (const char* text : {"1", "12", "123", "12:345", "000:00:00", "1:2:3:4:5"}) {
        ToolTime time{1, 2, 3};
        EXPECT_EQ(readTimerText(text, time).outcome, TimerTextReading::WrongLength) << text;
        EXPECT_EQ(time, (ToolTime{1, 2, 3})) << text;
    }
}

TEST(TimerText, APartThatIsNotANumberStopsTheReadingAfterTheSecondsWereSet) {
    ToolTime time{1, 2, 3};
    TimerTextReading result = readTimerText("00:xx:05", time);
    EXPECT_EQ(result.outcome, TimerTextReading::NotANumber);
    EXPECT_EQ(result.badPart, "xx");
    EXPECT_EQ(time, (ToolTime{1, 2, 5}));

    time = {1, 2, 3};
    result = readTimerText("ab:30", time); // the seconds become 0, the minutes 30
    EXPECT_EQ(result.badPart, "ab");
    EXPECT_EQ(time, (ToolTime{1, 30, 0}));

    // A sign would make a count that never runs round to -1: not a number here.
    for (const char* text : {"-1:00", "00:00:-5", "+1:00", " 5:30", "00:0 :00"}) {
        time = {};
        EXPECT_EQ(readTimerText(text, time).outcome, TimerTextReading::NotANumber) << text;
    }
}

TEST_F(CountdownRun, TypedValuesOverTheRangeCountDownAsTyped) {
    timeBox = "00:75:99";
    ASSERT_TRUE(start().ok());
    EXPECT_EQ(countdown.timeLabel(), "00:75:99");
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:75:98");
    for (int i = 0; i < 99; ++i) {
        tick();
    }
    EXPECT_EQ(countdown.timeLabel(), "00:74:59");
}

TEST(CountedDown, AgreesWithTheTickTakenOneStepAtATime) {
    for (const std::int32_t hours : {0, 1, 2}) {
        for (const std::int32_t minutes : {0, 1, 59, 60, 75, 99}) {
            for (const std::int32_t seconds : {0, 1, 30, 59, 60, 99}) {
                const ToolTime from{hours, minutes, seconds};
                ToolTime stepped = from;
                for (std::int64_t k = 0; k <= from.totalSeconds(); ++k) {
                    ASSERT_EQ(countedDown(from, k), stepped)
                        << clockText(from) << " after " << k << " steps";
                    stepped = stepDown(stepped);
                }
                EXPECT_EQ(stepped.hours, -1) << clockText(from); // the step that runs out
            }
        }
    }
}

TEST_F(CountdownRun, StartWithEveryCounterAtZeroAndAnEmptyBoxRunsOutAtTheFirstTick) {
    ASSERT_TRUE(start().ok());
    EXPECT_TRUE(countdown.counting());
    tick();
    EXPECT_EQ(rings.size(), 1u);
    EXPECT_EQ(countdown.timeLabel(), "00:00:00");
}

TEST_F(CountdownRun, StopAndStartGoOnFromTheStoppedTimeWithoutReadingTheBox) {
    timeBox = "00:01:15";
    ASSERT_TRUE(start().ok());
    for (int i = 0; i < 5; ++i) {
        tick();
    }
    EXPECT_EQ(countdown.timeLabel(), "00:01:10");
    countdown.stop();
    EXPECT_FALSE(countdown.counting());
    EXPECT_EQ(countdown.statusPanel(), "Timer off");
    EXPECT_EQ(countdown.statusText(), "");
    EXPECT_EQ(countdown.timeLabel(), "00:01:10");
    clock.advanceSeconds(30); // stopped: time passing counts nothing
    timeBox = "00:00:09";
    ASSERT_TRUE(start().ok());
    EXPECT_EQ(countdown.timeLabel(), "00:01:10");
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:01:09");
}

TEST_F(CountdownRun, AutoRestartRingsEveryFourSecondsForThreeUntilStop) {
    timeBox = "00:00:03";
    autoRestart = true;
    const auto started = clock.now();
    ASSERT_TRUE(start().ok());
    for (int i = 1; i <= 20; ++i) {
        tick();
        EXPECT_EQ(rings.size(), std::size_t(i / 4)) << "tick " << i;
        if (i % 4 == 0) {
            EXPECT_EQ(countdown.timeLabel(), "00:00:03");
            EXPECT_EQ(countdown.statusPanel(), "T 00:00:03");
            EXPECT_TRUE(countdown.counting());
        }
    }
    for (std::size_t n = 0; n < rings.size(); ++n) {
        EXPECT_EQ(rings[n] - started, std::chrono::seconds(4 * (n + 1)));
    }
    countdown.stop();
    tick();
    EXPECT_EQ(rings.size(), 5u);
}

TEST_F(CountdownRun, AutoRestartKeepsItsRhythmThoughEveryTickComesALittleLate) {
    timeBox = "00:00:03";
    autoRestart = true;
    const auto started = clock.now();
    ASSERT_TRUE(start().ok());
    for (int i = 0; i < 4000; ++i) {
        tick(7ms);
    }
    ASSERT_EQ(rings.size(), 1000u);
    for (std::size_t n = 0; n < rings.size(); ++n) {
        const auto due = started + std::chrono::seconds(4 * (n + 1));
        ASSERT_GE(rings[n], due) << n;
        ASSERT_LT(rings[n] - due, 100ms) << n; // no drift over an hour of restarts
    }
}

TEST_F(CountdownRun, StartIsRefusedWhenTheDurationCannotBeRead) {
    timeBox = "1:2";
    EXPECT_EQ(start().outcome, TimerTextReading::WrongLength);
    EXPECT_FALSE(countdown.counting());
    timeBox = "00:0x:05";
    const TimerTextReading result = start();
    EXPECT_EQ(result.outcome, TimerTextReading::NotANumber);
    EXPECT_EQ(result.badPart, "0x");
    EXPECT_FALSE(countdown.counting());
    EXPECT_EQ(countdown.counters(), (ToolTime{0, 0, 5})); // what was read before stays
    tick();
    EXPECT_TRUE(rings.empty());
    EXPECT_EQ(countdown.statusPanel(), "Timer off");
    // With counters not all 0, Start counts them and does not read the box.
    EXPECT_TRUE(start().ok());
    EXPECT_TRUE(countdown.counting());
}

TEST_F(CountdownRun, AnAutoRestartThatCannotReadTheBoxStaysStopped) {
    timeBox = "00:00:01";
    autoRestart = true;
    ASSERT_TRUE(start().ok());
    tick();
    timeBox = "00:00:0x";
    tick();
    EXPECT_EQ(rings.size(), 1u);
    EXPECT_EQ(restart.outcome, TimerTextReading::NotANumber);
    EXPECT_FALSE(countdown.counting());
}

TEST_F(CountdownRun, SetWhileCountingGoesOnFromTheNewDuration) {
    timeBox = "00:10:00";
    ASSERT_TRUE(start().ok());
    tick();
    clock.advance(300ms);
    ASSERT_TRUE(countdown.set("00:00:02", clock.now()).ok());
    EXPECT_EQ(countdown.timeLabel(), "00:00:02");
    EXPECT_EQ(countdown.untilNextTick(clock.now()), 1s);
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:00:01");
    // A text of the wrong length changes neither the counters nor the count.
    clock.advance(400ms);
    EXPECT_EQ(countdown.set("1", clock.now()).outcome, TimerTextReading::WrongLength);
    EXPECT_EQ(countdown.untilNextTick(clock.now()), 600ms);
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:00:00");
}

TEST_F(CountdownRun, ALateTickCatchesUpInsteadOfCountingOneSecond) {
    timeBox = "00:00:10";
    ASSERT_TRUE(start().ok());
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:00:09");
    tick(3400ms); // the machine was busy
    EXPECT_EQ(countdown.timeLabel(), "00:00:05");
    EXPECT_EQ(countdown.untilNextTick(clock.now()), 600ms); // back on the whole seconds
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:00:04");
    // Ticks a little early or late read the second they were meant for.
    tick(-20ms);
    EXPECT_EQ(countdown.timeLabel(), "00:00:03");
    tick(40ms);
    EXPECT_EQ(countdown.timeLabel(), "00:00:02");
    tick(-30ms);
    EXPECT_EQ(countdown.timeLabel(), "00:00:01");
    tick();
    tick();
    EXPECT_EQ(rings.size(), 1u);
}

TEST_F(CountdownRun, ACountdownThatRanOutDuringASuspendRingsOnceOnResume) {
    timeBox = "00:10:00";
    autoRestart = true;
    ASSERT_TRUE(start().ok());
    tick();
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:09:58");
    clock.advanceSeconds(3 * 3600); // asleep; the next tick comes on resume
    tickNow();
    ASSERT_EQ(rings.size(), 1u);
    // The restart counts from the resume, not from when the count was due.
    EXPECT_EQ(countdown.timeLabel(), "00:10:00");
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:09:59");
    for (int i = 0; i < 600; ++i) {
        tick();
    }
    EXPECT_EQ(rings.size(), 2u);
    EXPECT_EQ(rings[1] - rings[0], 601s);
}

TEST_F(CountdownRun, ARestartAfterAMessageWasAnsweredCountsFromThen) {
    timeBox = "00:00:03";
    autoRestart = true;
    whileRinging = [this] { clock.advanceSeconds(5); }; // "No sound selected!" was shown
    ASSERT_TRUE(start().ok());
    for (int i = 0; i < 4; ++i) {
        tick();
    }
    ASSERT_EQ(rings.size(), 1u);
    whileRinging = nullptr;
    EXPECT_EQ(countdown.timeLabel(), "00:00:03");
    tick();
    EXPECT_EQ(countdown.timeLabel(), "00:00:02");
}

TEST_F(CountdownRun, TheSoundPlaysRepeatTimesInAll) {
    ASSERT_TRUE(countdown.set("00:00:01", clock.now()).ok());
    EXPECT_EQ(countdown.playCount(), 1);
    EXPECT_TRUE(countdown.playAgain(3));
    EXPECT_TRUE(countdown.playAgain(3));
    EXPECT_FALSE(countdown.playAgain(3));
    EXPECT_EQ(countdown.playCount(), 3);
    ASSERT_TRUE(countdown.set("00:00:01", clock.now()).ok());
    EXPECT_FALSE(countdown.playAgain(1));
    // A failed reading still starts a new alarm's count of plays.
    EXPECT_FALSE(countdown.set("bad", clock.now()).ok());
    EXPECT_EQ(countdown.playCount(), 1);
}
