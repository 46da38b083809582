// The alarm check on a clock the tests move: which minutes are looked at, which alarms they
// find, how a late alarm reads, and the list of the next alarms.
#include "calendar/Alarms.h"
#include "storage/CalSet.h"
#include "storage/EntryRecords.h"
#include "storage/FileError.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace trevik;
using trevik::test::TempDir;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

double at(int hour, int minute, int second = 0) {
    return timeFraction({hour, minute, second, 0});
}

AlarmMinute minuteAt(int y, int m, int d, int hour, int minute) {
    return AlarmMinute(dayOf(y, m, d)) * 1440 + hour * 60 + minute;
}

std::vector<std::string> comments(const std::vector<DueAlarm>& due) {
    std::vector<std::string> texts;
    for (const DueAlarm& alarm : due) {
        texts.push_back(alarm.comment);
    }
    return texts;
}

struct AlarmFixture : ::testing::Test {
    TempDir dir;
    // Monday 7 December 2026, 14:29:40.
    test::FixedClock clock{encodeDateTime({2026, 12, 7}, {14, 29, 40, 0})};
    AlarmSchedule schedule;
    ViewContext context;

    std::int32_t add(const std::string& comment, DayNumber from, double alarm,
                     DayNumber to = kNoDate, std::int16_t repeat = kRepeatNone) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.dateTo = to;
        e.alarm = alarm;
        e.repeat = repeat;
        return addEntry(dir.path(), e, clock, 1).id;
    }

    // One check of the window's timer at the clock's present reading.
    std::vector<std::string> check() {
        return comments(checkAlarmsAt(schedule, dir.path(), clock.now(), context));
    }
};

} // namespace

TEST(AlarmScheduleTest, EveryMinuteIsLookedAtOnceHoweverTheClockMoves) {
    test::FixedClock clock{encodeDateTime({2026, 12, 7}, {14, 30, 5, 0})};
    AlarmSchedule schedule;
    const AlarmMinute half2 = minuteAt(2026, 12, 7, 14, 30);
    // The first check: the present minute only.
    ASSERT_EQ(schedule.due(clock.now()), (MinuteRange{half2, half2}));
    schedule.checked(*schedule.due(clock.now()));
    // A timer that fires early, or twice in one minute, finds nothing left.
    clock.advanceSeconds(50);
    EXPECT_FALSE(schedule.due(clock.now()));
    // The next minute, also when the timer is a few seconds late.
    clock.advanceSeconds(7);
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{half2 + 1, half2 + 1}));
    schedule.checked(*schedule.due(clock.now()));
    // A timer so late that a minute went by: both minutes.
    clock.advanceSeconds(120);
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{half2 + 2, half2 + 3}));
    schedule.checked(*schedule.due(clock.now()));
    // Three hours of suspend: every minute of them.
    clock.advanceMinutes(180);
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{half2 + 4, half2 + 183}));
    schedule.checked(*schedule.due(clock.now()));
    // The clock set back an hour: nothing until it passes the last minute looked at.
    clock.advanceMinutes(-60);
    EXPECT_FALSE(schedule.due(clock.now()));
    clock.advanceMinutes(60);
    EXPECT_FALSE(schedule.due(clock.now()));
    clock.advanceMinutes(1);
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{half2 + 184, half2 + 184}));
    schedule.checked(*schedule.due(clock.now()));
    // Two days of suspend: the last 24 hours, each minute once.
    clock.advanceDays(2);
    const AlarmMinute now = half2 + 184 + 2 * 1440;
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{now - 1439, now}));
    schedule.checked(*schedule.due(clock.now()));
    // A clock set back by more than a day was wrong before: checking starts again there.
    clock.advanceDays(-3);
    EXPECT_EQ(schedule.due(clock.now()), (MinuteRange{now - 3 * 1440, now - 3 * 1440}));
    // No civil day, no minute.
    EXPECT_FALSE(schedule.due(-5.5));
}

