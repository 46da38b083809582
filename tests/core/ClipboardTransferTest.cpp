// Cut, copy, copy special and paste on plain data and the record files: the clipboard texts
// they make and read, and what they do to the address and calendar files.
#include "address/AddressList.h"
#include "address/ContactSearch.h"
#include "calendar/AddressLinks.h"
#include "calendar/CalendarView.h"
#include "clipboard/AddressPaste.h"
#include "clipboard/ClipboardCut.h"
#include "clipboard/ClipboardLines.h"
#include "clipboard/CopySpecial.h"
#include "common/SameBits.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "support/FixedClock.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trevik;
using trevik::test::contactRecord;
using trevik::test::entryRecord;
using trevik::test::TempDir;

namespace {

Contact fullContact(const std::string& name) {
    Contact c;
    c.name = name;
    c.home = name + " home";
    c.work = "555-0100";
    c.fax = "fax";
    c.mobile = "mobile";
    c.email = name + "@example.org";
    c.www = "www.example.org";
    c.address = "Road 1";
    c.misc = "misc";
    return c;
}

std::vector<std::string> textsOf(const Contact& c) {
    std::vector<std::string> texts;
    for (const ContactTextField& field : kContactTexts) {
        texts.push_back(c.*field.member);
    }
    return texts;
}

struct ClipboardFiles : ::testing::Test {
    TempDir dir;
    test::FixedClock clock{encodeDateTime({2026, 12, 7}, {9, 30, 0, 0})};
    EnglishLocale locale;

    std::vector<Contact> contacts() { return listContacts(dir.path(), ""); }

    std::int32_t addContact(const Contact& c) {
        return trevik::addContact(dir.path(), c, clock, 7).id;
    }

    CalendarRowList week(DayNumber date) {
        ViewContext context;
        context.viewCode = kWeekView;
        context.today = date;
        CalendarRowList rows;
        BuildCalendarView(rows, dir.path(), date, context, 10000, locale);
        return rows;
    }
};

} // namespace

TEST(ClipboardText, CopiedContactsAreOneLineEachWithEightTabsAndALineFeed) {
    const std::vector<Contact> three = {fullContact("Ann"), fullContact("Bob"), fullContact("Cid")};
    const std::string text = contactsCopyText(three);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "Ann\tAnn home\t555-0100\tfax\tmobile\tAnn@example.org\twww.example.org\tRoad "
              "1\tmisc\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 24);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(contactsCopyText({}), "");
}

TEST(ClipboardText, CopySpecialJoinsTheTickedColumnsInTheListsOrder) {
    const std::vector<Contact> two = {fullContact("Ann"), fullContact("Bob")};
    CopySpecialChoice choice;
    choice.columns[5] = true; // Email, ticked before Name: the order is the list's
    choice.columns[0] = true;
    choice.columnSeparator = 1;
    choice.rowSeparator = 3;
    EXPECT_EQ(copySpecialText(two, choice), "Ann,Ann@example.org\r\nBob,Bob@example.org\r\n");

    choice.columns[2] = true;
    choice.columnSeparator = 2;
    choice.rowSeparator = 0;
    EXPECT_EQ(copySpecialText(two, choice),
              "Ann;555-0100;Ann@example.org\tBob;555-0100;Bob@example.org\t");
    choice.rowSeparator = 1;
    EXPECT_EQ(copySpecialText({two[0]}, choice), "Ann;555-0100;Ann@example.org,");
    choice.rowSeparator = 2;
    EXPECT_EQ(copySpecialText({two[0]}, choice), "Ann;555-0100;Ann@example.org;");
    choice.columnSeparator = 0;
    EXPECT_EQ(copySpecialText({two[0]}, choice), "Ann\t555-0100\tAnn@example.org;");

    CopySpecialChoice none;
    EXPECT_EQ(copySpecialText(two, none), "\r\n\r\n"); // one row separator per contact
    EXPECT_EQ(copySpecialText({}, choice), "");

    CopySpecialChoice all;
    all.columns.fill(true);
    std::string line = contactsCopyText({two[0]});
    line.pop_back();
    EXPECT_EQ(copySpecialText({two[0]}, all), line + "\r\n");
}

