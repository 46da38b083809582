// Calendar records with fields no editor writes (NaN or huge times, dates far outside any
// calendar, whole records of 0xFF or 0x00): every such field reads as absent.
#include "calendar/Alarms.h"
#include "calendar/CalendarNavigation.h"
#include "calendar/CalendarView.h"
#include "calendar/OutdatedEntries.h"
#include "calendar/YearlyPlanner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>

using namespace trevik;
using trevik::test::TempDir;

namespace {

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

double at(int hour, int minute) {
    return timeFraction({hour, minute, 0, 0});
}

// None of these is a time of day.
const double kDamagedTimes[] = {kNaN,
                                -kNaN,
                                kInfinity,
                                -kInfinity,
                                -0.25,
                                -1e-9,
                                1.0,
                                1.5,
                                45000.5,
                                2047687697.3,
                                1e300,
                                -1e300,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest()};
// Day numbers outside 1900-01-01 .. 9999-12-31 (day 2 .. day 2958465).
const DayNumber kDamagedDays[] = {kMinInt, kMinInt + 1, -2, 0, 1, 2958466, kMaxInt - 1, kMaxInt};

struct DamagedDiary : ::testing::Test {
    TempDir dir;
    EnglishLocale locale;
    ViewContext context;
    DayNumber today = dayOf(2026, 3, 18); // a Wednesday
    std::int32_t nextId = 1;

    DamagedDiary() { context.today = today; }

    // Writes the entry as it stands, without the editor's rules in between.
    void write(const CalendarEntry& fields) {
        CalSet set(dir.path());
        set.Open();
        set.NewRecord();
        static_cast<CalendarEntry&>(set) = fields;
        set.id = nextId++;
        set.Write();
    }

    void add(const std::string& comment, DayNumber from, DayNumber to = kNoDate,
             std::int16_t repeat = kRepeatNone, double timeFrom = kNoTime, double timeTo = kNoTime,
             double alarm = kNoTime) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.dateTo = to;
        e.repeat = repeat;
        e.timeFrom = timeFrom;
        e.timeTo = timeTo;
        e.alarm = alarm;
        write(e);
    }

    // One record of the same byte throughout, appended to the file as raw bytes.
    void appendRawRecord(unsigned char byte) {
        CalSet set(dir.path());
        set.Open(); // creates the file when it is missing
        set.Close();
        std::ofstream out(dir / CalSet::kFileName, std::ios::binary | std::ios::app);
        const std::string record(CalSet::kRecordSize, char(byte));
        out.write(record.data(), std::streamsize(record.size()));
    }

    // The mix of damaged entries most views below are built from, in this file order. A
    // damaged date reads as no date: with a time, a Daily entry then shows every day and the
    // other repeats never; without any time the entry is a to-do item, repeat or not.
    void addDamagedMix() {
        add("min daily", kMinInt, kNoDate, kRepeatDaily, at(8, 0));
        add("min weekly", kMinInt, kNoDate, kRepeatWeekly, at(8, 0));
        add("min monthly", kMinInt, kNoDate, kRepeatMonthly, at(8, 0));
        add("min yearly", kMinInt, kNoDate, kRepeatYearly, at(8, 0));
        add("max daily", kMaxInt, kNoDate, kRepeatDaily, at(8, 30));
        add("max weekly", kMaxInt, kNoDate, kRepeatWeekly, at(8, 30));
        add("max monthly", kMaxInt, kNoDate, kRepeatMonthly, at(8, 30));
        add("max yearly", kMaxInt, kNoDate, kRepeatYearly, at(8, 30));
        add("nan time", today, kNoDate, kRepeatNone, kNaN, kNaN, kNaN);
        add("huge time", today, kNoDate, kRepeatNone, 2047687697.3, 1e300);
        add("negative time", today, kNoDate, kRepeatNone, -0.25);
        add("a whole day", today, kNoDate, kRepeatNone, 1.0);
        add("endless", today, kMaxInt, kRepeatYearly);
        add("beginningless", kMinInt, today, kRepeatWeekly);
        add("nan to-do", kNoDate, kNoDate, kRepeatNone, kNaN, -kInfinity, kInfinity);
        add("infinite end", kNoDate, kNoDate, kRepeatNone, kNoTime, kInfinity);
        add("min to max", kMinInt, kMaxInt, kRepeatMonthly);
        add("nine", today, kNoDate, kRepeatNone, at(9, 0));
        add("untimed weekly", kMinInt, kNoDate, kRepeatWeekly);
    }

