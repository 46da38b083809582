// trevik-cli's commands on a small diary: what they store and what they print.
#include "CliFixture.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"

#include <fstream>

using namespace trevik;
using trevik::test::CliFixture;
using trevik::test::CliRun;

TEST_F(CliFixture, AddCommandsPrintTheNewIdsAndStoreWhatTheEditorWould) {
    EXPECT_EQ(ok({"add-contact", "Anna", "--home", "030 1", "--address", "Road 1"}), "1\n");
    EXPECT_EQ(ok({"add-contact", "Bob"}), "2\n");
    EXPECT_EQ(ok({"add-type", "Work"}), "1\n");
    EXPECT_EQ(ok({"add-entry", "Timed", "--time", "10:00"}), "1\n");
    EXPECT_EQ(ok({"add-entry", "Alarm", "--alarm", "8:00", "--repeat", "monthly", "--type", "1",
                  "--link", "2"}),
              "2\n");
    const Contact anna = *loadContact(data.path(), 1);
    EXPECT_EQ(anna.home, "030 1");
    EXPECT_EQ(anna.address, "Road 1");
    const std::int32_t uid = SettingsFile(config / "Trevik.Ini").readInteger("Startup", "UID", 0);
    EXPECT_NE(uid, 0);
    EXPECT_EQ(anna.originUid, uid);
    const CalendarEntry timed = *loadEntry(data.path(), 1);
    EXPECT_EQ(timed.dateFrom, dayNumberFromCivil({2026, 12, 7})); // a time alone: today
    EXPECT_EQ(timed.repeat, kRepeatNone);
    EXPECT_EQ(timed.type, -1);
    const CalendarEntry alarm = *loadEntry(data.path(), 2);
    EXPECT_EQ(alarm.dateFrom, dayNumberFromCivil({2026, 12, 8})); // 8:00 has passed today
    EXPECT_EQ(alarm.repeat, kRepeatMonthly);
    EXPECT_EQ(alarm.type, 1);
    EXPECT_EQ(alarm.addressLink, 2);
}

TEST_F(CliFixture, ContactsAndTypes) {
    diary();
    ok({"add-contact", "bob", "--address", "Line 1\r\nLine 2"});
    // The address's line break is written as \n, so each contact stays on one line.
    EXPECT_EQ(ok({"contacts"}),
              "Anna\t\t\t\t\tanna@example.org\t\t\t\nbob\t\t\t\t\t\t\tLine 1\\nLine 2\t\n");
    EXPECT_EQ(ok({"contacts", "B"}), "bob\t\t\t\t\t\t\tLine 1\\nLine 2\t\n");
    EXPECT_EQ(ok({"contacts", "x"}), "");
    EXPECT_EQ(ok({"types"}), "1\tWork\n");
}

TEST_F(CliFixture, WeekViewWithRepeatsPeriodsAndToDoItems) {
    diary();
    EXPECT_EQ(ok({"view", "week", "2026-12-09"}),
              "\t\tSun 6. Dec 2026.\t\n"
              "\t\tMon 7. Dec 2026.\t\n"
              "8:00\t\tEarly call\t \t \n"
              "9:30\tWork\tDentist\t \tA\n"
              "\tTo Do\tBuy milk\t \t \n"
              "\t\tTue 8. Dec 2026.\t\n"
              "\t\tReview\tF\t \n" // an alarm already past today: tomorrow
              "\t\tWed 9. Dec 2026.\t\n"
              "18:00\t\tGym\t \t \n"
              "\t\tThu 10. Dec 2026.\t\n"
              "\t\tHoliday\t \t \n"
              "\t\tFri 11. Dec 2026.\t\n"
              "\t\tHoliday\t \t \n"
              "\t\tSat 12. Dec 2026.\t\n"
              "\t\tHoliday\t \t \n");
}

