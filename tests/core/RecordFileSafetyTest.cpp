// What the record files do when the disk, the permissions, links or another program get in the
// way: nothing stored is lost or shifted, and every failure names the file and its reason.
#include "address/AddressDeletion.h"
#include "address/AddressList.h"
#include "calendar/CalendarView.h"
#include "common/Locale.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/FileError.h"
#include "storage/FileLock.h"
#include "storage/SafeSave.h"
#include "storage/TypeRecords.h"
#include "storage/TypeSet.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

const test::FixedClock testClock{45000.5};

CalendarEntry entryNamed(const std::string& comment) {
    CalendarEntry entry;
    entry.comment = comment;
    entry.dateFrom = 46000;
    return entry;
}

Contact contactNamed(const std::string& name) {
    Contact contact;
    contact.name = name;
    return contact;
}

std::vector<std::string> comments(const std::filesystem::path& dir) {
    std::vector<std::string> out;
    forEachEntry(dir, [&](const CalendarEntry& entry) { out.push_back(entry.comment); });
    return out;
}

std::vector<std::int32_t> ids(const std::filesystem::path& dir) {
    std::vector<std::int32_t> out;
    forEachEntry(dir, [&](const CalendarEntry& entry) { out.push_back(entry.id); });
    return out;
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Caps the size of every file this process writes, so that a write past it stops part-way
// with EFBIG, as on a full disk.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit cap = saved_;
        cap.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &cap);
    }
    ~FileSizeCap() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// Holds an exclusive lock on a file, as another program working on it would.
class HeldLock {
public:
    explicit HeldLock(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT, 0600)) {
        ::flock(fd_, LOCK_EX);
    }
    ~HeldLock() { ::close(fd_); }

private:
    int fd_;
};

class ShortLockWait {
public:
    ShortLockWait() { setLockWait(std::chrono::milliseconds(100)); }
    ~ShortLockWait() { setLockWait(kLockWait); }
};

} // namespace

TEST(FailedWrites, AnAppendCutShortIsTakenBackAndTheNextLandsInPlace) {
    TempDir dir;
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("one"), testClock, 7).ok());
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("two"), testClock, 7).ok());
    {
        // Room for 100 more bytes: the third record is cut short.
        const FileSizeCap cap(2 * CalSet::kRecordSize + 100);
        const RecordResult failed = addEntry(dir.path(), entryNamed("three"), testClock, 7);
        EXPECT_FALSE(failed.ok());
        EXPECT_NE(failed.error.find("CALENDAR.TVD"), std::string::npos) << failed.error;
        EXPECT_NE(failed.error.find("File too large"), std::string::npos) << failed.error;
    }
    EXPECT_EQ(std::filesystem::file_size(dir / "CALENDAR.TVD"), 2u * CalSet::kRecordSize);
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("four"), testClock, 7).ok());
    EXPECT_EQ(comments(dir.path()), (std::vector<std::string>{"one", "two", "four"}));
    EXPECT_EQ(ids(dir.path()), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(FailedWrites, AFullDiskNeverLeavesAPartialRecord) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small filesystem needs root; the size-cap test covers it";
    }
    TempDir dir;
    const std::filesystem::path mountPoint = dir / "small";
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=8k") != 0) {
        GTEST_SKIP() << "this machine cannot mount a tmpfs; the size-cap test covers it";
    }
    test::writeBytes(mountPoint / "filler", std::string(2048, 'f'));
    std::vector<std::string> stored;
    RecordResult result;
    for (int i = 0; i < 200; ++i) {
        const std::string comment = "entry " + std::to_string(i);
        result = addEntry(mountPoint, entryNamed(comment), testClock, 7);
        if (!result.ok()) {
            break;
        }
        stored.push_back(comment);
    }
    EXPECT_FALSE(result.ok()) << "8 KiB should have filled up";
    EXPECT_NE(result.error.find("No space left on device"), std::string::npos) << result.error;
    EXPECT_EQ(std::filesystem::file_size(mountPoint / "CALENDAR.TVD") % CalSet::kRecordSize, 0u);
    EXPECT_EQ(comments(mountPoint), stored);
    // A delete needs room for the rewritten copy: it fails and keeps every record.
    const RecordResult deleted = deleteEntry(mountPoint, 1);
    EXPECT_FALSE(deleted.ok());
    EXPECT_NE(deleted.error.find("No space left on device"), std::string::npos) << deleted.error;
    EXPECT_EQ(comments(mountPoint), stored);
    // Space freed elsewhere: the next entry goes right after the last whole one.
    std::filesystem::remove(mountPoint / "filler");
    ASSERT_TRUE(addEntry(mountPoint, entryNamed("after"), testClock, 7).ok());
    stored.push_back("after");
    EXPECT_EQ(comments(mountPoint), stored);
    ::umount(mountPoint.c_str());
}

