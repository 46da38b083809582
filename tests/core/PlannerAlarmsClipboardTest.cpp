#include "address/AddressList.h"
#include "calendar/Alarms.h"
#include "calendar/CalendarView.h"
#include "calendar/YearlyPlanner.h"
#include "clipboard/ClipboardLines.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

DayNumber dayOf(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

struct DiaryFixture : ::testing::Test {
    TempDir dir;
    test::FixedClock clock{45000.5};

    std::int32_t add(const std::string& comment, DayNumber from, DayNumber to = kNoDate,
                     std::int16_t type = -1, double alarm = kNoTime,
                     std::int16_t repeat = kRepeatNone) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.dateTo = to;
        e.type = type;
        e.alarm = alarm;
        e.repeat = repeat;
        return addEntry(dir.path(), e, clock, 1).id;
    }

    const PlannerDay& dayIn(const std::vector<PlannerDay>& days, int month, int day) {
        for (const PlannerDay& d : days) {
            if (d.month == month && d.day == day) {
                return d;
            }
        }
        throw std::out_of_range("no such day");
    }
};

} // namespace

TEST_F(DiaryFixture, PlannerMarksPeriodsAcrossTheYearEnd) {
    addType(dir.path(), "Holiday");
    addType(dir.path(), "Business");
    add("winter", dayOf(2025, 12, 30), dayOf(2026, 1, 2), 1);
    add("trip", dayOf(2026, 1, 2), dayOf(2026, 1, 3), 2);
    add("untyped", dayOf(2026, 5, 1), dayOf(2026, 5, 1));
    add("single day", dayOf(2026, 6, 1));
    add("weekly", dayOf(2026, 6, 2), kNoDate, 1, kNoTime, kRepeatWeekly);
    const auto year2026 = buildPlannerYear(dir.path(), 2026);
    EXPECT_EQ(year2026.size(), 365u);
    EXPECT_EQ(dayIn(year2026, 1, 1).marks, "H");
    EXPECT_EQ(dayIn(year2026, 1, 2).marks, "HB");
    EXPECT_EQ(dayIn(year2026, 1, 2).periodId, 2); // the last covering period in file order
    EXPECT_EQ(dayIn(year2026, 1, 3).marks, "B");
    EXPECT_EQ(dayIn(year2026, 1, 4).marks, "");
    EXPECT_EQ(dayIn(year2026, 1, 4).periodId, -1);
    EXPECT_EQ(dayIn(year2026, 5, 1).marks, "#");
    EXPECT_EQ(dayIn(year2026, 6, 1).marks, "");
    EXPECT_EQ(dayIn(year2026, 6, 9).marks, "");
    const auto year2025 = buildPlannerYear(dir.path(), 2025);
    EXPECT_EQ(dayIn(year2025, 12, 30).marks, "H");
    EXPECT_EQ(dayIn(year2025, 12, 31).marks, "H");
    EXPECT_EQ(buildPlannerYear(dir.path(), 2028).size(), 366u);
}

TEST(Planner, AnEmptyCalendarGivesABlankPlanner) {
    TempDir dir;
    EXPECT_TRUE(buildPlannerYear(dir.path(), 2026).empty());
}

TEST_F(DiaryFixture, AlarmsAreDueAtTheirMinuteOnTheirDays) {
    const double half2 = timeFraction({14, 30, 0, 0});
    add("dentist", dayOf(2026, 12, 7), kNoDate, -1, half2);
    add("also now", dayOf(2026, 12, 7), kNoDate, -1, timeFraction({14, 30, 45, 0}));
    add("tomorrow", dayOf(2026, 12, 8), kNoDate, -1, half2);
    add("weekly", dayOf(2027, 1, 4), kNoDate, -1, half2, kRepeatWeekly); // a Monday
    add("no alarm", dayOf(2026, 12, 7));
    add("period", dayOf(2026, 12, 1), dayOf(2026, 12, 9), -1, half2);
    ViewContext context;
    context.today = dayOf(2026, 12, 7);
    const DateTime at = encodeDateTime({2026, 12, 7}, {14, 30, 10, 0});
    EXPECT_EQ(dueAlarms(dir.path(), at, context),
              (std::vector<std::string>{"dentist", "also now", "weekly", "period"}));
    context.datePeriodMode = 1;
    EXPECT_EQ(dueAlarms(dir.path(), at, context).size(), 3u);
    context.datePeriodMode = 0;
    EXPECT_EQ(dueAlarms(dir.path(), at, context).size(), 3u);
    EXPECT_TRUE(
        dueAlarms(dir.path(), encodeDateTime({2026, 12, 7}, {14, 31, 0, 0}), context).empty());
}

TEST(ClipboardLines, ContactsAndCalendarRows) {
    Contact c;
    c.name = "Ann";
    c.home = "1";
    c.address = "Road 1\r\nTown";
    c.misc = std::string(52, 'm');
    c.www = std::string(50, 'w');
    const std::string line = addressLine(c);
    EXPECT_EQ(line, "Ann\t1\t\t\t\t\t" + std::string(50, 'w') + "\tRoad 1\r\nTown\t" +
                        std::string(52, 'm') + "\n");
    Contact full;
    for (std::string* text :
         {&full.name, &full.home, &full.work, &full.fax, &full.mobile, &full.email}) {
        *text = std::string(30, 'x');
    }
    full.www = full.address = std::string(50, 'y');
    full.misc = std::string(52, 'z');
    EXPECT_EQ(addressLine(full).size(), 332u + 9u); // never cut at 256 bytes
    CalendarRow entry;
    entry.timeText = "9:30";
    entry.typeName = "Work";
    entry.comment = "Meeting";
    entry.fileMark = 'F';
    EXPECT_EQ(calendarLine(entry), "9:30\tWork\tMeeting\tF\t \r\n");
    EXPECT_EQ(calendarLine(entry, "\n"), "9:30\tWork\tMeeting\tF\t \n");
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "Mon 7. Dec 2026.";
    EXPECT_EQ(calendarLine(header), "\t\tMon 7. Dec 2026.\t\r\n");
}

TEST_F(DiaryFixture, ListingContactsWritesNoSample) {
    EXPECT_TRUE(listContacts(dir.path(), "").empty());
    EXPECT_TRUE(listContacts(dir.path(), "").empty());
    Contact c;
    c.name = "Mary";
    addContact(dir.path(), c, clock, 1);
    c.name = "bob";
    addContact(dir.path(), c, clock, 1);
    EXPECT_EQ(listContacts(dir.path(), "M").size(), 1u);
    EXPECT_EQ(listContacts(dir.path(), "").size(), 2u);
}
