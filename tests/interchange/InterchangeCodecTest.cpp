// vCard and iCalendar texts <-> records, on plain data.
#include "InterchangeSamples.h"
#include "interchange/ICalendar.h"
#include "interchange/RecordUid.h"
#include "interchange/VCard.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace trevik::test {
namespace {

struct BerlinTime : ::testing::Test {
    // Stamps are converted through the local zone; a zone with summer time shows mistakes.
    BerlinTime() {
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
    }
};

bool hasReason(const std::vector<InterchangeNote>& notes, const std::string& part) {
    for (const InterchangeNote& note : notes) {
        if (note.reason.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void expectSameContact(const Contact& a, const Contact& b) {
    EXPECT_TRUE(sameBits(a.created, b.created)) << a.name;
    EXPECT_EQ(a.originUid, b.originUid);
    EXPECT_TRUE(sameBits(a.updated, b.updated)) << a.name;
    for (const ContactTextField& field : kContactTexts) {
        EXPECT_EQ(a.*field.member, b.*field.member) << field.key;
    }
}

void expectSameEntry(const CalendarEntry& a, const CalendarEntry& b) {
    SCOPED_TRACE(a.comment);
    EXPECT_EQ(a.comment, b.comment);
    EXPECT_EQ(a.dateFrom, b.dateFrom);
    EXPECT_EQ(a.dateTo, b.dateTo);
    EXPECT_TRUE(sameBits(a.timeFrom, b.timeFrom));
    EXPECT_TRUE(sameBits(a.timeTo, b.timeTo));
    EXPECT_TRUE(sameBits(a.alarm, b.alarm));
    EXPECT_EQ(a.repeat, b.repeat);
    EXPECT_EQ(a.fileLink, b.fileLink);
    EXPECT_EQ(a.flag, b.flag);
    EXPECT_TRUE(sameBits(a.created, b.created));
    EXPECT_EQ(a.originUid, b.originUid);
    EXPECT_TRUE(sameBits(a.updated, b.updated));
}

TEST(RecordUidTest, CarriesTheIdentityBitForBitAndMapsForeignUidsStably) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 2000; ++i) {
        const DateTime created = double(random() % 3000000) + double(random() % 86400000) / 864e5;
        const auto origin = std::int32_t(std::uint32_t(random()));
        const std::string uid = recordUid(created, origin);
        ASSERT_TRUE(isRecordUid(uid)) << uid;
        const RecordIdentity back = identityFromUid(uid);
        ASSERT_TRUE(sameBits(back.created, created)) << uid;
        ASSERT_EQ(back.originUid, origin);
    }
    EXPECT_FALSE(isRecordUid("urn:uuid:4fbe8971-0bc3-424c-9c26-36c3e1eff6b1"));
    const RecordIdentity google = identityFromUid("abc123@google.com");
    EXPECT_TRUE(sameBits(identityFromUid("abc123@google.com").created, google.created));
    EXPECT_NE(identityFromUid("abc124@google.com").originUid, google.originUid);
    EXPECT_TRUE(isCivilDay(dayNumberOf(google.created)));
    EXPECT_EQ(vdirFileStem("urn:uuid:ab-cd"), "ab-cd");
    EXPECT_EQ(vdirFileStem("../a/b c"), "_.._a_b_c");
}

TEST_F(BerlinTime, ContactsSurviveAVCardRoundTripInEveryField) {
    const std::vector<Contact> contacts = sampleContacts();
    const std::string text = contactsToVCard(contacts);
    EXPECT_NE(text.find("VERSION:3.0\r\n"), std::string::npos);
    EXPECT_NE(text.find("FN:Anna Müller\r\n"), std::string::npos);
    EXPECT_NE(text.find("N:Müller;Anna;;;\r\n"), std::string::npos);
    EXPECT_NE(text.find("N:Smith;Bob;;;\r\n"), std::string::npos);
    EXPECT_NE(text.find("TEL;TYPE=CELL:0170 555 1234"), std::string::npos);
    EXPECT_NE(text.find("REV:20250607T060910Z"), std::string::npos); // summer time: UTC+2
    const ContactsRead read = contactsFromVCard(text);
    EXPECT_TRUE(read.notes.lossy.empty());
    EXPECT_TRUE(read.notes.skipped.empty());
    ASSERT_EQ(read.contacts.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        expectSameContact(read.contacts[i], contacts[i]);
    }
    EXPECT_EQ(contactsToVCard(read.contacts), text);
}

TEST_F(BerlinTime, APhoneTypedAsATelUriIsTextInOldCardsAndAUriInNewOnes) {
    std::vector<Contact> contacts = sampleContacts();
    contacts[0].home = "tel:tel:1234";
    const ContactsRead read = contactsFromVCard(contactsToVCard(contacts));
    ASSERT_EQ(read.contacts.size(), 2u);
    EXPECT_EQ(read.contacts[0].home, "tel:tel:1234");
    const ContactsRead uri = contactsFromVCard(
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nTEL;TYPE=work:tel:+1-555\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob\r\nTEL;VALUE=URI:tel:+1-556\r\n"
        "TEL;TYPE=WORK:tel:+1-557\r\nEND:VCARD\r\n");
    ASSERT_EQ(uri.contacts.size(), 2u);
    EXPECT_EQ(uri.contacts[0].work, "+1-555");
    EXPECT_EQ(uri.contacts[1].home, "+1-556");
    EXPECT_EQ(uri.contacts[1].work, "tel:+1-557");
}

TEST_F(BerlinTime, ReadsOldPhonesOutlookGoogleAndNextcloudCards) {
    const std::string v21 =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\r\n"
        "TEL;HOME;VOICE:+49 30 1234\r\nTEL;CELL:+49 170 555\r\nTEL;WORK;FAX:+49 30 99\r\n"
        "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=DFe "
        "1=0D=0A=\r\nHinterhaus;Berlin;;10115;DE\r\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE:line one=0D=0Aline two\r\nEND:VCARD\r\n";
    const std::string v30 = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Smith\r\nN:Smith;Anna;;;\r\n"
                            "TEL;TYPE=WORK:555-2\r\nEMAIL;TYPE=INTERNET:anna@example.com\r\n"
                            "NOTE:a note fol\r\n ded over lines\\, with comma\r\n"
                            "UID:abc-123\r\nREV:2023-04-05T10:20:30Z\r\nEND:VCARD\r\n";
    const std::string v40 = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:\xc3\x96laf \xc3\x86r\xc3\xb8\r\n"
                            "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+1-555-555-5555\r\n"
                            "TEL;TYPE=fax,work:+1 555 9\r\nURL:https://example.org\r\n"
                            "UID:urn:uuid:4fbe8971-0bc3-424c-9c26-36c3e1eff6b1\r\n"
                            "REV:20230405T102030Z\r\nEND:VCARD\r\n";
    const ContactsRead read = contactsFromVCard(v21 + v30 + v40);
    ASSERT_EQ(read.contacts.size(), 3u);
    const Contact& old = read.contacts[0];
    EXPECT_EQ(old.name, "J\xfcrgen M\xfcller");
    EXPECT_EQ(old.home, "+49 30 1234");
    EXPECT_EQ(old.mobile, "+49 170 555");
    EXPECT_EQ(old.fax, "+49 30 99");
    EXPECT_EQ(old.address, "Hauptstra\xdf"
                           "e 1\r\nHinterhaus\r\n10115 Berlin\r\nDE");
    EXPECT_EQ(old.misc, "line one\r\nline two");
    const Contact& google = read.contacts[1];
    EXPECT_EQ(google.name, "Anna Smith");
    EXPECT_EQ(google.work, "555-2");
    EXPECT_EQ(google.email, "anna@example.com");
    EXPECT_EQ(google.misc, "a note folded over lines, with comma");
    EXPECT_TRUE(sameBits(google.updated, stampAt(2023, 4, 5, 12, 20, 30)));
    const Contact& cloud = read.contacts[2];
    EXPECT_EQ(cloud.name, "\xd6laf \xc6r\xf8");
    EXPECT_EQ(cloud.home, "+1-555-555-5555");
    EXPECT_EQ(cloud.fax, "+1 555 9");
    EXPECT_EQ(cloud.www, "https://example.org");
    EXPECT_TRUE(read.notes.lossy.empty());
    // The same file again finds the same identities.
    const ContactsRead again = contactsFromVCard(v21 + v30 + v40);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(sameBits(again.contacts[i].created, read.contacts[i].created));
        EXPECT_EQ(again.contacts[i].originUid, read.contacts[i].originUid);
    }
}

TEST(VCardLossTest, NamesEveryLossWithTheCardsUidAndStillTakesTheRest) {
    const std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-1\r\n"
                             "FN:A name far longer than thirty characters\r\n"
                             "TEL;TYPE=HOME:1\r\nTEL;TYPE=HOME:2\r\nEMAIL:a@b\r\nEMAIL:c@d\r\n"
                             "NOTE:\xe2\x9c\x93 done\r\nEND:VCARD\r\n"
                             "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-2\r\nTEL:5\r\nEND:VCARD\r\n"
                             "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-3\r\nFN:Cut off\r\n";
    const ContactsRead read = contactsFromVCard(text);
    ASSERT_EQ(read.contacts.size(), 1u);
    const Contact& c = read.contacts[0];
    EXPECT_EQ(c.name, "A name far longer than thirty ");
    EXPECT_EQ(c.home, "1");
    EXPECT_EQ(c.email, "a@b");
    EXPECT_EQ(c.misc, "? done");
    EXPECT_EQ(read.notes.lossy.size(), 4u);
    for (const InterchangeNote& note : read.notes.lossy) {
        EXPECT_EQ(note.uid, "u-1");
    }
    EXPECT_TRUE(hasReason(read.notes.lossy, "name: cut to 30"));
    EXPECT_TRUE(hasReason(read.notes.lossy, "a second home phone was left out: 2"));
    EXPECT_TRUE(hasReason(read.notes.lossy, "a second e-mail address"));
    EXPECT_TRUE(hasReason(read.notes.lossy, "outside Windows-1252"));
    ASSERT_EQ(read.notes.skipped.size(), 2u);
    EXPECT_EQ(read.notes.skipped[0].uid, "u-2");
    EXPECT_EQ(read.notes.skipped[0].reason, "the card has no name");
    EXPECT_EQ(read.notes.skipped[1].reason, "the file ends inside a card");
}

EntryReferences sampleReferences() {
    EntryReferences references;
    references.typeNames = {{1, "Meeting"}, {2, "Health"}};
    references.contactUids = {{1, "urn:uuid:contact-1"}};
    return references;
}

TEST_F(BerlinTime, EntriesSurviveAnICalendarRoundTripInEveryField) {
    std::vector<CalendarEntry> entries = sampleEntries();
    // Odd records too: a period written backwards, an undated entry that shows daily, an
    // end time alone, a flag, a repeat left unset, and times with milliseconds.
    entries.push_back(
        entryOf("Backwards", day(2027, 4, 9), day(2027, 4, 7), kNoTime, kNoTime, kRepeatNone, 20));
    entries.push_back(entryOf("Every day", kNoDate, kNoDate, kNoTime, at(7, 0), kRepeatNone, 21));
    entries.push_back(
        entryOf("End only", day(2027, 2, 2), kNoDate, kNoTime, at(11, 0), kRepeatUnset, 22));
    entries.back().flag = 1;
    entries.push_back(
        entryOf("Odd time", day(2027, 2, 3), kNoDate, 0.123456789, kNoTime, kRepeatNone, 23));
    const std::string text = entriesToICalendar(entries, sampleReferences());
    EXPECT_NE(text.find("RRULE:FREQ=WEEKLY"), std::string::npos);
    EXPECT_NE(text.find("DTSTART:20270310T093000\r\n"), std::string::npos); // floating
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20270701\r\nDTEND;VALUE=DATE:20270711"),
              std::string::npos);
    EXPECT_NE(text.find("TRIGGER:-PT30M"), std::string::npos);
    EXPECT_NE(text.find("CATEGORIES:Meeting"), std::string::npos);
    EXPECT_NE(text.find("ATTACH:file:///home/me/x-ray%20results.pdf"), std::string::npos);
    EXPECT_NE(text.find("X-TREVIK-CONTACT:urn:uuid:contact-1"), std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Call\\nmum"), std::string::npos);
    EXPECT_NE(text.find("BEGIN:VTODO\r\nUID:"), std::string::npos);
    EXPECT_NE(text.find("LAST-MODIFIED:20250203T030501Z"), std::string::npos);
    const EntriesRead read = entriesFromICalendar(text);
    EXPECT_TRUE(read.notes.lossy.empty()) << read.notes.lossy[0].reason;
    EXPECT_TRUE(read.notes.skipped.empty());
    ASSERT_EQ(read.entries.size(), entries.size());
    std::vector<CalendarEntry> back;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        expectSameEntry(read.entries[i].entry, entries[i]);
        back.push_back(read.entries[i].entry);
        back.back().type = entries[i].type;
        back.back().addressLink = entries[i].addressLink;
    }
    EXPECT_EQ(read.entries[0].category, "Meeting");
    EXPECT_EQ(read.entries[0].contactUid, "urn:uuid:contact-1");
    EXPECT_EQ(read.entries[5].category, "Health");
    EXPECT_EQ(entriesToICalendar(back, sampleReferences()), text);
}