TEST(ClipboardText, SeparatorItemsOutsideTheGroupsCountAsTabAndEnter) {
    EXPECT_EQ(copySpecialColumnSeparator(0), "\t");
    EXPECT_EQ(copySpecialColumnSeparator(1), ",");
    EXPECT_EQ(copySpecialColumnSeparator(2), ";");
    EXPECT_EQ(copySpecialColumnSeparator(3), "\t");
    EXPECT_EQ(copySpecialColumnSeparator(-1), "\t");
    EXPECT_EQ(copySpecialRowSeparator(0), "\t");
    EXPECT_EQ(copySpecialRowSeparator(1), ",");
    EXPECT_EQ(copySpecialRowSeparator(2), ";");
    EXPECT_EQ(copySpecialRowSeparator(3), "\r\n");
    EXPECT_EQ(copySpecialRowSeparator(4), "\r\n");
    EXPECT_EQ(copySpecialRowSeparator(-1), "\r\n");
}

TEST(ClipboardText, PastedLinesAreReadTabByTab) {
    Contact c = fullContact("old");
    ASSERT_TRUE(ParseAddressLine(c, "Ann\t1\t2\t3\t4\t5\t6\t7\t8\n"));
    EXPECT_EQ(textsOf(c),
              (std::vector<std::string>{"Ann", "1", "2", "3", "4", "5", "6", "7", "8"}));

    // A text with no tab after it stays empty, and so do all after it.
    ASSERT_TRUE(ParseAddressLine(c, "Ann\t555\tnot taken\n"));
    EXPECT_EQ(textsOf(c), (std::vector<std::string>{"Ann", "555", "", "", "", "", "", "", ""}));

    // One word and a line feed: accepted, with all nine texts empty.
    ASSERT_TRUE(ParseAddressLine(c, "word\n"));
    EXPECT_EQ(textsOf(c), std::vector<std::string>(9));
    ASSERT_TRUE(ParseAddressLine(c, "\n"));

    // Misc is the rest of the line, however long, without its line end.
    const std::string longMisc(300, 'm');
    ASSERT_TRUE(ParseAddressLine(c, "a\t\t\t\t\t\t\t\t" + longMisc + "\n"));
    EXPECT_EQ(c.misc, longMisc);
    ASSERT_TRUE(ParseAddressLine(c, "a\t\t\t\t\t\t\t\tend\r\n"));
    EXPECT_EQ(c.misc, "end");

    // Nine tabs before the line end are refused, and the record is left as it was.
    c = fullContact("kept");
    EXPECT_FALSE(ParseAddressLine(c, "a\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"));
    EXPECT_EQ(c.name, "kept");
    // A tab as the last character is not counted.
    EXPECT_TRUE(ParseAddressLine(c, "a\t1\t2\t3\t4\t5\t6\t7\t8\t"));
}

TEST(ClipboardText, PastedTextSplitsAtLineFeedsAndKeepsAMemosLineBreaks) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(pastedLines("a\nb\tc\n"), (Lines{"a\n", "b\tc\n"}));
    EXPECT_EQ(pastedLines("a\nb"), (Lines{"a\n"}));
    // Text with CR LF line ends (copy special's Enter, other programs) splits at each of them.
    EXPECT_EQ(pastedLines("Ann,a@x\r\nBob,b@x\r\n"), (Lines{"Ann,a@x\r\n", "Bob,b@x\r\n"}));
    // In lines ended by a lone LF, an address or misc memo keeps its CR LF line breaks.
    const std::string copied = "Ann\t\t\t\t\t\t\tRoad 1\r\nTown\tline 1\r\nline 2\n"
                               "Bob\t1\r\n";
    EXPECT_EQ(pastedLines(copied),
              (Lines{"Ann\t\t\t\t\t\t\tRoad 1\r\nTown\tline 1\r\nline 2\n", "Bob\t1\r\n"}));
}

