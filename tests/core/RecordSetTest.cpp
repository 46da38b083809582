// Position, count and write semantics of the record file engine, seen through TypeSet
// (the smallest record) and AddrSet.
#include "storage/AddrSet.h"
#include "storage/ContactRecords.h"
#include "storage/TypeRecords.h"
#include "storage/TypeSet.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

void addTypes(const std::filesystem::path& dir, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        ASSERT_TRUE(addType(dir, name).ok());
    }
}

std::vector<std::string> names(const std::filesystem::path& dir) {
    std::vector<std::string> out;
    for (const EntryType& type : listTypes(dir)) {
        out.push_back(type.name);
    }
    return out;
}

} // namespace

TEST(RecordSet, OpeningAMissingFileCreatesItEmpty) {
    TempDir dir;
    TypeSet set(dir.path());
    EXPECT_FALSE(set.Open());
    EXPECT_TRUE(std::filesystem::exists(dir / "TYPE.TVD"));
    EXPECT_EQ(set.count(), 0);
    EXPECT_TRUE(set.NoCurrent());
    EXPECT_TRUE(set.AtEnd());
    set.Close();
    TypeSet again(dir.path());
    EXPECT_TRUE(again.Open());
}

TEST(RecordSet, AppendLeavesThePositionAlone) {
    TempDir dir;
    TypeSet set(dir.path());
    set.Open();
    set.NewRecord();
    set.code = 1;
    set.name = "one";
    set.Write();
    EXPECT_EQ(set.count(), 1);
    EXPECT_EQ(set.position(), 0);
    EXPECT_TRUE(set.NoCurrent());
    set.Write(); // a second write in append mode adds another record
    EXPECT_EQ(set.count(), 2);
    set.First();
    EXPECT_FALSE(set.NoCurrent());
    EXPECT_EQ(set.name, "one");
    EXPECT_EQ(set.position(), 1);
}

TEST(RecordSet, GoToOutsideTheFileChangesNothing) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b", "c"});
    TypeSet set(dir.path());
    set.Open();
    ASSERT_TRUE(set.GoTo(2));
    EXPECT_EQ(set.name, "b");
    EXPECT_FALSE(set.GoTo(0));
    EXPECT_FALSE(set.GoTo(4));
    EXPECT_FALSE(set.GoTo(-5));
    EXPECT_EQ(set.position(), 2);
    EXPECT_EQ(set.name, "b");
    ASSERT_TRUE(set.GoTo(3));
    EXPECT_EQ(set.name, "c");
}

TEST(RecordSet, AReadPastTheEndKeepsTheLastRecordLoaded) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b"});
    TypeSet set(dir.path());
    set.Open();
    set.First();
    set.Next();
    set.Next();
    EXPECT_TRUE(set.AtEnd());
    EXPECT_TRUE(set.NoCurrent());
    EXPECT_EQ(set.position(), 3);
    EXPECT_EQ(set.name, "b");
}

TEST(RecordSet, OverwriteChangesOnlyTheCurrentRecord) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b", "c"});
    ASSERT_TRUE(renameType(dir.path(), 2, "bee").ok());
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a", "bee", "c"}));
    EXPECT_FALSE(renameType(dir.path(), 9, "none").found);
}