TEST(FailedReads, AFileThatCannotBeReadIsAnErrorNeverAnEmptyDiary) {
    TempDir dir;
    std::filesystem::create_directory(dir / "CALENDAR.TVD");
    std::filesystem::create_directory(dir / "TYPE.TVD");
    std::filesystem::create_directory(dir / "ADDRESS.TVD");
    const test::FixedClock at{46000.0};
    const EnglishLocale locale;
    CalendarRowList rows;
    try {
        BuildCalendarView(rows, dir.path(), 46000, ViewContext{}, 400, locale);
        FAIL() << "the view was built from a file that cannot be read";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("TYPE.TVD"), std::string::npos);
        EXPECT_EQ(error.reason(), "Is a directory");
    }
    EXPECT_THROW(comments(dir.path()), FileError);
    EXPECT_THROW(listTypes(dir.path()), FileError);
    EXPECT_THROW(listContacts(dir.path(), ""), FileError);
    ContactBook book;
    EXPECT_THROW(readAddressFile(book, dir.path(), at, 7), FileError);
    EXPECT_THROW(loadEntry(dir.path(), 1), FileError);
    EXPECT_THROW(loadContact(dir.path(), 1), FileError);
}

TEST(FailedReads, AFileHeldByAnotherProgramIsReportedAsSuchToReadersAndWriters) {
    TempDir dir;
    ASSERT_TRUE(addContact(dir.path(), contactNamed("Ida"), testClock, 7).ok());
    const ShortLockWait shortWait;
    const HeldLock held(dir / "ADDRESS.TVD");
    try {
        listContacts(dir.path(), "");
        FAIL() << "a held file was read as empty";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "is in use by another program");
    }
    // A delete must not say the contact is not there when it could not look.
    const RecordResult deleted = deleteAddress(dir.path(), 1).result;
    EXPECT_NE(deleted.error.find("is in use by another program"), std::string::npos)
        << deleted.error;
    const RecordResult added = addContact(dir.path(), contactNamed("Jo"), testClock, 7);
    EXPECT_NE(added.error.find("is in use by another program"), std::string::npos) << added.error;
    AddrSet set(dir.path());
    set.Open();
    set.NewRecord();
    set.Write();
    EXPECT_NE(set.lastError().find("is in use by another program"), std::string::npos)
        << set.lastError();
}

TEST(FailedReads, AReadOnlyFileIsReadAndAWriteToItSaysPermissionDenied) {
    TempDir dir;
    ASSERT_TRUE(addType(dir.path(), "Work").ok());
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(dir / "TYPE.TVD", std::filesystem::perms(0444));
    const int outcome = test::runUnprivileged([&] {
        const std::vector<EntryType> types = listTypes(dir.path());
        if (types.size() != 1 || types[0].name != "Work") {
            return 1;
        }
        const RecordResult added = addType(dir.path(), "Home");
        if (added.ok() || added.error.find("Permission denied") == std::string::npos) {
            return 2;
        }
        return listTypes(dir.path()).size() == 1 ? 0 : 3;
    });
    EXPECT_EQ(outcome, 0);
}

TEST(FailedReads, AFileWithNoReadPermissionIsAnError) {
    TempDir dir;
    ASSERT_TRUE(addType(dir.path(), "Work").ok());
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(dir / "TYPE.TVD", std::filesystem::perms(0));
    const int outcome = test::runUnprivileged([&] {
        try {
            listTypes(dir.path());
            return 1;
        } catch (const FileError& error) {
            return error.reason() == "Permission denied" ? 0 : 2;
        }
    });
    EXPECT_EQ(outcome, 0);
}

TEST(Links, ADanglingLinkIsAnErrorAndNeverASpin) {
    TempDir dir;
    std::filesystem::create_symlink(dir / "gone" / "CALENDAR.TVD", dir / "CALENDAR.TVD");
    try {
        comments(dir.path());
        FAIL() << "a dangling link was read as an empty file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "is a symbolic link to a file that does not exist");
    }
    const RecordResult added = addEntry(dir.path(), entryNamed("x"), testClock, 7);
    EXPECT_NE(added.error.find("symbolic link to a file that does not exist"), std::string::npos)
        << added.error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "CALENDAR.TVD"));
}