TEST(AlarmScheduleTest, TheTimerIsArmedForTheStartOfTheNextMinute) {
    EXPECT_EQ(millisecondsToNextMinute(encodeDateTime({2026, 12, 7}, {14, 30, 0, 0})), 60000);
    EXPECT_EQ(millisecondsToNextMinute(encodeDateTime({2026, 12, 7}, {14, 30, 59, 999})), 1);
    EXPECT_EQ(millisecondsToNextMinute(encodeDateTime({2026, 12, 7}, {14, 30, 12, 250})), 47750);
    EXPECT_EQ(millisecondsToNextMinute(encodeDateTime({2026, 12, 7}, {23, 59, 30, 0})), 30000);
}

TEST_F(AlarmFixture, AnAlarmFiresOnceInItsMinute) {
    add("Dentist", dayOf(2026, 12, 7), at(14, 30));
    EXPECT_TRUE(check().empty()); // 14:29
    clock.advanceSeconds(25);     // 14:30:05
    EXPECT_EQ(check(), (std::vector<std::string>{"Dentist"}));
    clock.advanceSeconds(30); // a second check within 14:30
    EXPECT_TRUE(check().empty());
    for (int i = 0; i < 5; ++i) { // 14:31 and later
        clock.advanceMinutes(1);
        EXPECT_TRUE(check().empty());
    }
}

TEST_F(AlarmFixture, EntriesOfOneMinuteAreFoundTogetherInFileOrder) {
    add("Dentist", dayOf(2026, 12, 7), at(14, 30));
    add("Other day", dayOf(2026, 12, 8), at(14, 30));
    add("Call", dayOf(2026, 12, 7), at(14, 30, 45)); // the seconds do not count
    add("No alarm", dayOf(2026, 12, 7), kNoTime);
    add("Damaged alarm", dayOf(2026, 12, 7), 1.5);
    clock.advanceSeconds(25);
    EXPECT_EQ(check(), (std::vector<std::string>{"Dentist", "Call"}));
}

TEST_F(AlarmFixture, RepeatsAndPeriodsRingOnTheDaysTheyShow) {
    add("Weekly, starting later", dayOf(2027, 1, 4), at(14, 30), kNoDate, kRepeatWeekly);
    add("Weekly, other weekday", dayOf(2027, 1, 5), at(14, 30), kNoDate, kRepeatWeekly);
    add("Period", dayOf(2026, 12, 1), at(14, 30), dayOf(2026, 12, 9));
    add("Period ending today", dayOf(2026, 12, 3), at(14, 30), dayOf(2026, 12, 7));
    add("Daily", dayOf(2030, 1, 1), at(14, 30), kNoDate, kRepeatDaily);
    const MinuteRange half2{minuteAt(2026, 12, 7, 14, 30), minuteAt(2026, 12, 7, 14, 30)};
    EXPECT_EQ(comments(dueAlarmsIn(dir.path(), half2, context)),
              (std::vector<std::string>{"Weekly, starting later", "Period", "Period ending today",
                                        "Daily"}));
    context.datePeriodMode = 1; // first and last day only
    EXPECT_EQ(comments(dueAlarmsIn(dir.path(), half2, context)),
              (std::vector<std::string>{"Weekly, starting later", "Period ending today", "Daily"}));
    context.datePeriodMode = 0; // the yearly planner only: periods never ring
    EXPECT_EQ(comments(dueAlarmsIn(dir.path(), half2, context)),
              (std::vector<std::string>{"Weekly, starting later", "Daily"}));
}

TEST_F(AlarmFixture, ASuspendOfThreeHoursShowsEachMissedAlarmOnceWithItsTime) {
    add("Tea", dayOf(2026, 12, 7), at(15, 0));
    add("Meeting", dayOf(2026, 12, 7), at(16, 15));
    add("Standup", dayOf(2026, 12, 7), at(17, 29));
    add("After", dayOf(2026, 12, 7), at(17, 31));
    add("Before", dayOf(2026, 12, 7), at(14, 0));
    EXPECT_TRUE(check().empty()); // 14:29:40
    clock.advanceMinutes(180);    // 17:29:40
    const AlarmMinute now = *alarmMinuteOf(clock.now());
    const std::vector<DueAlarm> due = checkAlarmsAt(schedule, dir.path(), clock.now(), context);
    ASSERT_EQ(comments(due), (std::vector<std::string>{"Tea", "Meeting", "Standup"}));
    const EnglishLocale locale;
    EXPECT_EQ(alarmNoticeLine(due[0], now, locale), "Tea (due at 15:00)");
    EXPECT_EQ(alarmNoticeLine(due[1], now, locale), "Meeting (due at 16:15)");
    EXPECT_EQ(alarmNoticeLine(due[2], now, locale), "Standup"); // on time
    clock.advanceMinutes(1);
    EXPECT_TRUE(check().empty());
    clock.advanceMinutes(1);
    EXPECT_EQ(check(), (std::vector<std::string>{"After"}));
}