TEST(ClipboardText, CalendarRowsCopyWithHeaderLinesAndCutWithLineFeeds) {
    CalendarRow entry;
    entry.timeText = "9:30";
    entry.typeName = "Work";
    entry.comment = "Meeting";
    entry.fileMark = 'F';
    entry.addressMark = 'A';
    CalendarRow header;
    header.isDayHeader = true;
    header.dayText = "Mon 7. Dec 2026.";
    CalendarRowList rows;
    rows.append(header);
    rows.append(entry);
    EXPECT_EQ(calendarCopyText(rows, 1, 2),
              "\t\tMon 7. Dec 2026.\t\r\n9:30\tWork\tMeeting\tF\tA\r\n");
    EXPECT_EQ(calendarCopyText(rows, 2, 2), "9:30\tWork\tMeeting\tF\tA\r\n");
    EXPECT_EQ(calendarCopyText(rows, 0, 9), calendarCopyText(rows, 1, 2)); // title row and beyond
    EXPECT_EQ(calendarLine(entry, "\n"), "9:30\tWork\tMeeting\tF\tA\n");
    const std::string comment(200, 'c');
    entry.comment = comment;
    EXPECT_EQ(calendarLine(entry).size(), 4 + 4 + 200 + 2 + 4 + 2u); // never cut at 256 bytes
}

TEST_F(ClipboardFiles, ThreeCopiedContactsPasteBackAsThreeWithTheSameTexts) {
    std::vector<Contact> three = {fullContact("Ann"), fullContact("Bob"), fullContact("Cid")};
    three[1].address = "Road 2\r\nTown";  // a memo with a line break
    three[2].misc = std::string(52, 'z'); // a text as long as its field
    three[2].address = std::string(50, 'y');
    for (const Contact& c : three) {
        addContact(c);
    }
    const std::string text = contactsCopyText(contacts());
    TempDir other;
    const AddressPaste paste = PasteAddresses(other.path(), text, clock, 7);
    EXPECT_EQ(paste.added, 3);
    EXPECT_FALSE(paste.refused);
    EXPECT_EQ(paste.error, "");
    const std::vector<Contact> pasted = listContacts(other.path(), "");
    ASSERT_EQ(pasted.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(textsOf(pasted[i]), textsOf(three[i])) << i;
    }
}

TEST_F(ClipboardFiles, PastedContactsGetConsecutiveIdsAndCreationStampsApart) {
    Contact existing = contactRecord("Ida");
    addContact(existing);
    addContact(existing);
    clock.advanceSeconds(90);
    const AddressPaste paste = PasteAddresses(dir.path(), "one\ntwo\tx\nthree\n", clock, 4242);
    ASSERT_EQ(paste.added, 3);
    EXPECT_EQ(paste.firstId, 3);
    const std::vector<Contact> all = contacts();
    ASSERT_EQ(all.size(), 5u);
    DateTime stamp = clock.now();
    for (int i = 0; i < 3; ++i) {
        const Contact& c = all[std::size_t(2 + i)];
        EXPECT_EQ(c.id, 3 + i);
        EXPECT_EQ(c.originUid, 4242);
        EXPECT_TRUE(sameBits(c.updated, NowToSecond(clock)));
        EXPECT_TRUE(sameBits(c.created, stamp)) << i;
        stamp += 1e-9;
    }
    EXPECT_NEAR(all[4].created - all[2].created, 2e-9, 1e-11);
    EXPECT_EQ(all[3].name, "two");
    EXPECT_EQ(all[2].name, ""); // one word, no tab: all texts empty
    // The stamps tell the pasted contacts apart, as an exchange file needs.
    AddrSet set(dir.path());
    set.OpenForReading();
    EXPECT_EQ(set.FindByOrigin(all[3].created, 4242), 4);
    EXPECT_EQ(set.FindByOrigin(all[4].created, 4242), 5);
}

TEST_F(ClipboardFiles, APasteWithoutAFinalLineFeedIsRefusedAsAWhole) {
    for (const std::string& text :
         {std::string("Ann\t1\nBob\t2"), std::string(), std::string("Ann\t1\r")}) {
        const AddressPaste paste = PasteAddresses(dir.path(), text, clock, 7);
        EXPECT_TRUE(paste.refused);
        EXPECT_EQ(paste.added, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "ADDRESS.TVD"));
}

TEST_F(ClipboardFiles, ALineWithNineTabsStopsThePasteAndKeepsTheLinesBefore) {
    const AddressPaste paste =
        PasteAddresses(dir.path(), "Ann\t1\n1\t2\t3\t4\t5\t6\t7\t8\t9\t10\nCid\t3\n", clock, 7);
    EXPECT_TRUE(paste.refused);
    EXPECT_EQ(paste.added, 1);
    const std::vector<Contact> all = contacts();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, "Ann");
}