    CalendarRowList build(std::int32_t view, DayNumber date, CalendarBuild* result = nullptr) {
        context.viewCode = view;
        CalendarRowList rows;
        const CalendarBuild b = BuildCalendarView(rows, dir.path(), date, context, 1 << 30, locale);
        if (result != nullptr) {
            *result = b;
        }
        return rows;
    }

    static std::vector<std::string> describe(const CalendarRowList& rows) {
        std::vector<std::string> out;
        for (const CalendarRow& row : rows.rows()) {
            out.push_back(row.isDayHeader ? "# " + row.dayText
                                          : row.timeText + "|" + row.typeName + "|" + row.comment);
        }
        return out;
    }

    // What the mix shows on one day, with or without its to-do items.
    std::vector<std::string> mixDay(DayNumber day, bool withToDo) const {
        std::vector<std::string> out = {"# " + DayHeaderText(day, locale), "8:00||min daily",
                                        "8:30||max daily"};
        if (day == today) {
            for (const char* line : {"9:00||nine", "||nan time", "||huge time", "||negative time",
                                     "||a whole day", "||endless"}) {
                out.push_back(line);
            }
        }
        if (withToDo) {
            for (const char* toDo : {"nan to-do", "infinite end", "min to max", "untimed weekly"}) {
                out.push_back(std::string("|To Do|") + toDo);
            }
        }
        return out;
    }
};

} // namespace

TEST(DamagedFields, TextsOfDamagedTimesAndDaysAreEmpty) {
    const EnglishLocale locale;
    for (const double time : kDamagedTimes) {
        EXPECT_EQ(TimeText(time), "") << time;
        EXPECT_FALSE(isTimeOfDay(time)) << time;
    }
    for (const DayNumber day : kDamagedDays) {
        EXPECT_EQ(DayHeaderText(day, locale), "") << day;
        EXPECT_EQ(ShortDateText(day, locale), "") << day;
        EXPECT_EQ(formatDate(day, "d MMMM yyyy", locale), "") << day;
        EXPECT_FALSE(isCivilDay(day)) << day;
    }
    // The edges of the span still read as dates and times.
    EXPECT_EQ(TimeText(0.0), "0:00");
    EXPECT_EQ(TimeText(std::nextafter(1.0, 0.0)), "23:59");
    EXPECT_EQ(TimeText(at(23, 59)), "23:59");
    EXPECT_EQ(DayHeaderText(kFirstCivilDay, locale), "Mon 1. Jan 1900.");
    EXPECT_EQ(DayHeaderText(kLastCivilDay, locale), "Fri 31. Dec 9999.");
    EXPECT_EQ(ShortDateText(kLastCivilDay, locale), "31/12/9999");
    EXPECT_EQ(kFirstCivilDay, dayOf(1900, 1, 1));
    EXPECT_EQ(kLastCivilDay, dayOf(9999, 12, 31));
}

TEST(DamagedFields, DateConversionsStayDefinedOverTheWholeRange) {
    // Day 0 is a Saturday; the weekday follows from the day number for every int32.
    for (const DayNumber day : {kMinInt, kMinInt + 1, -8, -1, 0, 6, 7, kMaxInt - 1, kMaxInt}) {
        const int expected = int(((std::int64_t(day) % 7 + 7) % 7 + 6) % 7);
        EXPECT_EQ(dayOfWeek(day), expected) << day;
    }
    EXPECT_EQ(dayNumberOf(kNaN), kNoDate);
    EXPECT_EQ(dayNumberOf(kInfinity), kNoDate);
    EXPECT_EQ(dayNumberOf(-1e300), kNoDate);
    EXPECT_EQ(dayNumberOf(4294967296.5), kNoDate);
    EXPECT_EQ(dayNumberOf(45000.75), 45000);
    EXPECT_EQ(timeOfDayFromFraction(kNaN), TimeOfDay{});
    EXPECT_EQ(timeOfDayFromFraction(kInfinity), TimeOfDay{});
    EXPECT_EQ(daysInMonth(2026, 0), 0);
    EXPECT_EQ(daysInMonth(2026, 13), 0);
}