TEST_F(BerlinTime, ReportsWhatTheRecordsCannotHoldAndTakesTheRest) {
    const std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\nBEGIN:STANDARD\r\nDTSTART:19701101T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\n"
        "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\n"
        "END:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nUID:e1\r\nSUMMARY:Fortnightly\r\nDTSTART;VALUE=DATE:20270104\r\n"
        "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=10\r\nEXDATE;VALUE=DATE:20270118\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e2\r\nSUMMARY:Gym\r\nDTSTART:20270104T180000\r\n"
        "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;UNTIL=20271231T000000Z\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e3\r\nSUMMARY:NY call\r\n"
        "DTSTART;TZID=America/New_York:20270615T090000\r\n"
        "DTEND;TZID=America/New_York:20270615T100000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e4\r\nSUMMARY:A summary much longer than thirty characters\r\n"
        "DTSTART:20270101T000000Z\r\nEND:VEVENT\r\n"
        "BEGIN:VTODO\r\nUID:e5\r\nSUMMARY:Taxes \xe2\x82\xac "
        "\xe2\x9c\x93\r\nDUE;VALUE=DATE:20270531\r\n"
        "END:VTODO\r\n"
        "BEGIN:VEVENT\r\nUID:e6\r\nDTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e7\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e2\r\nRECURRENCE-ID:20270106T180000\r\nSUMMARY:Gym moved\r\n"
        "DTSTART:20270107T180000\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const EntriesRead read = entriesFromICalendar(text);
    ASSERT_EQ(read.entries.size(), 5u);
    const auto notesOf = [&](const std::string& uid) {
        std::vector<InterchangeNote> notes;
        for (const InterchangeNote& note : read.notes.lossy) {
            if (note.uid == uid) {
                notes.push_back(note);
            }
        }
        return notes;
    };
    const CalendarEntry& fortnightly = read.entries[0].entry;
    EXPECT_EQ(fortnightly.repeat, kRepeatWeekly);
    EXPECT_EQ(fortnightly.dateFrom, day(2027, 1, 4));
    EXPECT_TRUE(hasReason(notesOf("e1"), "INTERVAL"));
    EXPECT_TRUE(hasReason(notesOf("e1"), "COUNT"));
    EXPECT_TRUE(hasReason(notesOf("e1"), "EXDATE"));
    EXPECT_EQ(notesOf("e1")[0].name, "Fortnightly");
    EXPECT_TRUE(hasReason(notesOf("e2"), "BYDAY"));
    EXPECT_TRUE(hasReason(notesOf("e2"), "UNTIL"));
    const CalendarEntry& call = read.entries[2].entry;
    EXPECT_EQ(call.dateFrom, day(2027, 6, 15));
    EXPECT_TRUE(sameBits(call.timeFrom, at(15, 0))); // 9:00 in New York is 15:00 in Berlin
    EXPECT_TRUE(sameBits(call.timeTo, at(16, 0)));
    EXPECT_TRUE(hasReason(notesOf("e3"), "America/New_York were converted to local time"));
    const CalendarEntry& longOne = read.entries[3].entry;
    EXPECT_EQ(longOne.comment, "A summary much longer than thi");
    EXPECT_TRUE(sameBits(longOne.timeFrom, at(1, 0)));
    EXPECT_TRUE(hasReason(notesOf("e4"), "summary: cut to 30"));
    EXPECT_TRUE(hasReason(notesOf("e4"), "UTC were converted"));
    const CalendarEntry& taxes = read.entries[4].entry;
    EXPECT_EQ(taxes.comment, "Taxes \x80 ?");
    EXPECT_EQ(taxes.dateFrom, kNoDate);
    EXPECT_TRUE(hasReason(notesOf("e5"), "outside Windows-1252"));
    EXPECT_TRUE(hasReason(notesOf("e5"), "due dates were left out"));
    ASSERT_EQ(read.notes.skipped.size(), 3u);
    EXPECT_EQ(read.notes.skipped[0].uid, "e6");
    EXPECT_EQ(read.notes.skipped[0].reason, "it has no summary");
    EXPECT_EQ(read.notes.skipped[1].uid, "e7");
    EXPECT_EQ(read.notes.skipped[2].uid, "e2");
    EXPECT_NE(read.notes.skipped[2].reason.find("changed occurrence"), std::string::npos);
}

