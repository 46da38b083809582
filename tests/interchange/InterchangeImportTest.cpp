// Exports of a data directory and imports into one, through trevik-cli as a user runs them.
#include "InterchangeSamples.h"
#include "cli/CliFixture.h"
#include "exchange/RecycleBin.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

#include <gtest/gtest.h>

namespace trevik::test {
namespace {

template <typename Set, typename Record> std::vector<Record> recordsOf(const TempDir& dir) {
    Set set(dir.path());
    set.OpenForReading();
    std::vector<Record> records;
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        records.push_back(static_cast<const Record&>(set));
    }
    return records;
}

struct InterchangeCli : CliFixture {
    TempDir other;
    TempDir files;

    CliRun runOn(const TempDir& dir, std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCli(args, out, err, clock, locale);
        return {status, out.str(), err.str()};
    }
    std::string file(const char* name) const { return (files / name).string(); }

    // The fixture's diary with a clock that moves between records, as a real one does: each
    // record gets an identity of its own.
    void stampedDiary() {
        const auto add = [&](std::vector<std::string> args) {
            clock.advanceSeconds(1);
            ok(std::move(args));
        };
        add({"add-contact", "Anna", "--email", "anna@example.org"});
        add({"add-type", "Work"});
        add({"add-entry", "Dentist", "--date", "2026-12-07", "--time", "9:30", "--time-to", "10:00",
             "--type", "1", "--link", "1", "--alarm", "9:00"});
        add({"add-entry", "Early call", "--date", "2026-12-07", "--time", "8:00"});
        add({"add-entry", "Gym", "--date", "2026-12-02", "--time", "18:00", "--repeat", "weekly"});
        add({"add-entry", "Holiday", "--date", "2026-12-10", "--to", "2026-12-12"});
        add({"add-entry", "Buy milk"});
        add({"add-entry", "Birthday", "--date", "1980-12-24", "--repeat", "yearly"});
        add({"add-entry", "Review", "--alarm", "9:30", "--file", "/home/me/review.odt"});
    }
};

TEST_F(InterchangeCli, ExportThenImportIntoAnEmptyDiaryGivesTheSameRecordsAndTheSameFiles) {
    stampedDiary();
    clock.advanceSeconds(1);
    ok({"add-contact", "Bob", "--home", "1", "--work", "2", "--fax", "3", "--mobile", "4", "--www",
        "bob.example", "--address", "Street 1\r\nTown", "--misc", "tea"});
    clock.advanceSeconds(1);
    ok({"add-entry", "Rent", "--date", "2026-12-31", "--repeat", "monthly", "--alarm", "8:00"});
    EXPECT_EQ(ok({"export-vcard", file("all.vcf")}), file("all.vcf") + ": 2 contacts\n");
    EXPECT_EQ(ok({"export-ics", file("all.ics")}), file("all.ics") + ": 8 entries\n");
    EXPECT_EQ(ok({"export-vdir", file("vdir")}), file("vdir") + ": 2 contacts, 8 entries\n");
    const auto update =
        std::vector<std::string>{"--new", "update", "--changed", "update", "--deleted", "update"};
    const auto import = [&](const TempDir& dir, std::vector<std::string> args) {
        args.insert(args.end(), update.begin(), update.end());
        return runOn(dir, args);
    };
    CliRun r = import(other, {"import-vcard", file("all.vcf")});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "contacts: 2 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n"
                     "0 lossy, 0 not imported\n");
    r = import(other, {"import-ics", file("all.ics")});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "calendar: 8 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n"
                     "0 lossy, 0 not imported\n");

    const auto contacts = recordsOf<AddrSet, Contact>(data);
    const auto contactsThere = recordsOf<AddrSet, Contact>(other);
    ASSERT_EQ(contactsThere.size(), contacts.size());
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        EXPECT_EQ(contactsThere[i].id, contacts[i].id);
        EXPECT_TRUE(sameBits(contactsThere[i].created, contacts[i].created));
        EXPECT_EQ(contactsThere[i].originUid, contacts[i].originUid);
        EXPECT_TRUE(sameBits(contactsThere[i].updated, contacts[i].updated));
        for (const ContactTextField& field : kContactTexts) {
            EXPECT_EQ(contactsThere[i].*field.member, contacts[i].*field.member);
        }
    }
    const auto entries = recordsOf<CalSet, CalendarEntry>(data);
    const auto entriesThere = recordsOf<CalSet, CalendarEntry>(other);
    ASSERT_EQ(entriesThere.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CalendarEntry& a = entries[i];
        const CalendarEntry& b = entriesThere[i];
        SCOPED_TRACE(a.comment);
        EXPECT_EQ(b.comment, a.comment);
        EXPECT_EQ(b.dateFrom, a.dateFrom);
        EXPECT_EQ(b.dateTo, a.dateTo);
        EXPECT_TRUE(sameBits(b.timeFrom, a.timeFrom));
        EXPECT_TRUE(sameBits(b.timeTo, a.timeTo));
        EXPECT_TRUE(sameBits(b.alarm, a.alarm));
        EXPECT_EQ(b.repeat, a.repeat);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.addressLink, a.addressLink);
        EXPECT_EQ(b.fileLink, a.fileLink);
        EXPECT_TRUE(sameBits(b.created, a.created));
        EXPECT_TRUE(sameBits(b.updated, a.updated));
    }
    EXPECT_EQ(listTypes(other.path()).size(), 1u);
    EXPECT_EQ(listTypes(other.path())[0].name, "Work");

    // Importing again adds nothing; exporting from the copy gives the same bytes.
    r = import(other, {"import-ics", file("all.ics")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "calendar: 0 added, 0 replaced, 8 skipped (8 not newer, 0 by choice)\n"
                     "0 lossy, 0 not imported\n");
    EXPECT_EQ((recordsOf<CalSet, CalendarEntry>(other).size()), entries.size());
    EXPECT_EQ(runOn(other, {"export-vcard", file("again.vcf")}).status, 0);
    EXPECT_EQ(runOn(other, {"export-ics", file("again.ics")}).status, 0);
    EXPECT_EQ(readText(file("again.vcf")), readText(file("all.vcf")));
    EXPECT_EQ(readText(file("again.ics")), readText(file("all.ics")));

    // A vdir folder imports the same records; exported again it holds the same files.
    TempDir third;
    r = import(third, {"import-vdir", file("vdir")});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ((recordsOf<CalSet, CalendarEntry>(third)[0].addressLink), 1);
    EXPECT_EQ(runOn(third, {"export-vdir", file("vdir2")}).status, 0);
    std::size_t compared = 0;
    for (const auto& sub : {"contacts", "calendar"}) {
        for (const auto& entry : std::filesystem::directory_iterator(files / "vdir" / sub)) {
            EXPECT_EQ(readText(files / "vdir2" / sub / entry.path().filename()),
                      readText(entry.path()));
            ++compared;
        }
    }
    EXPECT_EQ(compared, 10u);
}

