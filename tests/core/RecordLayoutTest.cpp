// The three record files, byte for byte against layouts written out by hand.
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "storage/TypeSet.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace trevik;
using trevik::test::TempDir;

namespace {

using Bytes = std::vector<unsigned char>;

void put(Bytes& record, std::size_t offset, std::initializer_list<unsigned char> bytes) {
    std::copy(bytes.begin(), bytes.end(), record.begin() + std::ptrdiff_t(offset));
}

void put(Bytes& record, std::size_t offset, const char* text) {
    for (std::size_t i = 0; text[i] != '\0'; ++i) {
        record[offset + i] = static_cast<unsigned char>(text[i]);
    }
}

} // namespace

TEST(RecordLayout, ContactIsStoredAtItsOffsets) {
    TempDir dir;
    {
        AddrSet set(dir.path());
        EXPECT_FALSE(set.Open());
        set.NewRecord();
        set.id = 7;
        set.created = 45000.5;
        set.originUid = 0x01020304;
        set.updated = 45000.25;
        set.name = "Ann";
        set.home = "123";
        set.work = "W";
        set.fax = "F";
        set.mobile = "M";
        set.email = "a@b";
        set.www = "w.org";
        set.address = "1 Road\r\nTown";
        set.misc = "misc";
        set.Write();
        EXPECT_EQ(set.lastError(), "");
    }
    Bytes expected(360, 0);
    put(expected, 4, {0x07, 0x00, 0x00, 0x00});
    put(expected, 8, {0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40});
    put(expected, 16, {0x04, 0x03, 0x02, 0x01});
    put(expected, 20, {0x00, 0x00, 0x00, 0x00, 0x08, 0xF9, 0xE5, 0x40});
    put(expected, 28, "Ann");
    put(expected, 58, "123");
    put(expected, 88, "W");
    put(expected, 118, "F");
    put(expected, 148, "M");
    put(expected, 178, "a@b");
    put(expected, 208, "w.org");
    put(expected, 258, "1 Road\r\nTown");
    put(expected, 308, "misc");
    EXPECT_EQ(test::readBytes(dir / "ADDRESS.TVD"), expected);
}

TEST(RecordLayout, CalendarEntryIsStoredAtItsOffsets) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    CalendarEntry entry;
    entry.addressLink = 3;
    entry.comment = "Dentist";
    entry.type = 2;
    entry.dateFrom = 46000;
    entry.dateTo = -1;
    entry.timeFrom = 0.375;
    entry.timeTo = 0.5;
    entry.alarm = 0.75;
    entry.fileLink = "/x.txt";
    entry.repeat = kRepeatWeekly;
    const RecordResult added = addEntry(dir.path(), entry, clock, 0x0A0B0C0D);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.id, 1);

    Bytes expected(164, 0);
    put(expected, 4, {0x01, 0x00, 0x00, 0x00});
    put(expected, 8, {0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40}); // created 45000.5
    put(expected, 16, {0x0D, 0x0C, 0x0B, 0x0A});
    put(expected, 20, {0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40}); // updated, whole seconds
    put(expected, 28, {0x03, 0x00, 0x00, 0x00});
    put(expected, 32, "Dentist");
    put(expected, 62, {0x02, 0x00});
    put(expected, 64, {0xB0, 0xB3, 0x00, 0x00}); // 46000
    put(expected, 68, {0xFF, 0xFF, 0xFF, 0xFF});
    put(expected, 72, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD8, 0x3F});
    put(expected, 80, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F});
    put(expected, 88, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x3F});
    put(expected, 97, "/x.txt");
    put(expected, 162, {0x02, 0x00});
    EXPECT_EQ(test::readBytes(dir / "CALENDAR.TVD"), expected);
}

TEST(RecordLayout, EntryWithOnlyACommentStoresNoneMarkers) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    CalendarEntry entry;
    entry.comment = "Just a note";
    ASSERT_TRUE(addEntry(dir.path(), entry, clock, 1).ok());
    const Bytes bytes = test::readBytes(dir / "CALENDAR.TVD");
    ASSERT_EQ(bytes.size(), 164u);
    const Bytes minusOneInt = {0xFF, 0xFF, 0xFF, 0xFF};
    const Bytes minusOneDouble = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0xBF};
    EXPECT_EQ(Bytes(bytes.begin() + 28, bytes.begin() + 32), minusOneInt);         // no contact
    EXPECT_EQ(Bytes(bytes.begin() + 62, bytes.begin() + 64), Bytes({0xFF, 0xFF})); // no type
    EXPECT_EQ(Bytes(bytes.begin() + 64, bytes.begin() + 68), minusOneInt);
    EXPECT_EQ(Bytes(bytes.begin() + 68, bytes.begin() + 72), minusOneInt);
    for (std::size_t offset : {72u, 80u, 88u}) {
        EXPECT_EQ(Bytes(bytes.begin() + offset, bytes.begin() + offset + 8), minusOneDouble)
            << "time at offset " << offset;
    }
}

