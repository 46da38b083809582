// A calendar file of random bytes through every view, the alarms, the planner and the texts:
// nothing may crash, and every text shown must be a real time or date, or empty.
#include "calendar/Alarms.h"
#include "calendar/CalendarView.h"
#include "calendar/YearlyPlanner.h"
#include "common/LittleEndian.h"
#include "storage/TypeRecords.h"
#include "support/ReferenceCalendar.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <regex>
#include <set>

using namespace trevik;

namespace {

constexpr int kRandomRecords = 2000;

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

// Offsets of the fields the calendar rules read, as the calendar file lays them out.
constexpr std::size_t kTypeAt = 62;
constexpr std::size_t kDateFromAt = 64;
constexpr std::size_t kDateToAt = 68;
constexpr std::size_t kTimeFromAt = 72;
constexpr std::size_t kTimeToAt = 80;
constexpr std::size_t kAlarmAt = 88;
constexpr std::size_t kRepeatAt = 162;

using Record = std::array<std::uint8_t, CalSet::kRecordSize>;

// Random bytes throughout; most records then get some fields that are nearly right (dates
// near today or at the int32 ends, times in or just outside a day, small repeat codes), so
// that the rules are reached with values on both sides of every bound.
std::vector<Record> randomRecords(unsigned seed, DayNumber today) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto day = [&]() -> DayNumber {
        switch (pick(0, 7)) {
        case 0:
            return std::numeric_limits<std::int32_t>::min() + pick(0, 3);
        case 1:
            return std::numeric_limits<std::int32_t>::max() - pick(0, 3);
        case 2:
            return pick(-3, 3);
        case 3:
            return kLastCivilDay + pick(-3, 3);
        case 4:
            return kNoDate;
        default:
            return today + pick(-400, 400);
        }
    };
    const auto time = [&]() -> double {
        switch (pick(0, 7)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return pick(0, 1) ? std::numeric_limits<double>::infinity()
                              : -std::numeric_limits<double>::infinity();
        case 2:
            return std::uniform_real_distribution<double>(-3.0, 3.0)(random);
        case 3:
            return std::ldexp(double(pick(1, 1000)), pick(-1074, 1023)) * (pick(0, 1) ? 1 : -1);
        case 4:
            return kNoTime;
        default:
            return std::uniform_real_distribution<double>(0.0, 1.0)(random);
        }
    };
    std::vector<Record> records(kRandomRecords);
    for (Record& record : records) {
        for (std::uint8_t& byte : record) {
            byte = std::uint8_t(pick(0, 255));
        }
        if (pick(0, 4) == 0) {
            continue; // bytes only
        }
        storeLE(record.data() + kDateFromAt, day());
        storeLE(record.data() + kDateToAt, pick(0, 2) ? kNoDate : day());
        storeLE(record.data() + kTimeFromAt, time());
        storeLE(record.data() + kTimeToAt, pick(0, 2) ? kNoTime : time());
        storeLE(record.data() + kAlarmAt, pick(0, 1) ? kNoTime : time());
        storeLE(record.data() + kRepeatAt,
                std::int16_t(pick(0, 3) ? pick(-2, 6) : pick(-32768, 32767)));
        storeLE(record.data() + kTypeAt, std::int16_t(pick(-3, 3)));
    }
    Record ones;
    ones.fill(0xFF);
    Record zeros;
    zeros.fill(0x00);
    records.push_back(ones);
    records.push_back(zeros);
    return records;
}

void writeRecords(const std::filesystem::path& dir, const std::vector<Record>& records) {
    std::ofstream out(dir / CalSet::kFileName, std::ios::binary | std::ios::trunc);
    for (const Record& record : records) {
        out.write(reinterpret_cast<const char*>(record.data()), std::streamsize(record.size()));
    }
}