TEST(ICalendarBlanksTest, LinksAndCategoriesReadTheSameAfterWritingThemAgain) {
    // libical drops the blanks at either end of every value it reads, after our own decoding
    // and control characters have made new ones: what is read must survive being written.
    const std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
        "BEGIN:VEVENT\r\nUID:b1\r\nSUMMARY:Control first\r\nDTSTART;VALUE=DATE:20270101\r\n"
        "ATTACH:\x01 notes.txt\x02\r\nCATEGORIES:\x01Work\x02\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b2\r\nSUMMARY:Encoded blanks\r\nDTSTART;VALUE=DATE:20270102\r\n"
        "ATTACH:file:///home/me/a%20b.pdf%20%20\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b3\r\nSUMMARY:Another host\r\nDTSTART;VALUE=DATE:20270103\r\n"
        "ATTACH:file://file:///x%2541\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b4\r\nSUMMARY:URL after a control\r\n"
        "DTSTART;VALUE=DATE:20270104\r\nATTACH:\x01"
        "file:///tmp/x\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const EntriesRead read = entriesFromICalendar(text);
    ASSERT_EQ(read.entries.size(), 4u);
    EXPECT_EQ(read.entries[0].entry.fileLink, "notes.txt");
    EXPECT_EQ(read.entries[1].entry.fileLink, "/home/me/a b.pdf");
    EXPECT_EQ(read.entries[2].entry.fileLink, "file://file:///x%2541");
    EXPECT_EQ(read.entries[3].entry.fileLink, "/tmp/x");

    std::vector<CalendarEntry> entries;
    EntryReferences references;
    for (const ReadEntry& item : read.entries) {
        entries.push_back(item.entry);
    }
    // A type name with blanks of its own, as a user may have typed it.
    entries[0].type = 1;
    references.typeNames.emplace(1, " Work ");
    const std::string written = entriesToICalendar(entries, references);
    const EntriesRead again = entriesFromICalendar(written);
    ASSERT_EQ(again.entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        expectSameEntry(again.entries[i].entry, entries[i]);
    }
    EXPECT_EQ(read.entries[0].category, "\x01Work\x02");
    EXPECT_EQ(again.entries[0].category, "Work");
    // And a third time gives the same file.
    std::vector<CalendarEntry> third;
    for (const ReadEntry& item : again.entries) {
        third.push_back(item.entry);
    }
    third[0].type = 1;
    EXPECT_EQ(entriesToICalendar(third, references), written);
}