TEST(DamagedFields, OccursOnTreatsDamagedDatesAndTimesAsAbsent) {
    const ViewContext context; // the day view, every day of a period
    const DayNumber day = dayOf(2026, 3, 18);
    for (const DayNumber damaged : kDamagedDays) {
        for (const std::int16_t repeat : std::initializer_list<std::int16_t>{
                 kRepeatNone, kRepeatWeekly, kRepeatMonthly, kRepeatYearly, 77}) {
            CalendarEntry e;
            e.dateFrom = damaged;
            e.repeat = repeat;
            e.timeFrom = at(8, 0);
            EXPECT_FALSE(OccursOn(e, day, context)) << damaged << " " << repeat;
            e.dateTo = day; // a period of which one end is damaged is no period
            EXPECT_FALSE(OccursOn(e, day, context)) << damaged << " " << repeat;
        }
        CalendarEntry daily;
        daily.dateFrom = damaged;
        daily.repeat = kRepeatDaily; // Daily needs no start date
        EXPECT_TRUE(OccursOn(daily, day, context)) << damaged;
        CalendarEntry endTime;
        endTime.dateFrom = damaged;
        endTime.timeTo = at(10, 0);
        EXPECT_TRUE(OccursOn(endTime, day, context)) << damaged;
        EXPECT_EQ(endTime.type, -1);
    }
    for (const double damaged : kDamagedTimes) {
        CalendarEntry e;
        e.type = 4;
        e.timeFrom = damaged;
        e.timeTo = damaged;
        EXPECT_TRUE(OccursOn(e, day, context)) << damaged; // absent times: a to-do item
        EXPECT_EQ(e.type, kToDoType) << damaged;
    }
    // Nothing occurs outside the calendar's span, so a repeat never counts past its ends.
    CalendarEntry daily;
    daily.repeat = kRepeatDaily;
    for (const DayNumber outside : kDamagedDays) {
        EXPECT_FALSE(OccursOn(daily, outside, context)) << outside;
    }
    EXPECT_TRUE(OccursOn(daily, kFirstCivilDay, context));
    EXPECT_TRUE(OccursOn(daily, kLastCivilDay, context));
}

TEST(DamagedFields, AStoredToDoMarkerIsNoType) {
    // -2 is only ever put on an in-memory to-do item; read from a file it names no type.
    ViewContext context;
    CalendarEntry dated;
    dated.dateFrom = dayOf(2026, 3, 18);
    dated.type = kToDoType;
    EXPECT_TRUE(OccursOn(dated, dated.dateFrom, context));
    EXPECT_EQ(dated.type, -1);
}

TEST(DamagedFields, EnumerationOverTheWholeIntRangeAgreesWithTheDayByDayRule) {
    ViewContext context;
    const DayNumber first = kLastCivilDay - 40;
    for (const DayNumber from :
         {kMinInt, kMaxInt, kLastCivilDay, kLastCivilDay - 31, kFirstCivilDay, kNoDate}) {
        for (const DayNumber to : {kNoDate, kMaxInt, kLastCivilDay, kMinInt}) {
            for (std::int16_t repeat = -1; repeat <= 5; ++repeat) {
                for (const std::int32_t mode : {1, 2}) {
                    context.datePeriodMode = mode;
                    CalendarEntry e;
                    e.dateFrom = from;
                    e.dateTo = to;
                    e.repeat = repeat;
                    e.timeFrom = at(8, 0);
                    std::vector<DayNumber> enumerated;
                    // A range reaching past the last int32 must not wrap around.
                    forEachOccurrence(e, first, kMaxInt, context,
                                      [&](DayNumber d) { enumerated.push_back(d); });
                    std::vector<DayNumber> tried;
                    for (DayNumber d = first; d <= kLastCivilDay + 5; ++d) {
                        if (OccursOn(e, d, context)) {
                            tried.push_back(d);
                        }
                    }
                    EXPECT_EQ(enumerated, tried) << from << " " << to << " " << repeat;
                    enumerated.clear();
                    forEachOccurrence(e, kMinInt, kFirstCivilDay + 3, context,
                                      [&](DayNumber d) { enumerated.push_back(d); });
                    EXPECT_LE(enumerated.size(), 4u);
                    for (const DayNumber d : enumerated) {
                        EXPECT_TRUE(isCivilDay(d)) << d;
                    }
                }
            }
        }
    }
}

TEST_F(DamagedDiary, DayViewShowsDamagedFieldsAsAbsent) {
    addDamagedMix();
    EXPECT_EQ(describe(build(kDayView, today)), mixDay(today, true));
    EXPECT_EQ(describe(build(kDayView, today + 1)), mixDay(today + 1, true));
}

TEST_F(DamagedDiary, WeekAndMonthViewsShowDamagedFieldsAsAbsent) {
    addDamagedMix();
    for (const bool monday : {false, true}) {
        context.weekStartsMonday = monday;
        std::vector<std::string> expected;
        for (DayNumber day = weekStart(today, monday); day < weekStart(today, monday) + 7; ++day) {
            for (const std::string& line : mixDay(day, day == today)) {
                expected.push_back(line);
            }
        }
        EXPECT_EQ(describe(build(kWeekView, today)), expected) << monday;
    }
    std::vector<std::string> march;
    for (int d = 1; d <= 31; ++d) {
        for (const std::string& line : mixDay(dayOf(2026, 3, d), d == 18)) {
            march.push_back(line);
        }
    }
    EXPECT_EQ(describe(build(kMonthView, dayOf(2026, 3, 2))), march);
}