TEST_F(ClipboardFiles, APasteTakesAtMostTheLimitOfTheClipboardsText) {
    std::string text;
    while (text.size() <= kPasteLimit) {
        text += "0123456789\n";
    }
    // The limit falls inside the last line: that text no longer ends with a line feed.
    EXPECT_TRUE(PasteAddresses(dir.path(), text, clock, 7).refused);
    text.resize(kPasteLimit - 1);
    text += "\n";
    const AddressPaste paste = PasteAddresses(dir.path(), text + "more\n", clock, 7);
    EXPECT_FALSE(paste.refused);
    EXPECT_EQ(paste.added, int(kPasteLimit / 11) + 1);
}

TEST_F(ClipboardFiles, APasteIntoAnUnreadableFileSaysWhy) {
    std::filesystem::create_directory(dir / "ADDRESS.TVD");
    const AddressPaste paste = PasteAddresses(dir.path(), "Ann\n", clock, 7);
    EXPECT_EQ(paste.added, 0);
    EXPECT_NE(paste.error.find("ADDRESS.TVD"), std::string::npos);
}

TEST_F(ClipboardFiles, CutContactsLeaveTheFileAndTheirCalendarLinks) {
    const std::int32_t ann = addContact(fullContact("Ann"));
    const std::int32_t bob = addContact(fullContact("Bob"));
    const std::int32_t cid = addContact(fullContact("Cid"));
    addEntry(dir.path(), entryRecord("call Bob", dayNumberFromCivil({2026, 12, 7}), bob), clock, 7);
    std::vector<Contact> listed = contacts();
    const ClipboardCut cut = cutContacts(dir.path(), {listed[0], listed[1]});
    EXPECT_TRUE(cut.putOnClipboard);
    EXPECT_EQ(cut.cut, 2);
    EXPECT_EQ(cut.error, "");
    EXPECT_EQ(cut.text, addressLine(listed[0]) + addressLine(listed[1]));
    const std::vector<Contact> left = contacts();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].id, cid);
    EXPECT_FALSE(loadContact(dir.path(), ann));
    // The entry still names the cut contact.
    EXPECT_TRUE(IsAddressLinked(dir.path(), bob));
    EXPECT_EQ(loadEntry(dir.path(), 1)->addressLink, bob);
}

TEST_F(ClipboardFiles, ACutContactThatIsGoneStillGoesOnTheClipboard) {
    addContact(fullContact("Ann"));
    addContact(fullContact("Bob"));
    std::vector<Contact> listed = contacts();
    Contact gone = fullContact("Gone");
    gone.id = 99;
    const ClipboardCut cut = cutContacts(dir.path(), {gone, listed[1]});
    EXPECT_EQ(cut.cut, 1);
    EXPECT_EQ(cut.text, addressLine(gone) + addressLine(listed[1]));
    EXPECT_EQ(contacts().size(), 1u);

    // Nothing selected: the empty text, and nothing deleted.
    const ClipboardCut none = cutContacts(dir.path(), {});
    EXPECT_TRUE(none.putOnClipboard);
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.cut, 0);
    EXPECT_EQ(contacts().size(), 1u);
}

TEST_F(ClipboardFiles, ContactsWithTheSameIdAreCutOneForEachSelectedLine) {
    // A file from elsewhere may repeat an id: each selected one takes the next record.
    addContact(fullContact("Ann"));
    {
        AddrSet set(dir.path());
        set.Open();
        set.NewRecord();
        static_cast<Contact&>(set) = fullContact("Twin");
        set.id = 1;
        set.Write();
    }
    addContact(fullContact("Bob"));
    std::vector<Contact> listed = contacts();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(cutContacts(dir.path(), {listed[0]}).cut, 1);
    std::vector<Contact> left = contacts();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].name, "Twin");
    EXPECT_EQ(cutContacts(dir.path(), {listed[0], listed[0]}).cut, 1);
    EXPECT_EQ(contacts().size(), 1u);
}

