#include "address/AddressList.h"
#include "address/AddressDeletion.h"
#include "calendar/AddressLinks.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/FileError.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

struct AddressListFixture : ::testing::Test {
    TempDir dir;
    test::FixedClock clock{45000.5};
    EnglishLocale locale;

    std::int32_t add(const std::string& name, const std::string& fax = {}) {
        Contact c;
        c.name = name;
        c.fax = fax;
        return addContact(dir.path(), c, clock, 1).id;
    }

    // The book a list keeps from refill to refill, as the window's does.
    ContactBook book;

    AddressListing refill(std::string_view filter, std::int32_t uid = 1) {
        return RefillAddressList(book, readAddressFile(book, dir.path(), clock, uid), filter);
    }

    std::vector<Contact> listedContacts(std::string_view filter, std::int32_t uid = 1) {
        std::vector<Contact> contacts;
        for (const std::uint32_t position : refill(filter, uid).positions) {
            contacts.push_back(book.contacts().at(position));
        }
        return contacts;
    }

    std::vector<std::string> listed(std::string_view filter) {
        std::vector<std::string> names;
        for (const Contact& c : listedContacts(filter)) {
            names.push_back(c.name);
        }
        return names;
    }
};

} // namespace

TEST_F(AddressListFixture, TheSampleContactIsWrittenAtFirstUseAndShowsFromTheSecondRefill) {
    const AddressListing first = refill("", 77);
    EXPECT_TRUE(first.positions.empty());
    EXPECT_FALSE(first.matched);
    const std::vector<Contact> second = listedContacts("", 77);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].id, 1);
    EXPECT_EQ(second[0].originUid, 77);
    EXPECT_FALSE(second[0].name.empty());
    EXPECT_FALSE(second[0].email.empty());
    EXPECT_FALSE(second[0].www.empty());
    EXPECT_TRUE(second[0].home.empty());
    refill("", 77);
    EXPECT_EQ(refill("", 77).positions.size(), 1u);
}

TEST_F(AddressListFixture, AnExistingEmptyFileGetsNoSample) {
    add("x");
    deleteAddress(dir.path(), 1);
    EXPECT_TRUE(listed("").empty());
    EXPECT_TRUE(listed("").empty());
}

TEST_F(AddressListFixture, APrefixMatchesInEitherLetterCaseInFileOrder) {
    for (const char* name : {"Mary", "bob", "martin", "Ann", "MARGIT", "Ma"}) {
        add(name);
    }
    EXPECT_EQ(listed("m"), (std::vector<std::string>{"Mary", "martin", "MARGIT", "Ma"}));
    EXPECT_EQ(listed("MAR"), (std::vector<std::string>{"Mary", "martin", "MARGIT"}));
    EXPECT_EQ(listed("mary jane"), std::vector<std::string>{}); // longer than the name
    EXPECT_EQ(listed("B"), std::vector<std::string>{"bob"});
    EXPECT_EQ(listed("").size(), 6u);
}

TEST_F(AddressListFixture, OnlyANonEmptyFilterWithAHitIsAMatch) {
    add("Ann");
    EXPECT_TRUE(refill("a").matched);
    EXPECT_FALSE(refill("z").matched);
    EXPECT_FALSE(refill("").matched);
}

TEST_F(AddressListFixture, AccentedNamesMatchWithAnsiLowerCasing) {
    add("\xC4rger");  // Ärger
    add("\xE9lodie"); // élodie
    EXPECT_EQ(listed("\xE4"), std::vector<std::string>{"\xC4rger"});
    EXPECT_EQ(listed("\xC9L"), std::vector<std::string>{"\xE9lodie"});
}

TEST_F(AddressListFixture, LetterCaseFollowsTheCodePageNotTheLanguage) {
    add("Ida");
    add("\x8Aime");   // Šime
    add("\x9Fvonne"); // Ÿvonne
    add("\x9C"
        "uvre"); // œuvre
    EXPECT_EQ(listed("i"), std::vector<std::string>{"Ida"});
    EXPECT_EQ(listed("\x9A"), std::vector<std::string>{"\x8Aime"});   // š
    EXPECT_EQ(listed("\xFF"), std::vector<std::string>{"\x9Fvonne"}); // ÿ
    EXPECT_EQ(listed("\x8C"), std::vector<std::string>{"\x9C"
                                                       "uvre"}); // Œ
    EXPECT_TRUE(startsWithIgnoringCase("\xDF", "\xDF"));         // ß has no capital here
    EXPECT_FALSE(startsWithIgnoringCase("\xDF", "ss"));
    EXPECT_FALSE(startsWithIgnoringCase("\xD7", "\xF7")); // × and ÷ are no letter pair
    EXPECT_TRUE(startsWithIgnoringCase("anything", ""));
}