TEST_F(CliFixture, PeriodsFollowThePeriodModeOfTheSettings) {
    diary();
    settings("[Display]\nDateEntryDisplayMode=1\n[Misc]\nWeekFormat=1\n");
    const std::string week = ok({"view", "week", "2026-12-13"}); // a Sunday: Mon 7 .. Sun 13
    EXPECT_EQ(week.substr(0, 20), "\t\tMon 7. Dec 2026.\t\n");
    EXPECT_NE(week.find("Thu 10. Dec 2026.\t\n\t\tHoliday"), std::string::npos);
    EXPECT_EQ(week.find("Fri 11. Dec 2026.\t\n\t\tHoliday"), std::string::npos);
    EXPECT_NE(week.find("Sat 12. Dec 2026.\t\n\t\tHoliday"), std::string::npos);
    settings("[Display]\nDateEntryDisplayMode=0\n");
    EXPECT_EQ(ok({"view", "month", "2026-12-01"}).find("Holiday"), std::string::npos);
    EXPECT_EQ(ok({"planner", "2026"}), "12-10\t#\t4\n12-11\t#\t4\n12-12\t#\t4\n");
}

TEST_F(CliFixture, MonthTodoAndAnniversaryViews) {
    diary();
    const std::string month = ok({"view", "month", "2026-12-31"});
    EXPECT_EQ(month.substr(0, month.find("Mon 7.")),
              "\t\tWed 2. Dec 2026.\t\n18:00\t\tGym\t \t \n\t\t");
    EXPECT_NE(month.find("\t\tThu 24. Dec 2026.\t\n\t\tBirthday\t \t \n"), std::string::npos);
    EXPECT_EQ(month.find("Tue 1. Dec"), std::string::npos); // empty days have no header
    EXPECT_NE(month.find("Buy milk"), std::string::npos);   // today's to-do item
    EXPECT_EQ(ok({"view", "todo"}), "\t\tTo Do view\t\n\tTo Do\tBuy milk\t \t \n");
    EXPECT_EQ(ok({"view", "anniversaries", "1999-01-01"}),
              "\t\tThu 24. Dec 2026.\t\n\t\tBirthday\t \t \n");
    EXPECT_EQ(ok({"view", "day"}), "\t\tMon 7. Dec 2026.\t\n8:00\t\tEarly call\t \t \n"
                                   "9:30\tWork\tDentist\t \tA\n\tTo Do\tBuy milk\t \t \n");
}

TEST_F(CliFixture, AlarmsDueAtAMinute) {
    diary();
    ok({"add-entry", "Standup", "--date", "2026-12-14", "--alarm", "9:30", "--repeat", "weekly"});
    EXPECT_EQ(ok({"alarms", "2026-12-07", "9:30"}), "Standup\n");
    EXPECT_EQ(ok({"alarms", "2026-12-08", "9:30"}), "Review\n");
    EXPECT_EQ(ok({"alarms", "2026-12-08", "9:31"}), "");
    clock.set({2026, 12, 8}, {9, 30, 59, 0});
    EXPECT_EQ(ok({"alarms"}), "Review\n");
}

TEST_F(CliFixture, DeletesClearLinksAndAskNothing) {
    diary();
    ok({"delete-contact", "1"});
    EXPECT_EQ(loadEntry(data.path(), 1)->addressLink, -1);
    EXPECT_EQ(ok({"contacts"}), "");
    ok({"delete-entry", "1"});
    EXPECT_FALSE(loadEntry(data.path(), 1).has_value());
}

TEST_F(CliFixture, BadInputChangesNoFileAndExitsWithTwo) {
    diary();
    const auto before = test::snapshotOf(*this);
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"view", "decade"}, "unknown view 'decade'"},
        {{"view", "day", "2026-02-30"}, "'2026-02-30' is not a date (YYYY-MM-DD)"},
        {{"add-entry", "x", "--date", "7.12.2026"}, "'7.12.2026' is not a date"},
        {{"add-entry", "x", "--time", "25:00"}, "'25:00' is not a time (H:MM)"},
        {{"add-entry", std::string(31, 'c')}, "COMMENT is longer than 30 characters"},
        {{"add-entry", "x", "--type", "7"}, "there is no type 7"},
        {{"add-entry", "x", "--link", "99"}, "there is no contact 99"},
        {{"add-entry", "x", "--repeat", "hourly"}, "unknown repeat rate 'hourly'"},
        {{"add-entry", "x", "--colour", "red"}, "unknown option '--colour'"},
        {{"add-contact", std::string(31, 'n')}, "NAME is longer than 30 characters"},
        {{"add-contact", "x", "--www", std::string(51, 'w')}, "www is longer than 50 characters"},
        {{"add-type", std::string(31, 't')}, "NAME is longer than 30 characters"},
        {{"delete-contact", "42"}, "there is no contact 42"},
        {{"delete-entry", "42"}, "there is no entry 42"},
        {{"delete-entry", "abc"}, "'abc' is not an entry id"},
        {{"alarms", "2026-12-07"}, "give both DATE and TIME, or neither"},
        {{"planner", "20x6"}, "'20x6' is not a year"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(test::snapshotOf(*this), before);
}