TEST_F(DamagedDiary, YearAnniversaryAndToDoViewsShowDamagedFieldsAsAbsent) {
    addDamagedMix();
    // Every day has the two daily entries; today adds its own; "endless" is a yearly entry.
    EXPECT_EQ(build(kYearView, dayOf(2026, 7, 1)).count(), 365 * 3 + 6 + 4);
    const CalendarRowList nextYear = build(kYearView, dayOf(2027, 7, 1));
    EXPECT_EQ(nextYear.count(), 365 * 3 + 1);
    EXPECT_EQ(describe(build(kAnniversaryView, dayOf(1990, 1, 1))),
              (std::vector<std::string>{"# Wed 18. Mar 2026.", "||endless"}));
    EXPECT_EQ(describe(build(kToDoView, today)),
              (std::vector<std::string>{"# To Do view", "|To Do|nan to-do", "|To Do|infinite end",
                                        "|To Do|min to max", "|To Do|untimed weekly"}));
}

TEST_F(DamagedDiary, ViewsAtTheEdgesOfTheCalendarStopThere) {
    add("always", kFirstCivilDay, kLastCivilDay, kRepeatNone, at(7, 0));
    add("last day yearly", kLastCivilDay, kNoDate, kRepeatYearly);
    CalendarBuild result;
    const auto lastWeek = describe(build(kWeekView, kLastCivilDay, &result));
    ASSERT_FALSE(lastWeek.empty());
    EXPECT_EQ(lastWeek.front(), "# Sun 26. Dec 9999.");
    EXPECT_EQ(lastWeek[lastWeek.size() - 3], "# Fri 31. Dec 9999."); // the week ends with the span
    EXPECT_EQ(build(kYearView, kLastCivilDay).count(), 365 * 2 + 1);
    const auto firstWeek = describe(build(kWeekView, kFirstCivilDay));
    ASSERT_FALSE(firstWeek.empty());
    EXPECT_EQ(firstWeek.front(), "# Mon 1. Jan 1900.");
    EXPECT_EQ(firstWeek.size(), 12u); // 1900-01-01 is a Monday; the Sunday before is outside
    EXPECT_EQ(build(kMonthView, kFirstCivilDay).count(), 31 * 2);
    // A view around a day outside the span shows nothing rather than made-up days.
    for (const DayNumber outside : kDamagedDays) {
        for (const std::int32_t view : {kDayView, kWeekView, kMonthView, kYearView}) {
            EXPECT_TRUE(build(view, outside, &result).empty()) << outside << " " << view;
            EXPECT_EQ(result.gridRowCount, 2);
        }
    }
    // Navigation stays inside the span.
    EXPECT_EQ(stepCalendarDate(kLastCivilDay, kDayView, 1), kLastCivilDay);
    EXPECT_EQ(stepCalendarDate(kLastCivilDay - 3, kWeekView, 1), kLastCivilDay - 3);
    EXPECT_EQ(stepCalendarDate(kLastCivilDay, kMonthView, 1), kLastCivilDay);
    EXPECT_EQ(stepCalendarDate(dayOf(9999, 3, 1), kYearView, 1), dayOf(9999, 3, 1));
    EXPECT_EQ(stepCalendarDate(kFirstCivilDay, kDayView, -1), kFirstCivilDay);
    EXPECT_EQ(stepCalendarDate(dayOf(1900, 1, 31), kMonthView, -1), dayOf(1900, 1, 31));
    EXPECT_EQ(stepCalendarDate(dayOf(9999, 11, 30), kMonthView, 1), dayOf(9999, 12, 30));
    EXPECT_EQ(stepCalendarDate(kMaxInt, kDayView, 1), kMaxInt);
    EXPECT_EQ(stepCalendarDate(kMinInt, kWeekView, -1), kMinInt);
}