TEST_F(AddressListFixture, SortingByAColumnUsesTheLocaleComparison) {
    add("b", "3");
    add("B", "1");
    add("a", "2");
    add("A", "");
    const std::vector<Contact> contacts = listedContacts("");
    const auto sortedNames = [&](int column) {
        std::vector<std::string> names;
        for (const std::size_t position : sortedPositions(contacts, column, locale)) {
            names.push_back(contacts[position].name);
        }
        return names;
    };
    EXPECT_EQ(sortedNames(0), (std::vector<std::string>{"a", "A", "b", "B"}));
    EXPECT_EQ(sortedNames(3), (std::vector<std::string>{"A", "B", "a", "b"})); // Fax
    EXPECT_LT(CompareAddressItems(contacts[3], contacts[1], 3, locale), 0);
    EXPECT_EQ(CompareAddressItems(contacts[1], contacts[1], 3, locale), 0);
}

TEST_F(AddressListFixture, TheKeptBookFollowsEveryChangeOfTheFileAndOnlyThose) {
    add("Ann");
    const std::int32_t bob = add("Bob");
    add("Cid");
    EXPECT_EQ(listed(""), (std::vector<std::string>{"Ann", "Bob", "Cid"}));
    const std::uint64_t unchanged = book.revision();
    EXPECT_EQ(listed("b"), std::vector<std::string>{"Bob"});
    EXPECT_EQ(book.revision(), unchanged); // the same bytes are not decoded again

    Contact changed = *loadContact(dir.path(), bob);
    changed.name = "Bea";
    changed.fax = "9";
    ASSERT_TRUE(changeContact(dir.path(), changed, clock).ok());
    const std::vector<Contact> after = listedContacts("");
    EXPECT_GT(book.revision(), unchanged);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].name, "Bea");
    EXPECT_EQ(after[1].fax, "9");

    deleteAddress(dir.path(), 1);
    EXPECT_EQ(listed(""), (std::vector<std::string>{"Bea", "Cid"}));
    add("Dan");
    EXPECT_EQ(listed("d"), std::vector<std::string>{"Dan"});

    // A file that cannot be read leaves the book as it was.
    std::filesystem::remove(dir / "ADDRESS.TVD");
    std::filesystem::create_directory(dir / "ADDRESS.TVD");
    EXPECT_THROW(readAddressFile(book, dir.path(), clock, 1), FileError);
    EXPECT_EQ(book.contacts().size(), 3u);
    EXPECT_EQ(book.contacts()[2].name, "Dan");
}

TEST(AddressNavigation, NextAndPreviousWrapAround) {
    EXPECT_EQ(nextAddressIndex(0, -1), -1);
    EXPECT_EQ(previousAddressIndex(0, -1), -1);
    EXPECT_EQ(nextAddressIndex(3, -1), 1); // nothing selected: the second contact
    EXPECT_EQ(nextAddressIndex(3, 0), 1);
    EXPECT_EQ(nextAddressIndex(3, 2), 0);
    EXPECT_EQ(nextAddressIndex(1, 0), 0);
    EXPECT_EQ(previousAddressIndex(3, -1), 2); // nothing selected: the last contact
    EXPECT_EQ(previousAddressIndex(3, 0), 2);
    EXPECT_EQ(previousAddressIndex(3, 2), 1);
}

TEST_F(AddressListFixture, DeletingALinkedContactClearsOnlyItsLinks) {
    const std::int32_t ann = add("Ann");
    const std::int32_t bob = add("Bob");
    CalendarEntry entry;
    entry.comment = "with Ann";
    entry.addressLink = ann;
    const std::int32_t withAnn = addEntry(dir.path(), entry, clock, 1).id;
    entry.comment = "with Bob";
    entry.addressLink = bob;
    const std::int32_t withBob = addEntry(dir.path(), entry, clock, 1).id;
    const CalendarEntry before = *loadEntry(dir.path(), withAnn);

    EXPECT_TRUE(IsAddressLinked(dir.path(), ann));
    clock.set({2030, 1, 1}, {0, 0, 0, 0});
    const AddressDeletion deletion = deleteAddress(dir.path(), ann);
    EXPECT_TRUE(deletion.unlinkedEntries);
    EXPECT_TRUE(deletion.result.ok());
    EXPECT_FALSE(IsAddressLinked(dir.path(), ann));
    EXPECT_FALSE(loadContact(dir.path(), ann).has_value());

    const CalendarEntry after = *loadEntry(dir.path(), withAnn);
    EXPECT_EQ(after.addressLink, -1);
    EXPECT_EQ(after.updated, before.updated); // clearing a link is not a change
    EXPECT_EQ(after.comment, "with Ann");
    EXPECT_EQ(loadEntry(dir.path(), withBob)->addressLink, bob);
}

TEST_F(AddressListFixture, DeletingAVanishedContactDoesNothing) {
    add("Ann");
    const AddressDeletion deletion = deleteAddress(dir.path(), 42);
    EXPECT_FALSE(deletion.result.found);
    EXPECT_FALSE(deletion.unlinkedEntries);
    EXPECT_EQ(listed("").size(), 1u);
    EXPECT_FALSE(IsAddressLinked(dir.path(), 42)); // no calendar file yet
}