TEST(Links, ADanglingLinkAsTheRewriteFileStopsADeleteAndKeepsTheRecords) {
    TempDir dir;
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("a"), testClock, 7).ok());
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("b"), testClock, 7).ok());
    std::filesystem::create_symlink(dir / "nowhere", dir / "$$$.$$$");
    const RecordResult deleted = deleteEntry(dir.path(), 1);
    EXPECT_FALSE(deleted.ok());
    EXPECT_NE(deleted.error.find("$$$.$$$"), std::string::npos) << deleted.error;
    EXPECT_EQ(comments(dir.path()), (std::vector<std::string>{"a", "b"}));
}

TEST(Links, ARewriteKeepsTheLinkAndReplacesItsTarget) {
    TempDir dir;
    const std::filesystem::path synced = dir / "synced";
    std::filesystem::create_directory(synced);
    std::filesystem::create_directory(dir / "data");
    test::writeBytes(synced / "CALENDAR.TVD", "");
    std::filesystem::create_symlink(synced / "CALENDAR.TVD", dir / "data" / "CALENDAR.TVD");
    ASSERT_TRUE(addEntry(dir / "data", entryNamed("a"), testClock, 7).ok());
    ASSERT_TRUE(addEntry(dir / "data", entryNamed("b"), testClock, 7).ok());
    ASSERT_TRUE(deleteEntry(dir / "data", 1).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "data" / "CALENDAR.TVD"));
    EXPECT_EQ(comments(synced), std::vector<std::string>{"b"});
    EXPECT_FALSE(std::filesystem::exists(dir / "data" / "$$$.$$$"));
    EXPECT_FALSE(std::filesystem::exists(synced / "$$$.$$$"));
}

TEST(Modes, NewFilesArePrivateAndARewriteKeepsTheMode) {
    TempDir dir;
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("a"), testClock, 7).ok());
    EXPECT_EQ(modeOf(dir / "CALENDAR.TVD"), 0600u);
    ASSERT_TRUE(addEntry(dir.path(), entryNamed("b"), testClock, 7).ok());
    std::filesystem::permissions(dir / "CALENDAR.TVD", std::filesystem::perms(0640));
    ASSERT_TRUE(deleteEntry(dir.path(), 1).ok());
    EXPECT_EQ(modeOf(dir / "CALENDAR.TVD"), 0640u);
}

TEST(Limits, IdsAndTypeCodesNeverWrap) {
    TempDir dir;
    {
        AddrSet set(dir.path());
        set.Open();
        set.NewRecord();
        set.id = std::numeric_limits<std::int32_t>::max();
        set.name = "Last";
        set.Write();
    }
    const RecordResult contact = addContact(dir.path(), contactNamed("Over"), testClock, 7);
    EXPECT_FALSE(contact.ok());
    EXPECT_NE(contact.error.find("2147483647"), std::string::npos) << contact.error;
    EXPECT_EQ(listContacts(dir.path(), "").size(), 1u);

    {
        TypeSet set(dir.path());
        set.Open();
        set.NewRecord();
        set.code = std::numeric_limits<std::int16_t>::max();
        set.name = "Last";
        set.Write();
    }
    const RecordResult type = addType(dir.path(), "Over");
    EXPECT_FALSE(type.ok());
    EXPECT_NE(type.error.find("32767"), std::string::npos) << type.error;
    EXPECT_EQ(listTypes(dir.path()).size(), 1u);
}

TEST(Leftovers, AStaleRewriteFileIsRemovedButOneBeingWrittenStays) {
    TempDir dir;
    test::writeBytes(dir / "$$$.$$$", "half a rewrite");
    removeStaleTemporary(dir / "$$$.$$$");
    EXPECT_FALSE(std::filesystem::exists(dir / "$$$.$$$"));

    test::writeBytes(dir / "$$$.$$$", "being written");
    {
        const HeldLock writer(dir / "$$$.$$$");
        removeStaleTemporary(dir / "$$$.$$$");
        EXPECT_TRUE(std::filesystem::exists(dir / "$$$.$$$"));
    }
}

TEST(Leftovers, AUniqueTemporaryOfAnInterruptedSaveGoesAtTheNextSave) {
    TempDir dir;
    test::writeBytes(dir / "Trevik.Ini.a1B2c3", "[Startup]\n");
    test::writeBytes(dir / "Trevik.Ini.keep", "not ours");
    ASSERT_EQ(saveSafely(dir / "Trevik.Ini", "[Startup]\nUID=5\n"), "");
    removeStaleTemporaries(dir / "Trevik.Ini");
    EXPECT_FALSE(std::filesystem::exists(dir / "Trevik.Ini.a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Trevik.Ini.keep"));
    EXPECT_EQ(test::readText(dir / "Trevik.Ini"), "[Startup]\nUID=5\n");
}