const std::regex kTimePattern("([0-9]|1[0-9]|2[0-3]):[0-5][0-9]");
const std::regex kHeaderPattern("(Sun|Mon|Tue|Wed|Thu|Fri|Sat) ([1-9]|[12][0-9]|3[01])\\. "
                                "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                "(19[0-9][0-9]|[2-9][0-9][0-9][0-9])\\.");
const std::regex kShortDatePattern("(0[1-9]|[12][0-9]|3[01])/(0[1-9]|1[0-2])/"
                                   "(19[0-9][0-9]|[2-9][0-9][0-9][0-9])");

// Many rows repeat the same texts; each distinct one is matched once.
void expectRealTexts(const CalendarRowList& rows, const std::string& what) {
    std::set<std::string> headers;
    std::set<std::string> times;
    for (const CalendarRow& row : rows.rows()) {
        if (row.isDayHeader) {
            headers.insert(row.dayText);
        } else if (!row.timeText.empty()) {
            times.insert(row.timeText);
        }
    }
    headers.erase("To Do view");
    for (const std::string& header : headers) {
        EXPECT_TRUE(std::regex_match(header, kHeaderPattern))
            << what << ": header '" << header << "'";
    }
    for (const std::string& time : times) {
        EXPECT_TRUE(std::regex_match(time, kTimePattern)) << what << ": time '" << time << "'";
    }
}

struct Case {
    std::int32_t view;
    DayNumber date;
    bool compareWithPlainBuild;
    // The long views are built in one context only, which keeps the run short.
    bool everyContext = true;
};

} // namespace

TEST(DamagedCalendarFuzz, RandomRecordsThroughEveryViewShowOnlyRealTimesAndDates) {
    test::TempDir dir;
    const DayNumber today = dayOf(2026, 3, 18);
    const std::vector<Record> records = randomRecords(20260318, today);
    writeRecords(dir.path(), records);
    addType(dir.path(), "One");
    addType(dir.path(), "Two");
    const EnglishLocale locale;
    const Case cases[] = {
        {kDayView, today, true},
        {kDayView, kFirstCivilDay, true},
        {kDayView, kLastCivilDay, true},
        {kDayView, 0, true},
        {kDayView, std::numeric_limits<std::int32_t>::max(), false},
        {kWeekView, today, true},
        {kWeekView, kFirstCivilDay, false},
        {kWeekView, kLastCivilDay, false},
        {kWeekView, std::numeric_limits<std::int32_t>::min(), false},
        {kMonthView, today, true, false},
        {kMonthView, kLastCivilDay, false},
        {kYearView, today, false, false},
        {kToDoView, today, true},
        {kAnniversaryView, today, false, false},
        {99, today, true},
    };
    int built = 0;
    for (const Case& c : cases) {
        for (const bool monday : {false, true}) {
            for (const std::int32_t mode : {0, 1, 2}) {
                if (!c.everyContext && (monday || mode != 2)) {
                    continue;
                }
                ViewContext context;
                context.viewCode = c.view;
                context.today = today;
                context.weekStartsMonday = monday;
                context.datePeriodMode = mode;
                const std::string what = "view " + std::to_string(c.view) + " date " +
                                         std::to_string(c.date) + " mode " + std::to_string(mode) +
                                         (monday ? " monday" : "");
                CalendarRowList fast;
                const CalendarBuild fastBuild =
                    BuildCalendarView(fast, dir.path(), c.date, context, 400, locale);
                expectRealTexts(fast, what);
                EXPECT_GE(fastBuild.gridRowCount, 2) << what;
                // The plain build is slow: it is compared where the week start or the
                // period mode can make a difference.
                const bool compare = c.compareWithPlainBuild && isCivilDay(c.date) &&
                                     (c.view == kWeekView ? mode == 2 : !monday);
                if (compare) {
                    CalendarRowList plain;
                    const CalendarBuild plainBuild = test::ReferenceBuildCalendarView(
                        plain, c.date, context, 400, dir.path(), locale);
                    EXPECT_EQ(fast, plain) << what;
                    EXPECT_EQ(fastBuild.calendarTopRow, plainBuild.calendarTopRow) << what;
                }
                ++built;
            }
        }
    }
    EXPECT_EQ(built, (int(std::size(cases)) - 3) * 6 + 3);
}