TEST(RecordSet, TrailingPartialRecordIsNeverReadAndIsCutOffBeforeAnAppend) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b"});
    {
        std::ofstream out(dir / "TYPE.TVD", std::ios::binary | std::ios::app);
        out << "PARTIAL"; // 7 stray bytes
    }
    TypeSet set(dir.path());
    set.Open();
    EXPECT_EQ(set.count(), 2);
    std::vector<std::string> seen;
    set.First();
    while (!set.AtEnd()) {
        seen.push_back(set.name);
        set.Next();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
    set.NewRecord();
    set.code = 3;
    set.name = "c";
    set.Write();
    EXPECT_EQ(set.lastError(), "");
    EXPECT_EQ(set.count(), 3);
    set.Close();
    // The append lands right after the last whole record, so no record is shifted.
    const auto bytes = test::readBytes(dir / "TYPE.TVD");
    ASSERT_EQ(bytes.size(), 3u * 32u);
    EXPECT_EQ(bytes[64], 3);
    EXPECT_EQ(bytes[66], 'c');
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(RecordSet, DeleteRemovesFirstMiddleAndLastRecord) {
    for (const int victim : {1, 3, 5}) {
        TempDir dir;
        addTypes(dir.path(), {"a", "b", "c", "d", "e"});
        TypeSet set(dir.path());
        set.Open();
        set.Delete(victim);
        EXPECT_EQ(set.lastError(), "");
        EXPECT_TRUE(set.isOpen());
        EXPECT_EQ(set.count(), 4);
        EXPECT_EQ(set.position(), 1);
        set.Close();
        std::vector<std::string> expected{"a", "b", "c", "d", "e"};
        expected.erase(expected.begin() + (victim - 1));
        EXPECT_EQ(names(dir.path()), expected) << "deleting " << victim;
        EXPECT_EQ(test::readBytes(dir / "TYPE.TVD").size(), 4u * 32u);
    }
}

TEST(RecordSet, RecordsAfterADeletionMoveDownAndKeepTheirIds) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    for (const char* name : {"Ann", "Bob", "Cid"}) {
        Contact c;
        c.name = name;
        ASSERT_TRUE(addContact(dir.path(), c, clock, 1).ok());
    }
    AddrSet set(dir.path());
    set.Open();
    ASSERT_EQ(set.FindById(3), 3);
    set.Delete(2);
    EXPECT_EQ(set.FindById(3), 2);
    EXPECT_EQ(set.name, "Cid");
}

TEST(RecordSet, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    TempDir dir;
    addTypes(dir.path(), {"only"});
    TypeSet set(dir.path());
    set.Open();
    set.Delete(1);
    EXPECT_EQ(set.count(), 0);
    EXPECT_TRUE(set.NoCurrent());
    EXPECT_EQ(std::filesystem::file_size(dir / "TYPE.TVD"), 0u);
}

TEST(RecordSet, DeletingOutsideTheFileRewritesItUnchanged) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b"});
    const auto before = test::readBytes(dir / "TYPE.TVD");
    TypeSet set(dir.path());
    set.Open();
    set.Delete(7);
    set.Close();
    EXPECT_EQ(test::readBytes(dir / "TYPE.TVD"), before);
}

TEST(RecordSet, DeleteDropsATrailingPartialRecord) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b"});
    {
        std::ofstream out(dir / "TYPE.TVD", std::ios::binary | std::ios::app);
        out << "xyz";
    }
    TypeSet set(dir.path());
    set.Open();
    set.Delete(1);
    set.Close();
    EXPECT_EQ(test::readBytes(dir / "TYPE.TVD").size(), 32u);
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"b"});
}

namespace {

struct SimulatedCrash {};

// Dies at the worst moment of a deletion: the rewritten file is complete, the data file
// has not been replaced yet.
class CrashingTypeSet : public TypeSet {
public:
    using TypeSet::TypeSet;

protected:
    void BeforeReplace() override { throw SimulatedCrash{}; }
};

} // namespace

TEST(RecordSet, ACrashBeforeTheRenameLosesNoRecord) {
    TempDir dir;
    addTypes(dir.path(), {"a", "b", "c"});
    const auto before = test::readBytes(dir / "TYPE.TVD");
    try {
        CrashingTypeSet set(dir.path());
        set.Open();
        set.Delete(2);
        FAIL() << "the deletion should have crashed";
    } catch (const SimulatedCrash&) {
    }
    EXPECT_EQ(test::readBytes(dir / "TYPE.TVD"), before);
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(test::readBytes(dir / "$$$.$$$").size(), 64u);

    // The next deletion reuses the leftover temporary file and completes.
    TypeSet set(dir.path());
    set.Open();
    set.Delete(2);
    set.Close();
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "$$$.$$$"));
}

TEST(RecordSet, AFileThatCannotBeOpenedBehavesAsEmptyAndSaysWhy) {
    TempDir dir;
    std::filesystem::create_directory(dir / "TYPE.TVD"); // a directory cannot be opened as a file
    TypeSet set(dir.path());
    set.Open();
    EXPECT_EQ(set.count(), 0);
    EXPECT_FALSE(set.isOpen());
    EXPECT_NE(set.lastError(), "");
    set.NewRecord();
    set.Write();
    EXPECT_NE(set.lastError(), "");
    EXPECT_EQ(set.count(), 0);
}