TEST(ICalendarCategoriesTest, ATypeNameWithACommaIsOneCategoryBothWays) {
    CalendarEntry roof = test::entryRecord("Fix roof", dayNumberFromCivil({2026, 12, 10}));
    roof.type = 1;
    EntryReferences references;
    references.typeNames.emplace(1, "Work, urgent");
    const std::string written = entriesToICalendar({roof}, references);
    // Other programs read an unescaped comma as the end of a category.
    EXPECT_NE(written.find("CATEGORIES:Work\\, urgent\r\n"), std::string::npos) << written;
    const EntriesRead read = entriesFromICalendar(written);
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].category, "Work, urgent");
    EXPECT_TRUE(read.notes.lossy.empty());

    // A list of categories, in one property or several: the first is the type, the rest are
    // noted as left out.
    const EntriesRead listed = entriesFromICalendar(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
        "BEGIN:VEVENT\r\nUID:c1\r\nSUMMARY:Listed\r\nDTSTART;VALUE=DATE:20270101\r\n"
        "CATEGORIES:Home\\, garden,Errand\r\nCATEGORIES:Later\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n");
    ASSERT_EQ(listed.entries.size(), 1u);
    EXPECT_EQ(listed.entries[0].category, "Home, garden");
    ASSERT_EQ(listed.notes.lossy.size(), 2u);
    EXPECT_EQ(listed.notes.lossy[0].reason, "the category Errand was left out");
    EXPECT_EQ(listed.notes.lossy[1].reason, "the category Later was left out");

    // A name of commas only, long enough to be folded, is written and read whole.
    references.typeNames[1] = std::string(30, ',');
    const EntriesRead commas = entriesFromICalendar(entriesToICalendar({roof}, references));
    ASSERT_EQ(commas.entries.size(), 1u);
    EXPECT_EQ(commas.entries[0].category, std::string(30, ','));
}