TEST(DamagedCalendarFuzz, RandomRecordsThroughAlarmsPlannerAndTexts) {
    test::TempDir dir;
    const DayNumber today = dayOf(2026, 3, 18);
    writeRecords(dir.path(), randomRecords(7, today));
    std::vector<CalendarEntry> entries;
    forEachEntry(dir.path(), [&](const CalendarEntry& entry) { entries.push_back(entry); });
    ASSERT_EQ(entries.size(), std::size_t(kRandomRecords + 2));

    // Every alarm that rings belongs to an entry whose alarm is a real time of that minute.
    ViewContext context;
    context.today = today;
    // The minutes of some real alarm times, and a spread of others.
    std::set<int> minutes = {0, 1, 719, 720, 1439};
    for (const CalendarEntry& entry : entries) {
        if (isTimeOfDay(entry.alarm) && minutes.size() < 40) {
            const TimeOfDay alarm = timeOfDayFromFraction(entry.alarm);
            minutes.insert(alarm.hour * 60 + alarm.minute);
        }
    }
    int rung = 0;
    for (const int minute : minutes) {
        const double time = timeFraction({minute / 60, minute % 60, 0, 0});
        for (const std::string& comment : dueAlarms(dir.path(), double(today) + time, context)) {
            ++rung;
            const bool owned = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
                return e.comment == comment && isTimeOfDay(e.alarm) &&
                       TimeText(e.alarm) == TimeText(time);
            });
            EXPECT_TRUE(owned) << TimeText(time) << " rang for an entry without that alarm";
        }
    }
    EXPECT_GT(rung, 0);

    // A planner day carries one mark per period whose two ends are both real dates.
    for (const int year : {1900, 2026, 9999}) {
        const std::vector<PlannerDay> days = buildPlannerYear(dir.path(), year);
        ASSERT_EQ(days.size(), std::size_t(daysInMonth(year, 2) == 29 ? 366 : 365)) << year;
        for (const PlannerDay& day : days) {
            const DayNumber d = dayOf(year, day.month, day.day);
            const auto covering = std::count_if(entries.begin(), entries.end(), [&](const auto& e) {
                return isCivilDay(e.dateFrom) && isCivilDay(e.dateTo) && e.dateFrom <= d &&
                       d <= e.dateTo;
            });
            EXPECT_EQ(day.marks.size(), std::size_t(covering))
                << year << "-" << day.month << "-" << day.day;
        }
    }

    // The text of every date and time field is a real date or time, or empty.
    const EnglishLocale locale;
    int dated = 0;
    int timed = 0;
    for (const CalendarEntry& entry : entries) {
        for (const DayNumber day : {entry.dateFrom, entry.dateTo}) {
            const std::string header = DayHeaderText(day, locale);
            const std::string shortDate = ShortDateText(day, locale);
            EXPECT_EQ(header.empty(), shortDate.empty()) << day;
            if (!header.empty()) {
                ++dated;
                EXPECT_TRUE(std::regex_match(header, kHeaderPattern)) << day << " " << header;
                EXPECT_TRUE(std::regex_match(shortDate, kShortDatePattern))
                    << day << " " << shortDate;
            }
        }
        for (const double time : {entry.timeFrom, entry.timeTo, entry.alarm}) {
            const std::string text = TimeText(time);
            if (!text.empty()) {
                ++timed;
                EXPECT_TRUE(std::regex_match(text, kTimePattern)) << time << " " << text;
            }
        }
    }
    // The generator gives a good share of real dates and times: the checks above saw some.
    EXPECT_GT(dated, 100);
    EXPECT_GT(timed, 100);
}