TEST_F(AlarmFixture, AClockSetBackAnHourRingsNothingTwice) {
    add("Tea", dayOf(2026, 12, 7), at(15, 0));
    add("Later", dayOf(2026, 12, 7), at(16, 0));
    add("After", dayOf(2026, 12, 7), at(16, 30));
    std::vector<std::string> rung;
    const auto run = [&](int minutes) {
        for (int i = 0; i < minutes; ++i) {
            for (std::string& comment : check()) {
                rung.push_back(comment);
            }
            clock.advanceMinutes(1);
        }
    };
    run(100);                  // 14:29 to 16:08
    clock.advanceMinutes(-60); // 15:09: 15:09 to 16:08 were looked at already
    run(100);                  // to 16:48
    EXPECT_EQ(rung, (std::vector<std::string>{"Tea", "Later", "After"}));
}

TEST_F(AlarmFixture, ASuspendOverMidnightNamesTheDayOfAMissedAlarm) {
    add("Late call", dayOf(2026, 12, 7), at(23, 50));
    add("Every day", dayOf(2026, 12, 1), at(0, 5), kNoDate, kRepeatDaily);
    clock.set({2026, 12, 7}, {23, 0, 0, 0});
    EXPECT_TRUE(check().empty());
    clock.advanceMinutes(90); // 00:30 the next day
    const AlarmMinute now = *alarmMinuteOf(clock.now());
    const std::vector<DueAlarm> due = checkAlarmsAt(schedule, dir.path(), clock.now(), context);
    ASSERT_EQ(comments(due), (std::vector<std::string>{"Late call", "Every day"}));
    const EnglishLocale locale;
    EXPECT_EQ(alarmNoticeLine(due[0], now, locale), "Late call (due at 23:50 on 07/12/2026)");
    EXPECT_EQ(alarmNoticeLine(due[1], now, locale), "Every day (due at 0:05)");
    // Three days asleep: the last 24 hours are caught up, so a daily alarm rings once.
    clock.advanceDays(3);
    EXPECT_EQ(check(), (std::vector<std::string>{"Every day"}));
}

TEST_F(AlarmFixture, AFailedReadLeavesItsMinutesForTheNextCheck) {
    add("Dentist", dayOf(2026, 12, 7), at(14, 30));
    EXPECT_TRUE(check().empty());
    clock.advanceMinutes(1); // 14:30:40, and the file cannot be read
    const std::filesystem::path file = dir / "CALENDAR.TVD";
    std::filesystem::rename(file, dir / "saved");
    std::filesystem::create_directory(file);
    EXPECT_THROW(check(), FileError);
    clock.advanceMinutes(1);
    EXPECT_THROW(check(), FileError);
    std::filesystem::remove(file);
    std::filesystem::rename(dir / "saved", file);
    clock.advanceMinutes(1);
    EXPECT_EQ(check(), (std::vector<std::string>{"Dentist"}));
}

