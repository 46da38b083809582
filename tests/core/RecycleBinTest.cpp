// The recycle bin: what every deletion that goes through it leaves there, byte by byte, the
// deletions that do not, a bin that cannot be written, and damaged bins.
#include "exchange/RecycleBin.h"
#include "address/AddressDeletion.h"
#include "calendar/OutdatedEntries.h"
#include "common/LittleEndian.h"
#include "exchange/BinRestore.h"
#include "storage/EntryRecords.h"
#include "storage/FileError.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace trevik;
using namespace trevik::test;

namespace {

std::vector<unsigned char> binBytes(const TempDir& dir) {
    return readBytes(dir / kRecycleBinName);
}

std::int32_t int32At(const std::vector<unsigned char>& bytes, std::size_t offset) {
    return loadLE<std::int32_t>(bytes.data() + offset);
}

} // namespace

TEST(RecycleBin, TheFirstDeletionMakesTheFileWithOneTaggedEntry) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 45000.5, 11, 45001.25, 7)});
    ASSERT_TRUE(deleteAddress(dir.path(), 7).result.ok());
    const auto bytes = binBytes(dir);
    ASSERT_EQ(bytes.size(), 8u + 361u);
    EXPECT_EQ(int32At(bytes, 0), 1);
    EXPECT_EQ(int32At(bytes, 4), 0);
    EXPECT_EQ(bytes[8], 'A');
    const Contact kept = decodeContact(bytes.data() + 9);
    EXPECT_EQ(kept.id, -1);
    EXPECT_EQ(kept.name, "Ann");
    EXPECT_EQ(kept.misc, "Ann misc");
    EXPECT_EQ(kept.created, 45000.5);
    EXPECT_EQ(kept.originUid, 11);
    EXPECT_EQ(kept.updated, 45001.25);
    EXPECT_TRUE(contactsIn(dir.path()).empty());
}

TEST(RecycleBin, ContactEntryContactGivesTwoOneAndTheTagsInDeletionOrder) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 1, 11, 2, 1), contactOf("Bob", 3, 11, 4, 2)});
    CalendarEntry linked = entryOf("Dentist", 5, 11, 6, 1);
    linked.addressLink = 2;
    linked.flag = 9;
    linked.fileLink = "/home/me/x.odt";
    linked.alarm = 0.25;
    appendEntries(dir.path(), {linked});
    ASSERT_TRUE(deleteAddress(dir.path(), 1).result.ok());
    ASSERT_TRUE(deleteEntry(dir.path(), 1).ok());
    ASSERT_TRUE(deleteAddress(dir.path(), 2).result.ok());
    const auto bytes = binBytes(dir);
    ASSERT_EQ(bytes.size(), 8u + 2 * 361u + 165u);
    EXPECT_EQ(int32At(bytes, 0), 2);
    EXPECT_EQ(int32At(bytes, 4), 1);
    EXPECT_EQ(bytes[8], 'A');
    EXPECT_EQ(bytes[8 + 361], 'B');
    EXPECT_EQ(bytes[8 + 361 + 165], 'A');
    const CalendarEntry kept = decodeCalendarEntry(bytes.data() + 8 + 361 + 1);
    EXPECT_EQ(kept.id, -1);
    EXPECT_EQ(kept.addressLink, -1);
    EXPECT_EQ(kept.comment, "Dentist");
    EXPECT_EQ(kept.flag, 9);
    EXPECT_EQ(kept.fileLink, "/home/me/x.odt");
    EXPECT_EQ(kept.alarm, 0.25);
    EXPECT_EQ(kept.created, 5);

    const RecycleBin bin = readRecycleBin(dir.path());
    ASSERT_EQ(bin.entries.size(), 3u);
    EXPECT_FALSE(bin.damaged);
    EXPECT_EQ(bin.entries[0].contact.name, "Ann");
    EXPECT_EQ(bin.entries[1].entry.comment, "Dentist");
    EXPECT_EQ(bin.entries[2].contact.name, "Bob");

    ASSERT_EQ(EmptyRecycleBin(dir.path()), "");
    EXPECT_EQ(binBytes(dir), std::vector<unsigned char>(8, 0));
    EXPECT_TRUE(readRecycleBin(dir.path()).entries.empty());
}

TEST(RecycleBin, ARecordDeletedRestoredAndDeletedAgainIsThereTwice) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 1, 11, 2, 1)});
    ASSERT_TRUE(deleteAddress(dir.path(), 1).result.ok());
    const RestoreResult restored =
        restoreFromBin(dir.path(), readRecycleBin(dir.path()).entries[0]);
    ASSERT_TRUE(restored.record.ok()) << restored.record.error;
    EXPECT_FALSE(restored.alreadyHere);
    // A second restore of the same copy adds nothing.
    EXPECT_TRUE(restoreFromBin(dir.path(), readRecycleBin(dir.path()).entries[0]).alreadyHere);
    ASSERT_EQ(contactsIn(dir.path()).size(), 1u);
    ASSERT_TRUE(deleteAddress(dir.path(), contactsIn(dir.path())[0].id).result.ok());
    const RecycleBin bin = readRecycleBin(dir.path());
    EXPECT_EQ(bin.header.addressCount, 2);
    ASSERT_EQ(bin.entries.size(), 2u);
    EXPECT_EQ(bin.entries[1].contact.created, 1);
}