TEST_F(DamagedDiary, RecordsOfAllOnesAndAllZerosReadAsTheirValidFields) {
    appendRawRecord(0xFF);
    appendRawRecord(0x00);
    // All 0xFF: dates -1 (none), times NaN (none), type and repeat -1: a to-do item whose
    // comment and file link are the raw bytes.
    // All 0x00: dates day 0 (1899-12-30, outside the span: none), times 0:00, so an undated
    // entry with an end time, which shows on every day at 0:00.
    const std::string ones(30, '\xFF');
    EXPECT_EQ(describe(build(kDayView, today)),
              (std::vector<std::string>{"# Wed 18. Mar 2026.", "0:00||", "|To Do|" + ones}));
    EXPECT_EQ(describe(build(kToDoView, today)),
              (std::vector<std::string>{"# To Do view", "|To Do|" + ones}));
    EXPECT_EQ(build(kYearView, today).count(), 365 * 2 + 1);
    EXPECT_TRUE(build(kAnniversaryView, today).empty());
    EXPECT_EQ(dueAlarms(dir.path(), double(today) + at(0, 0), context),
              (std::vector<std::string>{""}));
    EXPECT_TRUE(dueAlarms(dir.path(), double(today) + at(12, 0), context).empty());
    EXPECT_TRUE(buildPlannerYear(dir.path(), 2026).at(0).marks.empty());
}

TEST_F(DamagedDiary, AlarmsIgnoreDamagedAlarmTimes) {
    const double noon = at(12, 0);
    add("lunch", today, kNoDate, kRepeatNone, kNoTime, kNoTime, noon);
    add("nan alarm", today, kNoDate, kRepeatNone, kNoTime, kNoTime, kNaN);
    add("infinite alarm", today, kNoDate, kRepeatNone, kNoTime, kNoTime, kInfinity);
    add("negative alarm", today, kNoDate, kRepeatNone, kNoTime, kNoTime, -0.5);
    add("alarm past the day", today, kNoDate, kRepeatNone, kNoTime, kNoTime, 1.5);
    add("alarm with a date", today, kNoDate, kRepeatNone, kNoTime, kNoTime, 1e12 + 0.5);
    add("weekly from nowhere", kMinInt, kNoDate, kRepeatWeekly, at(8, 0), kNoTime, noon);
    add("daily from nowhere", kMaxInt, kNoDate, kRepeatDaily, at(8, 0), kNoTime, noon);
    add("to-do from nowhere", kMaxInt, kNoDate, kRepeatWeekly, kNoTime, kNoTime, noon);
    const DateTime atNoon = double(today) + noon;
    // Whatever occurs today rings at a real alarm time, a to-do item included.
    EXPECT_EQ(dueAlarms(dir.path(), atNoon, context),
              (std::vector<std::string>{"lunch", "daily from nowhere", "to-do from nowhere"}));
    for (const double time : {0.0, 0.25, 0.75, std::nextafter(1.0, 0.0)}) {
        EXPECT_TRUE(dueAlarms(dir.path(), double(today) + time, context).empty()) << time;
    }
    // A clock reading that is no date at all rings nothing.
    for (const double now : {kNaN, kInfinity, -kInfinity, 1e300, -5.5}) {
        EXPECT_TRUE(dueAlarms(dir.path(), now, context).empty()) << now;
    }
}

TEST_F(DamagedDiary, PlannerMarksOnlyPeriodsWithBothEndsValid) {
    add("to the end", dayOf(2026, 3, 18), kMaxInt);
    add("from the start", kMinInt, dayOf(2026, 3, 18));
    add("everything", kMinInt, kMaxInt);
    add("zero to today", 0, dayOf(2026, 3, 18));
    add("trip", dayOf(2026, 3, 10), dayOf(2026, 3, 12));
    const auto days = buildPlannerYear(dir.path(), 2026);
    ASSERT_EQ(days.size(), 365u);
    for (const PlannerDay& day : days) {
        const bool trip = day.month == 3 && day.day >= 10 && day.day <= 12;
        EXPECT_EQ(day.marks, trip ? "#" : "") << day.month << "-" << day.day;
        EXPECT_EQ(day.periodId, trip ? 5 : -1);
    }
    // The last year of the span has a planner of its own.
    EXPECT_EQ(buildPlannerYear(dir.path(), 9999).size(), 365u);
}

TEST_F(DamagedDiary, OutdatedEntriesTreatDamagedDatesAsNone) {
    add("undated by damage", kMinInt);
    add("zero day", 0);
    add("one day, end damaged", today - 3, kMaxInt);
    add("one day, end before the span", today - 3, -5);
    add("yesterday", today - 1);
    add("period", today - 3, today - 2);
    EXPECT_EQ(DeleteOutdatedEntries(dir.path(), today), 3);
    std::vector<std::string> left;
    forEachEntry(dir.path(), [&](const CalendarEntry& e) { left.push_back(e.comment); });
    EXPECT_EQ(left, (std::vector<std::string>{"undated by damage", "zero day", "period"}));
}