TEST_F(AlarmFixture, TheNextAlarmsComeInTheOrderTheyAreDue) {
    add("Dentist", dayOf(2026, 12, 7), at(14, 30));
    add("Passed today", dayOf(2026, 12, 7), at(14, 0));
    add("Gym", dayOf(2026, 12, 2), at(18, 0), kNoDate, kRepeatWeekly); // Wednesdays
    add("Birthday", dayOf(1980, 12, 24), at(8, 0), kNoDate, kRepeatYearly);
    add("Far", dayOf(2400, 2, 29), at(9, 0));
    add("Same minute", dayOf(2026, 12, 9), at(18, 0));
    const std::vector<DueAlarm> next = nextAlarms(dir.path(), clock.now(), 6, context);
    const std::vector<DueAlarm> expected = {
        {minuteAt(2026, 12, 7, 14, 30), 1, "Dentist"},
        {minuteAt(2026, 12, 9, 18, 0), 3, "Gym"},
        {minuteAt(2026, 12, 9, 18, 0), 6, "Same minute"},
        {minuteAt(2026, 12, 16, 18, 0), 3, "Gym"},
        {minuteAt(2026, 12, 23, 18, 0), 3, "Gym"},
        {minuteAt(2026, 12, 24, 8, 0), 4, "Birthday"},
    };
    EXPECT_EQ(next, expected);
    // The present minute is included; a passed one is not.
    clock.set({2026, 12, 7}, {14, 30, 59, 0});
    EXPECT_EQ(nextAlarms(dir.path(), clock.now(), 1, context).at(0).comment, "Dentist");
    // Beyond the repeats, as far as the civil days go.
    std::vector<DueAlarm> far =
        nextAlarms(dir.path(), encodeDateTime({2400, 1, 1}, {}), 100, context);
    ASSERT_FALSE(far.empty());
    const auto found =
        std::find_if(far.begin(), far.end(), [](const DueAlarm& a) { return a.comment == "Far"; });
    ASSERT_NE(found, far.end());
    EXPECT_EQ(found->minute, minuteAt(2400, 2, 29, 9, 0));
    EXPECT_TRUE(nextAlarms(dir.path(), clock.now(), 0, context).empty());
}

namespace {

// The plain check: for each minute, scan the file and take every entry that shows that day and
// whose alarm has that hour and minute.
std::vector<DueAlarm> scanMinuteByMinute(const std::filesystem::path& dir, AlarmMinute first,
                                         AlarmMinute last, ViewContext context) {
    std::vector<DueAlarm> due;
    for (DayNumber day = dayOfMinute(first); day <= dayOfMinute(last); ++day) {
        context.today = day;
        std::vector<CalendarEntry> showing;
        CalSet set(dir);
        set.Open();
        for (set.First(); !set.AtEnd(); set.Next()) {
            CalendarEntry entry = set;
            if (entry.alarm != kNoTime && OccursOn(entry, day, context)) {
                showing.push_back(entry);
            }
        }
        for (int minute = 0; minute < 1440; ++minute) {
            const AlarmMinute now = AlarmMinute(day) * 1440 + minute;
            if (now < first || now > last) {
                continue;
            }
            for (const CalendarEntry& entry : showing) {
                const TimeOfDay alarm = timeOfDayFromFraction(entry.alarm);
                if (alarm.hour == minute / 60 && alarm.minute == minute % 60) {
                    due.push_back({now, entry.id, entry.comment});
                }
            }
        }
    }
    return due;
}

} // namespace

TEST_F(AlarmFixture, NextAlarmsAgreeWithAMinuteByMinuteScan) {
    std::mt19937 random(1207);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 60; ++i) {
        // Repeats none to yearly, one-day entries, periods and undated entries.
        const DayNumber from = dayOf(2026, 11, 20) + pick(0, 40);
        const int kind = pick(0, 7);
        add("e" + std::to_string(i), kind == 7 ? kNoDate : from,
            pick(0, 5) == 0 ? kNoTime : at(pick(0, 23), pick(0, 3) * 15),
            kind == 6 ? from + pick(0, 5) : kNoDate, std::int16_t(kind < 5 ? kind : kRepeatNone));
    }
    const AlarmMinute start = *alarmMinuteOf(clock.now());
    for (int mode = 0; mode <= 2; ++mode) {
        for (std::int32_t view : {kDayView, kWeekView}) {
            context.datePeriodMode = mode;
            context.viewCode = view;
            const std::vector<DueAlarm> scanned =
                scanMinuteByMinute(dir.path(), start, start + 20 * 1440 - 1, context);
            ASSERT_GT(scanned.size(), 20u);
            EXPECT_EQ(nextAlarms(dir.path(), clock.now(), scanned.size(), context), scanned)
                << "mode " << mode;
            EXPECT_EQ(dueAlarmsIn(dir.path(), {start, start + 20 * 1440 - 1}, context), scanned);
        }
    }
}