TEST(RecycleBin, CutAndThePlannerDeleteWithoutACopyAndOutdatedEntriesGoThrough) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 1, 11, 2, 1)});
    appendEntries(dir.path(), {entryOf("planner item", 3, 11, 4, 1)});
    ASSERT_TRUE(deleteAddress(dir.path(), 1, BinCopy::NoCopy).result.ok());
    ASSERT_TRUE(deleteEntry(dir.path(), 1, BinCopy::NoCopy).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / kRecycleBinName));

    CalendarEntry old = entryOf("old", 5, 11, 6, 2);
    old.dateFrom = 46000;
    CalendarEntry older = entryOf("older", 7, 11, 8, 3);
    older.dateFrom = 45000;
    CalendarEntry repeating = entryOf("weekly", 9, 11, 10, 4);
    repeating.dateFrom = 45000;
    repeating.repeat = kRepeatWeekly;
    appendEntries(dir.path(), {old, repeating, older});
    std::string error;
    EXPECT_EQ(DeleteOutdatedEntries(dir.path(), 46363, &error), 2);
    EXPECT_EQ(error, "");
    const RecycleBin bin = readRecycleBin(dir.path());
    ASSERT_EQ(bin.entries.size(), 2u);
    EXPECT_EQ(bin.header.calendarCount, 2);
    EXPECT_EQ(bin.entries[0].entry.comment, "old");
    EXPECT_EQ(bin.entries[1].entry.comment, "older");
    EXPECT_EQ(entriesIn(dir.path()).size(), 1u);
}

TEST(RecycleBin, ABinThatCannotBeWrittenDoesNotStopTheDeletionButSaysSo) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 1, 11, 2, 1)});
    CalendarEntry old = entryOf("old", 3, 11, 4, 1);
    old.dateFrom = 46000;
    appendEntries(dir.path(), {old, entryOf("other", 5, 11, 6, 2)});
    // A directory where the bin should be: neither read nor written, also for root.
    std::filesystem::create_directory(dir / kRecycleBinName);
    const RecordResult contact = deleteAddress(dir.path(), 1).result;
    EXPECT_TRUE(contact.found);
    EXPECT_NE(contact.error.find("could not be kept in the recycle bin"), std::string::npos)
        << contact.error;
    EXPECT_NE(contact.error.find(kRecycleBinName), std::string::npos) << contact.error;
    EXPECT_TRUE(contactsIn(dir.path()).empty());
    const RecordResult entry = deleteEntry(dir.path(), 2);
    EXPECT_NE(entry.error.find("could not be kept in the recycle bin"), std::string::npos);
    std::string error;
    EXPECT_EQ(DeleteOutdatedEntries(dir.path(), 46363, &error), 1);
    EXPECT_NE(error.find("could not be kept in the recycle bin"), std::string::npos) << error;
    EXPECT_TRUE(entriesIn(dir.path()).empty());
}

TEST(RecycleBin, DamagedBinsAreReadToTheLastWholeEntryAndMendedByTheNextAppend) {
    const std::string contact = encodeBinEntry(BinEntry::of(contactOf("Ann", 1, 11, 2, 1)));
    const std::string entry = encodeBinEntry(BinEntry::of(entryOf("e", 3, 11, 4, 1)));
    const auto header = [](std::int32_t a, std::int32_t c) {
        std::string bytes(8, '\0');
        storeLE(reinterpret_cast<std::uint8_t*>(bytes.data()), a);
        storeLE(reinterpret_cast<std::uint8_t*>(bytes.data()) + 4, c);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t whole;
    };
    const Case cases[] = {
        {"counts beyond the entries", header(5, 5) + contact + entry, 2},
        {"a cut entry", header(1, 1) + contact + entry.substr(0, 100), 1},
        {"an unknown tag", header(2, 1) + contact + "C" + entry.substr(1) + contact, 1},
        {"negative counts", header(-1, -5) + contact, 0},
        {"huge counts", header(0x7fffffff, 0x7fffffff) + entry, 1},
        {"no header", "\x01\x02\x03", 0},
        {"entries beyond the counts", header(1, 0) + contact + entry, 1},
    };
    for (const Case& c : cases) {
        const RecycleBin bin = parseRecycleBin(c.bytes);
        EXPECT_EQ(bin.entries.size(), c.whole) << c.what;
        EXPECT_TRUE(bin.damaged) << c.what;

        TempDir dir;
        writeBytes(dir / kRecycleBinName, c.bytes);
        ASSERT_EQ(AddCalendarEntryToBin(dir.path(), entryOf("new", 9, 11, 9, 5)), "") << c.what;
        const RecycleBin mended = readRecycleBin(dir.path());
        EXPECT_FALSE(mended.damaged) << c.what;
        ASSERT_FALSE(mended.entries.empty()) << c.what;
        EXPECT_EQ(mended.entries.back().entry.comment, "new") << c.what;
        EXPECT_EQ(mended.header.addressCount + mended.header.calendarCount,
                  std::int32_t(mended.entries.size()))
            << c.what;
    }
}

TEST(RecycleBin, AnUnreadableBinIsAnErrorForItsReaders) {
    TempDir dir;
    appendContacts(dir.path(), {contactOf("Ann", 1, 11, 2, 1)});
    ASSERT_TRUE(deleteAddress(dir.path(), 1).result.ok());
    ::chmod((dir / kRecycleBinName).c_str(), 0);
    const int status = runUnprivileged([&] {
        try {
            readRecycleBin(dir.path());
            return 1;
        } catch (const FileError& error) {
            return std::string(error.what()).find(kRecycleBinName) != std::string::npos ? 0 : 2;
        }
    });
    EXPECT_EQ(status, 0);
}