TEST_F(InterchangeCli, MergesByTheRulesOfApplyingAnUpdateAndTheBin) {
    stampedDiary();
    ok({"export-ics", file("mine.ics")});
    // A copy there, changed later there: under Update the newer copy wins, equal keeps ours.
    // Its contact is not there: the link is left out, and said so.
    CliRun first = runOn(other, {"import-ics", file("mine.ics"), "--new", "update", "--changed",
                                 "skip", "--deleted", "skip"});
    ASSERT_EQ(first.status, 3);
    EXPECT_NE(first.out.find("(Dentist): its contact urn:uuid:"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("is not in this address book: the link was left out"),
              std::string::npos);
    ok({"export-vcard", file("mine.vcf")});
    ASSERT_EQ(runOn(other, {"import-vcard", file("mine.vcf"), "--new", "update", "--changed",
                            "skip", "--deleted", "skip"})
                  .status,
              0);
    std::string text = readText(file("mine.ics"));
    const std::size_t at = text.find("SUMMARY:Dentist");
    text.replace(at, 15, "SUMMARY:Dentist moved");
    const std::size_t stamp = text.rfind("LAST-MODIFIED:", at);
    text.replace(stamp + 14, 4, "2030");
    writeBytes(files / "changed.ics", text);
    CliRun r = runOn(other, {"import-ics", file("changed.ics"), "--new", "skip", "--changed",
                             "skip", "--deleted", "skip"});
    EXPECT_EQ(r.status, 3) << r.out;
    EXPECT_NE(r.out.find("0 added, 0 replaced, 7 skipped (0 not newer, 7 by choice)"),
              std::string::npos)
        << r.out;
    r = runOn(other, {"import-ics", file("changed.ics"), "--new", "skip", "--changed", "update",
                      "--deleted", "skip"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("0 added, 1 replaced, 6 skipped (6 not newer, 0 by choice)"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(loadEntry(other.path(), 1)->comment, "Dentist moved");

    // A record deleted here comes back only as the Deleted data choice says.
    ok({"delete-entry", "1"});
    ASSERT_EQ(readRecycleBin(data.path()).entries.size(), 1u);
    r = run({"import-ics", file("mine.ics"), "--new", "update", "--changed", "update", "--deleted",
             "skip"});
    EXPECT_EQ(r.status, 3) << r.out;
    EXPECT_NE(r.out.find("calendar entries deleted here: 0 added, 0 replaced, 1 skipped"),
              std::string::npos)
        << r.out;
    EXPECT_FALSE(loadEntry(data.path(), 1));
    r = run({"import-ics", file("mine.ics"), "--new", "update", "--changed", "update", "--deleted",
             "update"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("calendar entries deleted here: 1 added"), std::string::npos) << r.out;
}

TEST_F(InterchangeCli, ACategoryWithOuterBlanksFindsItsTypeAgain) {
    // Blanks at either end never come through a file, nor do control characters made blanks.
    ok({"add-type", " Work "});
    ok({"add-entry", "Dentist", "--date", "2026-12-07", "--type", "1"});
    ok({"export-ics", file("blanks.ics")});
    writeBytes(files / "control.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:c-1\r\n"
               "SUMMARY:Call\r\nDTSTART;VALUE=DATE:20261208\r\nCATEGORIES:\x01work\x02\r\n"
               "END:VEVENT\r\nEND:VCALENDAR\r\n");
    const std::vector<std::string> choices = {"--new",  "update",    "--changed",
                                              "update", "--deleted", "update"};
    for (const char* name : {"blanks.ics", "control.ics"}) {
        std::vector<std::string> args = {"import-ics", file(name)};
        args.insert(args.end(), choices.begin(), choices.end());
        const CliRun r = run(args);
        EXPECT_LE(r.status, 3) << r.err;
        EXPECT_EQ(r.err, "");
    }
    ASSERT_EQ(listTypes(data.path()).size(), 1u);
    const std::vector<CalendarEntry> entries = recordsOf<CalSet, CalendarEntry>(data);
    ASSERT_EQ(entries.size(), 2u);
    for (const CalendarEntry& entry : entries) {
        EXPECT_EQ(entry.type, 1) << entry.comment;
    }
}

TEST_F(InterchangeCli, AnImportTakesItsFileWhateverTheUpdateDialogLastLeftUnticked) {
    // The address book and calendar ticks are for exchange files; an import with both left
    // unticked in the Update dialog once took nothing and said nothing.
    writeBytes(
        config / "Trevik.Ini",
        "[Update]\r\nAddress=0\r\nCalendar=0\r\nNewData=0\r\nChangedData=0\r\nDeletedData=0\r\n");
    writeBytes(files / "one.vcf",
               "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-1\r\nFN:Ann\r\nEND:VCARD\r\n");
    writeBytes(files / "one.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:e-1\r\n"
               "SUMMARY:Dentist\r\nDTSTART;VALUE=DATE:20261208\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    CliRun r = run({"import-vcard", file("one.vcf")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("contacts: 1 added"), std::string::npos) << r.out;
    r = run({"import-ics", file("one.ics")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("calendar: 1 added"), std::string::npos) << r.out;
    EXPECT_EQ((recordsOf<AddrSet, Contact>(data).size()), 1u);
    EXPECT_EQ((recordsOf<CalSet, CalendarEntry>(data).size()), 1u);
}

TEST_F(InterchangeCli, ReportsLossesWithExitThreeAndFailuresOnStandardError) {
    writeBytes(files / "lossy.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:x-1\r\nFN:Ann\r\n"
                                    "TEL;TYPE=CELL:1\r\nTEL;TYPE=CELL:2\r\nEND:VCARD\r\n");
    CliRun r = run({"import-vcard", file("lossy.vcf"), "--new", "update", "--changed", "update",
                    "--deleted", "update"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "contacts: 1 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n"
                     "1 lossy, 0 not imported\n"
                     "lossy: x-1 (Ann): a second mobile phone was left out: 2\n");
    EXPECT_EQ(r.err, "");

    const std::vector<std::string> choices = {"--new",  "update",    "--changed",
                                              "update", "--deleted", "update"};
    const auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), choices.begin(), choices.end());
        return args;
    };
    r = run(with({"import-ics", file("missing.ics")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.ics: no such file"), std::string::npos) << r.err;
    r = run({"import-ics", file("lossy.vcf"), "--new", "prompt"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not a terminal"), std::string::npos);
    r = run({"import-vcard", file("lossy.vcf"), "--new", "sometimes"});
    EXPECT_EQ(r.status, 2);
    r = run({"export-ics", (files / "no-such-dir" / "x.ics").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no-such-dir"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(files / "no-such-dir"));
    makeUnreadable("ADDRESS.TVD");
    r = run({"export-vcard", file("x.vcf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ADDRESS.TVD"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(files / "x.vcf"));
    r = run(with({"import-vcard", file("lossy.vcf")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ADDRESS.TVD"), std::string::npos) << r.err;

    const std::string help = run({"--help"}).out;
    for (const char* command : {"export-vcard FILE", "import-vcard FILE", "export-ics FILE",
                                "import-ics FILE", "export-vdir DIR", "import-vdir DIR"}) {
        EXPECT_NE(help.find(command), std::string::npos) << command;
    }
}

} // namespace
} // namespace trevik::test
