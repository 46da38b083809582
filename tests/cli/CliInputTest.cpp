// What trevik-cli accepts as dates, texts and help requests, and what it refuses before it
// touches a file.
#include "CliFixture.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

using namespace trevik;
using trevik::test::CliFixture;
using trevik::test::CliRun;

namespace {

struct Refusal {
    std::vector<std::string> args;
    const char* message;
};

// Each case ends with status 2 and its message as the one line on standard error, and no
// file of the diary or the settings changes.
void expectRefused(CliFixture& f, const std::vector<Refusal>& cases) {
    const auto before = test::snapshotOf(f);
    for (const Refusal& c : cases) {
        const CliRun r = f.run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_EQ(r.out, "") << c.message;
    }
    EXPECT_EQ(test::snapshotOf(f), before);
}

} // namespace

TEST_F(CliFixture, DatesAreExactlyYyyyMmDdDigitsOfARealDayFrom1900To9999) {
    diary();
    expectRefused(
        *this,
        {
            {{"add-entry", "x", "--date", "0000-01-01"}, "'0000-01-01' is not a date from 1900"},
            {{"add-entry", "x", "--date", "+026-01-01"}, "'+026-01-01' is not a date (YYYY-MM-DD)"},
            {{"add-entry", "x", "--date", "2026-01- 1"}, "'2026-01- 1' is not a date (YYYY-MM-DD)"},
            {{"add-entry", "x", "--date", "2026-1-011"}, "'2026-1-011' is not a date (YYYY-MM-DD)"},
            {{"add-entry", "x", "--date", "2026-02-29"}, "'2026-02-29' is not a date (YYYY-MM-DD)"},
            {{"add-entry", "x", "--date", "1899-12-29"}, "'1899-12-29' is not a date from 1900"},
            {{"add-entry", "x", "--date", "1899-12-31"}, "'1899-12-31' is not a date from 1900"},
            {{"add-entry", "x", "--to", "0001-01-01"}, "'0001-01-01' is not a date from 1900"},
            {{"add-entry", "x", "--date", "10000-01-01"}, "'10000-01-01' is not a date"},
            {{"view", "day", "+026-01-01"}, "'+026-01-01' is not a date (YYYY-MM-DD)"},
            {{"alarms", "2026-01- 1", "9:30"}, "'2026-01- 1' is not a date (YYYY-MM-DD)"},
            {{"add-entry", "x", "--date", "2026-12-12", "--to", "2026-12-10"},
             "the end date 2026-12-10 is before the start date 2026-12-12"},
            {{"add-entry", "x", "--to", "2026-12-10"}, "--to needs --date"},
            {{"add-entry", "x", "--time", "9:30", "--to", "2026-12-10"}, "--to needs --date"},
            {{"add-entry", "x", "--time", "\t9:30"}, "is not a time (H:MM)"},
            {{"add-entry", "x", "--date", "2026-12-10", "--date", "2026-12-11"},
             "option '--date' is given twice"},
        });
    // The edges that are days: the first and last day of the range, a leap day, one-day periods.
    ok({"add-entry", "First", "--date", "1900-01-01"});
    ok({"add-entry", "Last", "--date", "9999-12-31", "--to", "9999-12-31"});
    ok({"add-entry", "Leap", "--date", "2028-02-29"});
    EXPECT_EQ(loadEntry(data.path(), 8).value().dateFrom, dayNumberFromCivil({1900, 1, 1}));
    EXPECT_EQ(loadEntry(data.path(), 9).value().dateTo, dayNumberFromCivil({9999, 12, 31}));
    EXPECT_EQ(loadEntry(data.path(), 10).value().dateFrom, dayNumberFromCivil({2028, 2, 29}));
}

