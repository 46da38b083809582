// Our files as other calendars and address books on this machine read them, and theirs as we
// read them. Each peer runs with a HOME and XDG folders of its own.
#include "InterchangeSamples.h"
#include "calendar/OccursOn.h"
#include "interchange/ICalendar.h"
#include "interchange/VCard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

namespace trevik::test {
namespace {

constexpr int kYear = 2027;

// calcurse refuses a summary with a line break ("line break in summary"), so its tests leave
// that entry out.
std::vector<CalendarEntry> singleLineEntries() {
    std::vector<CalendarEntry> entries;
    for (const CalendarEntry& entry : sampleEntries()) {
        if (entry.comment.find('\r') == std::string::npos) {
            entries.push_back(entry);
        }
    }
    return entries;
}

bool installed(const char* tool) {
    return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

struct Peer : ::testing::Test {
    TempDir home;

    // Runs a shell command with this test's own HOME and XDG folders; its output.
    std::string run(const std::string& command, int* status = nullptr) {
        const std::string h = home.path().string();
        const std::string full = "env HOME='" + h + "' XDG_CONFIG_HOME='" + h +
                                 "/.config' XDG_DATA_HOME='" + h + "/.local/share' " +
                                 "XDG_CACHE_HOME='" + h + "/.cache' LC_ALL=C.UTF-8 " + command +
                                 " 2>&1";
        FILE* pipe = ::popen(full.c_str(), "r");
        std::string out;
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        const int rc = pipe ? ::pclose(pipe) : -1;
        if (status) {
            *status = rc;
        }
        return out;
    }

    static std::string iso(DayNumber d) {
        const CivilDate c = civilFromDayNumber(d);
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
        return text;
    }

    static std::string firstLine(const std::string& comment) {
        return comment.substr(0, comment.find('\r'));
    }

    // "yyyy-mm-dd summary" for every day of the year on which our day view shows an entry
    // (to-dos aside: the peers keep them off the days).
    static std::set<std::string> ourDays(std::vector<CalendarEntry> entries) {
        std::set<std::string> days;
        ViewContext context;
        for (CalendarEntry& entry : entries) {
            if (scheduleOf(entry).dateFrom == kNoDate && isToDoItem(scheduleOf(entry))) {
                continue;
            }
            forEachOccurrence(
                entry, day(kYear, 1, 1), day(kYear, 12, 31), context,
                [&](DayNumber d) { days.insert(iso(d) + " " + firstLine(entry.comment)); });
        }
        return days;
    }

    void write(const std::filesystem::path& file, const std::string& text) {
        std::filesystem::create_directories(file.parent_path());
        writeBytes(file, text);
    }
};

// The summaries calcurse shows, day by day, as "yyyy-mm-dd summary".
std::set<std::string> calcurseDays(const std::string& out) {
    std::set<std::string> days;
    std::istringstream lines(out);
    std::string line;
    std::string current;
    while (std::getline(lines, line)) {
        if (line.size() == 11 && line[10] == ':' && line[4] == '-') {
            current = line.substr(0, 10);
        } else if (line.rfind("ITEM ", 0) == 0 && !current.empty()) {
            days.insert(current + " " + line.substr(5));
        }
    }
    return days;
}

std::string calcurseAgenda(Peer& peer, const std::string& dir) {
    return peer.run("calcurse -D '" + dir + "' -Q --filter-type cal --input-datefmt 4 " +
                    "--output-datefmt '%Y-%m-%d' --from " + std::to_string(kYear) +
                    "-01-01 --days 365 --format-apt 'ITEM %m\\n' --format-recur-apt "
                    "'ITEM %m\\n' --format-event 'ITEM %m\\n' --format-recur-event 'ITEM %m\\n'");
}

TEST_F(Peer, CalcurseShowsOurEntriesOnTheDaysOurViewsDo) {
    if (!installed("calcurse")) {
        GTEST_SKIP() << "calcurse is not installed (scripts/install-deps installs it)";
    }
    const std::vector<CalendarEntry> entries = singleLineEntries();
    const std::filesystem::path ics = home / "ours.ics";
    write(ics, entriesToICalendar(entries, {}));
    const std::string dir = (home / "calcurse").string();
    std::filesystem::create_directories(dir);
    int status = 0;
    const std::string report = run("calcurse -D '" + dir + "' -i '" + ics.string() + "'", &status);
    ASSERT_EQ(status, 0) << report;
    EXPECT_NE(report.find("0 skipped"), std::string::npos) << report;
    const std::set<std::string> theirs = calcurseDays(calcurseAgenda(*this, dir));
    const std::set<std::string> ours = ourDays(entries);
    EXPECT_GT(ours.size(), 400u);
    EXPECT_EQ(theirs, ours);
    // The to-do is theirs too.
    EXPECT_NE(run("calcurse -D '" + dir + "' -t").find("Buy milk"), std::string::npos);
}

TEST_F(Peer, CalcursesOwnExportComesInWithWhatBothHoldAndTheLossesNamed) {
    if (!installed("calcurse")) {
        GTEST_SKIP() << "calcurse is not installed (scripts/install-deps installs it)";
    }
    const std::vector<CalendarEntry> entries = singleLineEntries();
    write(home / "ours.ics", entriesToICalendar(entries, {}));
    const std::string dir = (home / "calcurse").string();
    std::filesystem::create_directories(dir);
    run("calcurse -D '" + dir + "' -i '" + (home / "ours.ics").string() + "'");
    int status = 0;
    const std::string exported = run("calcurse -D '" + dir + "' -x", &status);
    ASSERT_EQ(status, 0) << exported;
    const EntriesRead read = entriesFromICalendar(exported);
    EXPECT_TRUE(read.notes.skipped.empty());
    std::vector<CalendarEntry> back;
    for (const ReadEntry& item : read.entries) {
        back.push_back(item.entry);
    }
    ASSERT_EQ(back.size(), entries.size());
    // calcurse keeps an all-day span as a daily repeat until its end: our records cannot say
    // "until", so it would show on every day after, and the report says so.
    std::set<std::string> lost;
    for (const InterchangeNote& note : read.notes.lossy) {
        lost.insert(note.name);
        EXPECT_NE(note.reason.find("UNTIL"), std::string::npos) << note.name << ": " << note.reason;
    }
    EXPECT_EQ(lost, (std::set<std::string>{"Holiday"}));
    std::vector<CalendarEntry> whole;
    std::vector<CalendarEntry> wholeBack;
    for (const CalendarEntry& entry : entries) {
        if (lost.count(entry.comment) == 0) {
            whole.push_back(entry);
        }
    }
    for (const CalendarEntry& entry : back) {
        if (lost.count(entry.comment) == 0) {
            wholeBack.push_back(entry);
        }
    }
    EXPECT_EQ(ourDays(wholeBack), ourDays(whole));
    for (const CalendarEntry& entry : whole) {
        const auto found = std::find_if(wholeBack.begin(), wholeBack.end(),
                                        [&](const auto& b) { return b.comment == entry.comment; });
        ASSERT_NE(found, wholeBack.end()) << entry.comment;
        EXPECT_TRUE(sameBits(found->timeFrom, entry.timeFrom)) << entry.comment;
        EXPECT_TRUE(sameBits(found->timeTo, entry.timeTo)) << entry.comment;
    }
    // And importing calcurse's file twice finds the same records: no UIDs there, yet the same
    // identities.
    const EntriesRead again = entriesFromICalendar(exported);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_TRUE(sameBits(again.entries[i].entry.created, back[i].created));
    }
}

TEST_F(Peer, KhalListsOurEventsOnTheSameDays) {
    if (!installed("khal")) {
        GTEST_SKIP() << "khal is not installed (scripts/install-deps installs it)";
    }
    const std::vector<CalendarEntry> entries = sampleEntries();
    const std::filesystem::path calendar = home / "calendar";
    for (const CalendarEntry& entry : entries) {
        write(calendar / (std::to_string(entry.id) + ".ics"), entriesToICalendar({entry}, {}));
    }
    write(home / ".config" / "khal" / "config",
          "[calendars]\n[[ours]]\npath = " + calendar.string() +
              "\n[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
              "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
              "longdatetimeformat = %Y-%m-%d %H:%M\n");
    int status = 0;
    const std::string out = run("khal list --day-format 'DAY {date}' --format 'ITEM {title}' " +
                                    std::to_string(kYear) + "-01-01 365d",
                                &status);
    ASSERT_EQ(status, 0) << out;
    std::set<std::string> theirs;
    std::istringstream lines(out);
    std::string line;
    std::string current;
    while (std::getline(lines, line)) {
        if (line.rfind("DAY ", 0) == 0) {
            current = line.substr(4, 10);
        } else if (line.rfind("ITEM ", 0) == 0) {
            theirs.insert(current + " " + line.substr(5));
        }
    }
    EXPECT_EQ(theirs, ourDays(entries));
}

TEST_F(Peer, KhardReadsOurCards) {
    if (!installed("khard")) {
        GTEST_SKIP() << "khard is not installed (scripts/install-deps installs it)";
    }
    const std::vector<Contact> contacts = sampleContacts();
    const std::filesystem::path book = home / "contacts";
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        write(book / (std::to_string(i) + ".vcf"), contactsToVCard({contacts[i]}));
    }
    write(home / ".config" / "khard" / "khard.conf",
          "[addressbooks]\n[[ours]]\npath = " + book.string() + "\n");
    int status = 0;
    const std::string phones = run("khard phone --parsable", &status);
    ASSERT_EQ(status, 0) << phones;
    for (const char* line :
         {"030 1234\tAnna Müller\tHOME, VOICE", "030 9876\tAnna Müller\tWORK, VOICE",
          "030 9877\tAnna Müller\tFAX", "0170 555 1234\tAnna Müller\tCELL"}) {
        EXPECT_NE(phones.find(line), std::string::npos) << line << "\n" << phones;
    }
    const std::string mails = run("khard email --parsable");
    EXPECT_NE(mails.find("anna@example.org\tAnna Müller"), std::string::npos) << mails;
    EXPECT_NE(mails.find("bob@example.com\tBob Smith"), std::string::npos) << mails;
    const std::string shown = run("khard show --format yaml Anna");
    EXPECT_NE(shown.find("Hauptstraße 1"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Met at the € conference"), std::string::npos) << shown;
    EXPECT_NE(shown.find("https://anna.example.org/"), std::string::npos) << shown;
}

} // namespace
} // namespace trevik::test