TEST_F(ClipboardFiles, AnEmptyAddressFileStopsTheCutBeforeTheClipboard) {
    const ClipboardCut cut = cutContacts(dir.path(), {fullContact("Ann")});
    EXPECT_FALSE(cut.putOnClipboard);
    EXPECT_EQ(cut.text, "");
    EXPECT_EQ(cut.error, "");

    std::filesystem::remove(dir / "ADDRESS.TVD");
    std::filesystem::create_directory(dir / "ADDRESS.TVD");
    const ClipboardCut unreadable = cutContacts(dir.path(), {fullContact("Ann")});
    EXPECT_FALSE(unreadable.putOnClipboard);
    EXPECT_NE(unreadable.error.find("ADDRESS.TVD"), std::string::npos);
}

TEST_F(ClipboardFiles, WeekRowsCopyWithTheirDayHeaderLines) {
    const DayNumber monday = dayNumberFromCivil({2026, 12, 7});
    addEntry(dir.path(), entryRecord("first", monday), clock, 7);
    addEntry(dir.path(), entryRecord("second", monday + 1), clock, 7);
    const CalendarRowList rows = week(monday);
    std::string expected;
    int headers = 0;
    for (const CalendarRow& row : rows.rows()) {
        if (row.isDayHeader) {
            ++headers;
            expected += "\t\t" + row.dayText + "\t\r\n";
        } else {
            expected += row.timeText + "\t" + row.typeName + "\t" + row.comment + "\t \t \r\n";
        }
    }
    EXPECT_EQ(headers, 7);
    const std::string text = calendarCopyText(rows, 1, rows.count());
    EXPECT_EQ(text, expected);
    EXPECT_NE(text.find("\t\tfirst\t \t \r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t" + rows.at(1)->dayText + "\t\r\n"), std::string::npos);
}

TEST_F(ClipboardFiles, ACalendarCutStopsAtADayHeader) {
    const DayNumber monday = dayNumberFromCivil({2026, 12, 7});
    addEntry(dir.path(), entryRecord("one", monday), clock, 7);
    addEntry(dir.path(), entryRecord("two", monday), clock, 7);
    addEntry(dir.path(), entryRecord("three", monday + 1), clock, 7);
    const CalendarRowList rows = week(monday);
    // Week rows: a header for Sunday 6th, Monday's header, one, two, Tuesday's header, three.
    ASSERT_TRUE(rows.at(2)->isDayHeader);
    ASSERT_EQ(rows.at(3)->comment, "one");
    ASSERT_TRUE(rows.at(5)->isDayHeader);

    // A cut whose selection begins at a day header cuts nothing and leaves the clipboard.
    const ClipboardCut atHeader = cutCalendarRows(dir.path(), rows, 2, 6);
    EXPECT_FALSE(atHeader.putOnClipboard);
    EXPECT_EQ(atHeader.cut, 0);
    EXPECT_EQ(loadEntry(dir.path(), 1)->comment, "one");

    // From "one" over Tuesday's header: the rows above the header are cut, with lone LFs.
    const ClipboardCut cut = cutCalendarRows(dir.path(), rows, 3, 6);
    EXPECT_TRUE(cut.putOnClipboard);
    EXPECT_EQ(cut.cut, 2);
    EXPECT_EQ(cut.text, "\t\tone\t \t \n\t\ttwo\t \t \n");
    EXPECT_FALSE(loadEntry(dir.path(), 1));
    EXPECT_FALSE(loadEntry(dir.path(), 2));
    EXPECT_EQ(loadEntry(dir.path(), 3)->comment, "three");
}

TEST_F(ClipboardFiles, ACalendarCutOfEntriesGoneAlreadyStillCopiesUntilTheFileIsEmpty) {
    const DayNumber monday = dayNumberFromCivil({2026, 12, 7});
    addEntry(dir.path(), entryRecord("one", monday), clock, 7);
    addEntry(dir.path(), entryRecord("two", monday), clock, 7);
    addEntry(dir.path(), entryRecord("three", monday), clock, 7);
    CalendarRowList day;
    for (std::uint32_t id = 1; id <= 3; ++id) {
        day.append(entryRow(*loadEntry(dir.path(), std::int32_t(id)), TypeNames()));
    }
    deleteEntry(dir.path(), 2);
    // "two" is gone: its line still goes, and "one" and "three" are cut.
    const ClipboardCut cut = cutCalendarRows(dir.path(), day, 1, 3);
    EXPECT_EQ(cut.cut, 2);
    EXPECT_EQ(cut.text, "\t\tone\t \t \n\t\ttwo\t \t \n\t\tthree\t \t \n");
    // With the file empty, the cut stops at its first row: nothing goes on the clipboard.
    const ClipboardCut empty = cutCalendarRows(dir.path(), day, 1, 3);
    EXPECT_FALSE(empty.putOnClipboard);
    EXPECT_EQ(empty.cut, 0);
}

