// The lookups of the three record files and the id and code rules built on them.
#include "address/AddressDeletion.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "storage/TypeSet.h"
#include "support/FixedClock.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trevik;
using trevik::test::TempDir;

TEST(ContactLookup, IdsStartAtOneAndAreLargestPlusOne) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    {
        AddrSet set(dir.path());
        set.Open();
        EXPECT_EQ(set.NextId(), 0);
    }
    EXPECT_EQ(addContact(dir.path(), test::contactRecord("a"), clock, 9).id, 1);
    EXPECT_EQ(addContact(dir.path(), test::contactRecord("b"), clock, 9).id, 2);
    EXPECT_EQ(addContact(dir.path(), test::contactRecord("c"), clock, 9).id, 3);
    ASSERT_TRUE(deleteAddress(dir.path(), 3).result.ok());
    EXPECT_EQ(addContact(dir.path(), test::contactRecord("d"), clock, 9).id, 3); // reused
    ASSERT_TRUE(deleteAddress(dir.path(), 1).result.ok());
    EXPECT_EQ(addContact(dir.path(), test::contactRecord("e"), clock, 9).id, 4);
}

TEST(ContactLookup, FindByIdLoadsTheRecordOrReturnsZero) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    addContact(dir.path(), test::contactRecord("Ann"), clock, 9);
    addContact(dir.path(), test::contactRecord("Bob"), clock, 9);
    {
        AddrSet set(dir.path());
        set.Open();
        EXPECT_EQ(set.FindById(2), 2);
        EXPECT_EQ(set.name, "Bob");
        EXPECT_EQ(set.FindById(1), 1);
        EXPECT_EQ(set.name, "Ann");
        EXPECT_EQ(set.FindById(5), 0);
    }
    EXPECT_FALSE(deleteAddress(dir.path(), 5).result.found);
    EXPECT_FALSE(loadContact(dir.path(), 5).has_value());
}

TEST(ContactLookup, FindByOriginNeedsTheExactStampAndUid) {
    TempDir dir;
    test::FixedClock clock(45000.123456789);
    addContact(dir.path(), test::contactRecord("Ann"), clock, 77);
    AddrSet set(dir.path());
    set.Open();
    EXPECT_EQ(set.FindByOrigin(45000.123456789, 77), 1);
    EXPECT_EQ(set.FindByOrigin(45000.123456789, 78), -1);
    EXPECT_EQ(set.FindByOrigin(std::nextafter(45000.123456789, 0.0), 77), -1);
}

TEST(ContactLookup, AddAndChangeStampTheRecord) {
    TempDir dir;
    test::FixedClock clock;
    clock.set({2024, 3, 1}, {10, 20, 30, 456});
    const RecordResult added = addContact(dir.path(), test::contactRecord("Ann"), clock, 4242);
    const Contact stored = *loadContact(dir.path(), added.id);
    EXPECT_EQ(stored.originUid, 4242);
    EXPECT_EQ(stored.created, encodeDateTime({2024, 3, 1}, {10, 20, 30, 456}));
    EXPECT_EQ(stored.updated, encodeDateTime({2024, 3, 1}, {10, 20, 30, 0}));

    clock.set({2024, 3, 2}, {8, 0, 0, 999});
    Contact changed = stored;
    changed.name = "Anne";
    changed.email = "anne@example.org";
    changed.created = 1; // identity cannot be changed through a change
    changed.originUid = 1;
    ASSERT_TRUE(changeContact(dir.path(), changed, clock).ok());
    const Contact after = *loadContact(dir.path(), added.id);
    EXPECT_EQ(after.name, "Anne");
    EXPECT_EQ(after.email, "anne@example.org");
    EXPECT_EQ(after.created, stored.created);
    EXPECT_EQ(after.originUid, 4242);
    EXPECT_EQ(after.updated, encodeDateTime({2024, 3, 2}, {8, 0, 0, 0}));
}

TEST(EntryLookup, NextIdIsTheLargestOfCountAndIds) {
    TempDir dir;
    {
        CalSet set(dir.path());
        set.Open();
        EXPECT_EQ(set.NextId(), 0);
        // Three records whose ids are all below the record count.
        for (int i = 0; i < 3; ++i) {
            set.NewRecord();
            set.id = 1;
            set.Write();
        }
        EXPECT_EQ(set.NextId(), 3);
        set.NewRecord();
        set.id = 10;
        set.Write();
        EXPECT_EQ(set.NextId(), 10);
    }
    test::FixedClock clock(45000.5);
    EXPECT_EQ(addEntry(dir.path(), CalendarEntry{}, clock, 1).id, 11);
}

TEST(EntryLookup, FindsByIdAndOrigin) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    CalendarEntry e;
    e.comment = "first";
    addEntry(dir.path(), e, clock, 5);
    clock.set({2023, 1, 1}, {0, 0, 1, 0});
    e.comment = "second";
    addEntry(dir.path(), e, clock, 5);
    CalSet set(dir.path());
    set.Open();
    EXPECT_EQ(set.FindById(2), 2);
    EXPECT_EQ(set.comment, "second");
    EXPECT_EQ(set.position(), 2);
    EXPECT_EQ(set.FindById(3), 0);
    EXPECT_EQ(set.FindByOrigin(45000.5, 5), 1);
    EXPECT_EQ(set.FindByOrigin(45000.5, 6), -1);
    set.Close();
    EXPECT_TRUE(deleteEntry(dir.path(), 1).ok());
    EXPECT_EQ(loadEntry(dir.path(), 2)->comment, "second");
    EXPECT_TRUE(changeEntry(dir.path(), *loadEntry(dir.path(), 2), clock).ok());
}

TEST(TypeLookup, CodesFollowTheCountAndTheLargestCode) {
    TempDir dir;
    EXPECT_EQ(addType(dir.path(), "one").id, 1); // empty file: MaxCode is the count, 0
    EXPECT_EQ(addType(dir.path(), "two").id, 2);
    EXPECT_EQ(addType(dir.path(), "three").id, 3);
    ASSERT_TRUE(deleteType(dir.path(), 3).ok());
    EXPECT_EQ(addType(dir.path(), "again").id, 3);
    ASSERT_TRUE(deleteType(dir.path(), 1).ok());
    ASSERT_TRUE(deleteType(dir.path(), 2).ok());
    // One type coded 3 is left; the count (1) is smaller, so the next is 4.
    EXPECT_EQ(addType(dir.path(), "four").id, 4);
}

TEST(TypeLookup, FindByCodeComparesSignExtendedCodes) {
    TempDir dir;
    {
        TypeSet set(dir.path());
        set.Open();
        set.NewRecord();
        set.code = -2;
        set.name = "negative";
        set.Write();
        set.NewRecord();
        set.code = 5;
        set.name = "five";
        set.Write();
    }
    TypeSet set(dir.path());
    set.Open();
    EXPECT_EQ(set.FindByCode(-2), 1);
    EXPECT_EQ(set.FindByCode(65534), 0);
    EXPECT_EQ(set.FindByCode(5), 2);
    EXPECT_EQ(set.name, "five");
    EXPECT_EQ(set.FindByCode(6), 0);
    EXPECT_EQ(set.MaxCode(), 5);
}

TEST(TypeLookup, ListingAnEmptyFileGivesNothing) {
    TempDir dir;
    EXPECT_TRUE(listTypes(dir.path()).empty());
    addType(dir.path(), "a");
    addType(dir.path(), "b");
    const auto types = listTypes(dir.path());
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[1].code, 2);
    EXPECT_EQ(types[1].name, "b");
}