TEST_F(CliFixture, HelpForTheToolAndEachCommand) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"contacts", "view", "planner", "alarms", "types", "add-type",
                                "add-contact", "add-entry", "delete-contact", "delete-entry"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
        const CliRun one = run({command, "--help"});
        EXPECT_EQ(one.status, 0);
        EXPECT_EQ(one.out.rfind(std::string("Usage: trevik-cli ") + command, 0), 0u) << one.out;
    }
}

TEST_F(CliFixture, TheDataDirectoryComesFromTheSettingsWhenNotGiven) {
    settings("[Startup]\nDir=" + data.path().string() + "\n");
    ok({"add-contact", "Stored"});
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCli({"contacts"}, out, err, clock, locale), 0);
    EXPECT_EQ(out.str(), "Stored\t\t\t\t\t\t\t\t\n");
    EXPECT_EQ(cli::runCli({"--data-dir", "/no/such/dir", "contacts"}, out, err, clock, locale), 2);
    std::ostringstream noValue;
    EXPECT_EQ(cli::runCli({"--data-dir"}, out, noValue, clock, locale), 2);
    EXPECT_EQ(noValue.str(), "trevik-cli: option '--data-dir' needs a value\n");
}

TEST_F(CliFixture, GlobalOptionsStandInAnyOrderBeforeTheCommand) {
    ok({"add-contact", "Given"});
    const std::string dir = data.path().string();
    const auto contactsVia = [&](std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCli(args, out, err, clock, locale);
        EXPECT_EQ(err.str(), "");
        return std::make_pair(status, out.str());
    };
    EXPECT_EQ(contactsVia({"--data-dir=" + dir, "contacts"}),
              std::make_pair(0, std::string("Given\t\t\t\t\t\t\t\t\n")));
    // The last --data-dir counts, as with most tools.
    EXPECT_EQ(contactsVia({"--data-dir", "/no/such/dir", "--data-dir", dir, "contacts"}).second,
              "Given\t\t\t\t\t\t\t\t\n");
    const auto help = contactsVia({"--data-dir", dir, "--help"});
    EXPECT_EQ(help.first, 0);
    EXPECT_EQ(help.second.rfind("Usage: trevik-cli [--data-dir DIR]", 0), 0u);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--data-dir=", "contacts"},
          std::vector<std::string>{"--data-dir", "", "contacts"},
          std::vector<std::string>{"--dat", dir, "contacts"}}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(wrong, out, err, clock, locale), 2) << wrong[0];
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    }
    // A word after the command is the command's, not the tool's.
    EXPECT_EQ(run({"contacts", "--data-dir", dir}).status, 2);
}

TEST_F(CliFixture, TheSettingsFileCanBeNamedByTheCaller) {
    ok({"add-contact", "Elsewhere"});
    const test::TempDir other;
    const std::filesystem::path otherSettings = other.path() / "other.ini";
    std::ofstream(otherSettings) << "[Startup]\nDir=" << data.path().string() << "\n";
    std::ostringstream out;
    std::ostringstream err;
    cli::CliSetup setup;
    setup.settingsFile = otherSettings;
    // The standard settings name no directory, so only the named file can lead to the contact.
    EXPECT_EQ(cli::runCli({"contacts"}, out, err, clock, locale, setup), 0) << err.str();
    EXPECT_EQ(out.str(), "Elsewhere\t\t\t\t\t\t\t\t\n");
}