TEST(RecordLayout, TypeIsStoredAsCodeAndName) {
    TempDir dir;
    ASSERT_EQ(addType(dir.path(), "Birthday").id, 1);
    ASSERT_EQ(addType(dir.path(), "Work").id, 2);
    Bytes expected(64, 0);
    put(expected, 0, {0x01, 0x00});
    put(expected, 2, "Birthday");
    put(expected, 32, {0x02, 0x00});
    // The second record starts from the buffer the code scan left behind: only the bytes up
    // to the name's terminator are significant.
    const Bytes bytes = test::readBytes(dir / "TYPE.TVD");
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 32),
              Bytes(expected.begin(), expected.begin() + 32));
    EXPECT_EQ(Bytes(bytes.begin() + 32, bytes.begin() + 39),
              Bytes({0x02, 0x00, 'W', 'o', 'r', 'k', 0x00}));
}

TEST(RecordLayout, FullWidthTextsHaveNoTerminatorAndReadBackWhole) {
    TempDir dir;
    const std::string thirty(30, 'N');
    const std::string fifty(50, 'w');
    {
        AddrSet set(dir.path());
        set.Open();
        set.NewRecord();
        set.id = 1;
        set.name = thirty;
        set.home = "after name";
        set.www = fifty;
        set.misc = std::string(52, 'm');
        set.Write();
    }
    const Bytes bytes = test::readBytes(dir / "ADDRESS.TVD");
    EXPECT_EQ(bytes[57], 'N');
    EXPECT_EQ(bytes[58], 'a'); // the next field follows with no terminator between
    AddrSet set(dir.path());
    set.Open();
    set.First();
    EXPECT_EQ(set.name, thirty);
    EXPECT_EQ(set.home, "after name");
    EXPECT_EQ(set.www, fifty);
    EXPECT_EQ(set.misc, std::string(52, 'm'));

    ASSERT_TRUE(addType(dir.path(), thirty).ok());
    TypeSet types(dir.path());
    types.Open();
    types.First();
    EXPECT_EQ(types.name, thirty);
}

TEST(RecordLayout, TooLongTextsAreCutAtTheFieldWidth) {
    TempDir dir;
    ASSERT_TRUE(addType(dir.path(), std::string(40, 'x')).ok());
    EXPECT_EQ(test::readBytes(dir / "TYPE.TVD").size(), 32u);
    EXPECT_EQ(listTypes(dir.path()).at(0).name, std::string(30, 'x'));
}

TEST(RecordLayout, ReservedAndFlagBytesAreCarriedOverOnChange) {
    TempDir dir;
    std::string record(164, '\0');
    record[0] = '\x11';
    record[3] = '\x44';
    record[4] = 1; // id 1
    record[96] = '\x5A';
    test::writeBytes(dir / "CALENDAR.TVD", record);
    test::FixedClock clock(45000.5);
    auto entry = loadEntry(dir.path(), 1);
    ASSERT_TRUE(entry.has_value());
    entry->comment = "changed";
    ASSERT_TRUE(changeEntry(dir.path(), *entry, clock).ok());
    const Bytes bytes = test::readBytes(dir / "CALENDAR.TVD");
    EXPECT_EQ(bytes[0], 0x11);
    EXPECT_EQ(bytes[3], 0x44);
    EXPECT_EQ(bytes[96], 0x5A);
    EXPECT_EQ(loadEntry(dir.path(), 1)->comment, "changed");
}

TEST(RecordCodecs, DecodingWhatWasEncodedGivesTheRecordBackAndUnusedBytesStay) {
    Contact contact;
    contact.id = 12;
    contact.created = 46000.25;
    contact.originUid = 1765100000;
    contact.updated = 46001.5;
    for (const ContactTextField& field : kContactTexts) {
        contact.*field.member = std::string(field.width, field.key[0]); // each field full
    }
    Bytes record(kContactRecordSize, 0xAB);
    encodeContact(contact, record.data());
    EXPECT_EQ(record[0], 0xAB); // the four leading bytes are not the codec's
    const Contact back = decodeContact(record.data());
    for (const ContactTextField& field : kContactTexts) {
        EXPECT_EQ(back.*field.member, contact.*field.member) << field.key;
    }
    EXPECT_EQ(back.id, 12);
    EXPECT_EQ(back.originUid, 1765100000);
    EXPECT_EQ(back.updated, 46001.5);

    CalendarEntry entry;
    entry.id = 7;
    entry.comment = std::string(kCommentWidth, 'c');
    entry.fileLink = std::string(kFileLinkWidth, 'f');
    entry.dateFrom = 46000;
    entry.dateTo = 46003;
    entry.timeFrom = 0.375;
    entry.alarm = 0.25;
    entry.type = 3;
    entry.repeat = kRepeatWeekly;
    entry.flag = 0x5A;
    entry.addressLink = 12;
    Bytes calendar(kCalendarRecordSize, 0xCD);
    encodeCalendarEntry(entry, calendar.data());
    const CalendarEntry again = decodeCalendarEntry(calendar.data());
    EXPECT_EQ(again.comment, entry.comment);
    EXPECT_EQ(again.fileLink, entry.fileLink);
    EXPECT_EQ(again.dateTo, 46003);
    EXPECT_EQ(again.timeFrom, 0.375);
    EXPECT_EQ(again.timeTo, entry.timeTo);
    EXPECT_EQ(again.repeat, kRepeatWeekly);
    EXPECT_EQ(again.flag, 0x5A);
    EXPECT_EQ(again.addressLink, 12);
    EXPECT_EQ(calendar[0], 0xCD);
}
