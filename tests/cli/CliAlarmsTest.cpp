// trevik-cli alarms --next: the coming alarms with their date and time.
#include "CliFixture.h"

using namespace trevik;
using trevik::test::CliFixture;
using trevik::test::CliRun;

TEST_F(CliFixture, TheNextAlarmsFromNowWithTheirDateAndTime) {
    diary(); // it is Monday 7 December 2026, 9:30:20
    ok({"add-entry", "Standup", "--date", "2026-12-14", "--alarm", "9:30", "--repeat", "weekly"});
    ok({"add-entry", "Passed", "--date", "2026-12-07", "--alarm", "9:00"});
    ok({"add-entry", "Late", "--date", "2026-12-09", "--alarm", "23:59"});
    ok({"add-entry", "Same minute", "--date", "2026-12-14", "--alarm", "9:30"});
    EXPECT_EQ(ok({"alarms", "--next", "6"}), "2026-12-07\t09:30\tStandup\n"
                                             "2026-12-08\t09:30\tReview\n"
                                             "2026-12-09\t23:59\tLate\n"
                                             "2026-12-14\t09:30\tStandup\n"
                                             "2026-12-14\t09:30\tSame minute\n"
                                             "2026-12-21\t09:30\tStandup\n");
    EXPECT_EQ(ok({"alarms", "--next", "2", "--format", "json"}),
              "[\n{\"date\":\"2026-12-07\",\"time\":\"09:30\",\"comment\":\"Standup\"},\n"
              "{\"date\":\"2026-12-08\",\"time\":\"09:30\",\"comment\":\"Review\"}\n]\n");
    // From a given minute, that minute included.
    EXPECT_EQ(ok({"alarms", "2026-12-09", "23:59", "--next", "1"}), "2026-12-09\t23:59\tLate\n");
    EXPECT_EQ(ok({"alarms", "2026-12-07", "9:00", "--next", "1"}), "2026-12-07\t09:00\tPassed\n");
    // Fewer when no more are due: the last Friday of the civil days has none.
    EXPECT_EQ(ok({"alarms", "9999-12-31", "0:00", "--next", "3"}), "");
}

TEST_F(CliFixture, TheCountOfNextAlarmsIsAPositiveNumber) {
    diary();
    for (const char* count : {"0", "-1", "x", "1.5", "100001", ""}) {
        const CliRun r = run({"alarms", "--next", count});
        EXPECT_EQ(r.status, 2) << count;
        EXPECT_NE(r.err.find("is not a count of alarms"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"alarms", "--next"}).status, 2);
    EXPECT_EQ(run({"alarms", "--next", "100000"}).status, 0);
}

TEST_F(CliFixture, TheNextAlarmsReportACalendarThatCannotBeRead) {
    diary();
    makeUnreadable("CALENDAR.TVD");
    const CliRun r = run({"alarms", "--next", "5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find((data / "CALENDAR.TVD").string()), std::string::npos) << r.err;
}