TEST(DamagedFileTest, TruncatedFoldedWrongAndHugeFilesGiveOnlyWholeRecords) {
    const std::string good = entriesToICalendar(sampleEntries(), {});
    // Cut at every line end: no half entry is ever taken, whole ones are.
    std::size_t wholeAtCut = 0;
    for (std::size_t cut = good.find('\n'); cut != std::string::npos;
         cut = good.find('\n', cut + 1)) {
        const std::string part = good.substr(0, cut + 1);
        const EntriesRead read = entriesFromICalendar(part);
        std::size_t ends = 0;
        for (std::size_t at = part.find("END:VEVENT"); at != std::string::npos;
             at = part.find("END:VEVENT", at + 1)) {
            ++ends;
        }
        for (std::size_t at = part.find("END:VTODO"); at != std::string::npos;
             at = part.find("END:VTODO", at + 1)) {
            ++ends;
        }
        ASSERT_EQ(read.entries.size(), ends) << part;
        wholeAtCut = std::max(wholeAtCut, read.entries.size());
    }
    EXPECT_EQ(wholeAtCut, sampleEntries().size());
    // Cut inside a line too.
    const std::string half = good.substr(0, good.find("Standup") + 3);
    const EntriesRead cut = entriesFromICalendar(half);
    EXPECT_EQ(cut.entries.size(), 2u);
    EXPECT_EQ(cut.notes.skipped.back().reason, "the file ends inside an entry");

    // Folding lost (continuation without its space), dates that are no dates, a huge line.
    const std::string bad =
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:f1\r\nSUMMARY:Folded\r\nwrong\r\n"
        "DTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:f2\r\nSUMMARY:Bad date\r\nDTSTART:20271345T250000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:f3\r\nSUMMARY:Year zero\r\nDTSTART;VALUE=DATE:00000101\r\n"
        "END:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:f4\r\nSUMMARY:" +
        std::string(5'000'000, 'x') +
        "\r\nDTSTART;VALUE=DATE:20270102\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const EntriesRead read = entriesFromICalendar(bad);
    for (const ReadEntry& item : read.entries) {
        EXPECT_LE(item.entry.comment.size(), kCommentWidth);
        EXPECT_TRUE(isCivilDay(item.entry.dateFrom));
    }
    ASSERT_GE(read.entries.size(), 2u);
    EXPECT_EQ(read.entries.front().uid, "f1");
    EXPECT_EQ(read.entries.back().uid, "f4");
    EXPECT_EQ(read.entries.back().entry.comment, std::string(30, 'x'));
    EXPECT_TRUE(hasReason(read.notes.skipped, "no start date"));

    const std::string cards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + std::string(3'000'000, 'y') +
                              "\r\nNOTE:x\r\nbroken fold\r\nEND:VCARD\r\n" +
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Half\r\nNOTE:cut he";
    const ContactsRead contacts = contactsFromVCard(cards);
    ASSERT_EQ(contacts.contacts.size(), 1u);
    EXPECT_EQ(contacts.contacts[0].name, std::string(30, 'y'));
    EXPECT_EQ(contacts.notes.skipped.back().reason, "the file ends inside a card");
}

} // namespace
} // namespace trevik::test