TEST_F(ClipboardFiles, ACutThatCannotRewriteTheFileDeletesNothingAndSaysWhy) {
    addContact(fullContact("Ann"));
    const std::vector<Contact> listed = contacts();
    // The file can be written, but no file can be made beside it for the rewrite.
    std::filesystem::permissions(dir / "ADDRESS.TVD", std::filesystem::perms(0666));
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0555));
    const int outcome = test::runUnprivileged([&] {
        const ClipboardCut cut = cutContacts(dir.path(), listed);
        if (!cut.putOnClipboard || cut.text != addressLine(listed[0])) {
            return 1;
        }
        if (cut.cut != 0 || cut.error.find("Permission denied") == std::string::npos) {
            return 2;
        }
        return listContacts(dir.path(), "").size() == 1 ? 0 : 3;
    });
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0700));
    EXPECT_EQ(outcome, 0);
}

TEST(ContactSearch, EveryVisibleColumnIsSearchedButNeverTheId) {
    Contact c = fullContact("Ann");
    c.id = 4711;
    EXPECT_TRUE(ContactSearch("0100", false).matches(c)); // in the work number only
    EXPECT_TRUE(ContactSearch("ROAD", false).matches(c));
    EXPECT_TRUE(ContactSearch("misc", true).matches(c));
    EXPECT_FALSE(ContactSearch("4711", false).matches(c));
    c.misc = "id 4711";
    EXPECT_TRUE(ContactSearch("4711", false).matches(c));
}

TEST(ContactSearch, MatchCaseDecidesWhetherCapitalsFindMixedCase) {
    Contact c = contactRecord("Ida Olund");
    EXPECT_TRUE(ContactSearch("IDA", false).matches(c));
    EXPECT_FALSE(ContactSearch("IDA", true).matches(c));
    EXPECT_TRUE(ContactSearch("Ida", true).matches(c));
    // The code page's own rule: accented capitals too, and I is the dotted i in every language.
    c.name = "\xd6lund"; // Ölund in Windows-1252
    EXPECT_TRUE(ContactSearch("\xf6l", false).matches(c));
    EXPECT_FALSE(ContactSearch("\xf6l", true).matches(c));
}

TEST(ContactSearch, FindingGoesOnFromTheLastFoundAndNeverWraps) {
    const std::vector<Contact> listed = {contactRecord("Ann"), contactRecord("Bob smith"),
                                         contactRecord("Cid"), contactRecord("Dot Smith")};
    const auto at = [&](int i) -> const Contact& { return listed[std::size_t(i)]; };
    const ContactSearch smith("smith", false);
    EXPECT_EQ(findListedContact(4, 0, at, smith), 1);
    EXPECT_EQ(findListedContact(4, 2, at, smith), 3);
    EXPECT_EQ(findListedContact(4, 4, at, smith), -1);
    EXPECT_EQ(findListedContact(4, 9, at, smith), -1);
    EXPECT_EQ(findListedContact(0, 0, at, smith), -1);
}

TEST(RecordSetDeleteMany, OneRewriteTakesEveryGivenPosition) {
    TempDir dir;
    test::FixedClock clock;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        addContact(dir.path(), contactRecord(name), clock, 1);
    }
    AddrSet set(dir.path());
    set.Open();
    set.DeleteMany({4, 2, 2, 0, 9});
    EXPECT_EQ(set.lastError(), "");
    EXPECT_EQ(set.count(), 3);
    set.Close();
    std::vector<std::string> names;
    for (const Contact& c : listContacts(dir.path(), "")) {
        names.push_back(c.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a", "c", "e"}));
}