TEST_F(CliFixture, TextsHoldNoTabsNoBareLineBreaksAndOnlyWindows1252Characters) {
    diary();
    expectRefused(*this,
                  {
                      {{"add-entry", "a\tb"}, "COMMENT holds a tab"},
                      {{"add-entry", "a\nb"}, "COMMENT holds a line break that is not CR LF"},
                      {{"add-entry", "a\rb"}, "COMMENT holds a line break that is not CR LF"},
                      {{"add-entry", "a\r\n\nb"}, "COMMENT holds a line break that is not CR LF"},
                      {{"add-entry", "a\x1b[31m"}, "COMMENT holds a control character (U+001B)"},
                      {{"add-entry", "x", "--file", "/tmp/a\r\nb"}, "PATH holds a line break"},
                      {{"add-entry", "Z\xc5\x91"
                                     "e"},
                       "COMMENT holds a character Windows-1252 cannot store: \xc5\x91 (U+0151); "
                       "--replace-unsupported stores it as \"?\""},
                      {{"add-entry", "\xe2\x9c\x93 ok \xf0\x9f\x98\x80"},
                       "COMMENT holds characters Windows-1252 cannot store: \xe2\x9c\x93 (U+2713), "
                       "\xf0\x9f\x98\x80 (U+1F600); --replace-unsupported stores them as \"?\""},
                      {{"add-entry", "bad \xff byte"}, "COMMENT is not valid UTF-8"},
                      {{"add-contact", "Anna\r\nB"}, "NAME holds a line break"},
                      {{"add-contact", ""}, "NAME is empty"},
                      {{"add-contact", "x", "--home", "1\t2"}, "home holds a tab"},
                      {{"add-contact", "x", "--misc", "one\ntwo"},
                       "misc holds a line break that is not CR LF"},
                      {{"add-contact", "\xce\xa9mega"},
                       "NAME holds a character Windows-1252 cannot store: \xce\xa9 (U+03A9)"},
                      {{"add-type", "Wo\trk"}, "NAME holds a tab"},
                      {{"add-type", "\xd0\x94"
                                    "ela"},
                       "NAME holds a character Windows-1252 cannot store: \xd0\x94 (U+0414)"},
                      {{"add-type", "x", "--replace-unsupported", "--replace-unsupported"},
                       "option '--replace-unsupported' is given twice"},
                  });

    // CR LF is the line break of the memo fields; Windows-1252's own letters are stored as
    // their single bytes.
    EXPECT_EQ(ok({"add-entry", "Call\r\nback", "--date", "2026-12-09"}), "8\n");
    EXPECT_EQ(loadEntry(data.path(), 8).value().comment, "Call\r\nback");
    EXPECT_EQ(ok({"add-contact", "Zo\xc3\xab \xe2\x82\xac", "--address", "Road 1\r\nTown", "--misc",
                  "a\r\nb\r\nc"}),
              "2\n");
    const Contact zoe = loadContact(data.path(), 2).value();
    EXPECT_EQ(zoe.name, "Zo\xeb \x80");
    EXPECT_EQ(zoe.address, "Road 1\r\nTown");
    EXPECT_EQ(zoe.misc, "a\r\nb\r\nc");

    // --replace-unsupported stores what Windows-1252 lacks as "?", and nothing else changes.
    EXPECT_EQ(ok({"add-entry",
                  "Z\xc5\x91"
                  "e",
                  "--replace-unsupported"}),
              "9\n");
    EXPECT_EQ(loadEntry(data.path(), 9).value().comment, "Z?e");
    EXPECT_EQ(
        ok({"add-contact", "--replace-unsupported", "\xce\xa9mega", "--work", "\xe2\x9c\x93"}),
        "3\n");
    EXPECT_EQ(loadContact(data.path(), 3).value().name, "?mega");
    EXPECT_EQ(loadContact(data.path(), 3).value().work, "?");
    EXPECT_EQ(ok({"add-type",
                  "\xd0\x94"
                  "ela",
                  "--replace-unsupported"}),
              "2\n");
    EXPECT_EQ(listTypes(data.path()).back().name, "?ela");
    const CliRun tab = run({"add-entry", "a\tb", "--replace-unsupported"});
    EXPECT_EQ(tab.status, 2);
    EXPECT_NE(tab.err.find("COMMENT holds a tab"), std::string::npos) << tab.err;

    // A prefix no name can hold finds no contact, rather than the names with a "?".
    ok({"add-contact", "?x"});
    EXPECT_EQ(ok({"contacts", "\xe2\x9c\x93"}), "");
}

TEST_F(CliFixture, OnlyAHelpFlagWhereAnOptionMayStandAsksForHelp) {
    // "-h" and "--help" as values are stored as they are.
    EXPECT_EQ(ok({"add-entry", "-h", "--date", "2026-12-09"}), "1\n");
    EXPECT_EQ(loadEntry(data.path(), 1).value().comment, "-h");
    EXPECT_EQ(ok({"add-entry", "Notes", "--file", "-h"}), "2\n");
    EXPECT_EQ(loadEntry(data.path(), 2).value().fileLink, "-h");
    EXPECT_EQ(ok({"add-entry", "Notes", "--file", "--help"}), "3\n");
    EXPECT_EQ(loadEntry(data.path(), 3).value().fileLink, "--help");
    EXPECT_EQ(ok({"add-contact", "-h", "--misc", "-h"}), "1\n");
    EXPECT_EQ(loadContact(data.path(), 1).value().misc, "-h");
    // After "--" every word is an argument.
    EXPECT_EQ(ok({"add-entry", "--date", "2026-12-09", "--", "--help"}), "4\n");
    EXPECT_EQ(loadEntry(data.path(), 4).value().comment, "--help");
    EXPECT_EQ(ok({"add-type", "--", "-h"}), "1\n");
    EXPECT_EQ(ok({"contacts", "--", "-h"}), "-h\t\t\t\t\t\t\t\t-h\n");

    // A help flag where an option may stand asks for help and does nothing else.
    const auto before = test::snapshotOf(*this);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"add-entry", "-h"},
             {"add-entry", "--help"},
             {"add-entry", "Dentist", "--date", "2026-12-09", "--help"},
             {"add-entry", "--help", "Dentist"},
             {"add-entry", "x", "--colour", "red", "--help"},
             {"contacts", "-h"},
             {"view", "--help", "week"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << args.back();
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind("Usage: trevik-cli " + args[0], 0), 0u) << r.out;
    }
    EXPECT_EQ(test::snapshotOf(*this), before);
}
