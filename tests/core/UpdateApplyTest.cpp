// Applying an update: every rule for new and changed records, every answer and check box, the
// recycle-bin pass under each Deleted data choice, settings applied before the records, Cancel
// keeping what was written, and files that are short, cut or lying about their counts.
#include "address/AddressDeletion.h"
#include "common/LittleEndian.h"
#include "exchange/RecycleBin.h"
#include "exchange/UpdateApplier.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/ExchangeData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using namespace trevik::test;

namespace {

using A = PromptAnswer;
constexpr UpdateChoice kUpdate = UpdateChoice::Update;
constexpr UpdateChoice kPrompt = UpdateChoice::Prompt;
constexpr UpdateChoice kSkip = UpdateChoice::NoUpdate;

constexpr std::int32_t kHere = 1111;  // this installation's UID
constexpr std::int32_t kThere = 2222; // the sender's

UpdateOptions choices(UpdateChoice newData, UpdateChoice changedData,
                      UpdateChoice deletedData = kSkip) {
    UpdateOptions options;
    options.settings = false;
    options.newData = newData;
    options.changedData = changedData;
    options.deletedData = deletedData;
    return options;
}

struct Receiver {
    TempDir data;
    TempDir config;
    SettingsFile settings{config / "Trevik.Ini"};
    EnglishLocale locale;
    ScriptedPrompter prompter;

    UpdateReport apply(const std::string& exchange, const UpdateOptions& options,
                       std::deque<PromptAnswer> answers = {},
                       const std::function<void()>& settingsApplied = {}) {
        prompter = ScriptedPrompter(std::move(answers));
        MemorySource source(exchange);
        UpdateApplier applier(data.path(), settings, prompter, locale);
        return applier.apply(source, options, settingsApplied);
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Contact& c : contactsIn(data.path())) {
            out.push_back(c.name);
        }
        return out;
    }
    std::vector<std::string> comments() const {
        std::vector<std::string> out;
        for (const CalendarEntry& e : entriesIn(data.path())) {
            out.push_back(e.comment);
        }
        return out;
    }
};

using Names = std::vector<std::string>;

} // namespace

TEST(ApplyUpdate, NewRecordsAreAddedWithNewLocalIdsAndTheirIdentityAndFoundTheSecondTime) {
    Receiver here;
    appendContacts(here.data.path(), {contactOf("Local", 100, kHere, 101, 7)});
    appendEntries(here.data.path(), {entryOf("local", 100, kHere, 101, 3)});
    CalendarEntry linked = entryOf("linked", 200.5, kThere, 201, 40);
    linked.addressLink = 12;
    linked.flag = 5;
    linked.fileLink = "/home/them/f.odt";
    const std::string file = exchangeOf(
        {}, {contactOf("Ann", 200.25, kThere, 201, 12), contactOf("Bob", 200.75, kThere, 202, 13)},
        {linked});
    const UpdateReport report = here.apply(file, choices(kUpdate, kUpdate));
    EXPECT_TRUE(report.errors.empty());
    EXPECT_EQ(report.exchangeContacts.added, 2);
    EXPECT_EQ(report.exchangeEntries.added, 1);
    const auto contacts = contactsIn(here.data.path());
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(contacts[1].id, 8); // NextId + 1, never the sender's id
    EXPECT_EQ(contacts[2].id, 9);
    EXPECT_EQ(contacts[1].name, "Ann");
    EXPECT_EQ(contacts[1].created, 200.25);
    EXPECT_EQ(contacts[1].originUid, kThere);
    EXPECT_EQ(contacts[1].updated, 201);
    EXPECT_EQ(contacts[1].misc, "Ann misc");
    const auto entries = entriesIn(here.data.path());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].id, 4);
    EXPECT_EQ(entries[1].addressLink, 12); // carried unchanged, not translated
    EXPECT_EQ(entries[1].flag, 5);
    EXPECT_EQ(entries[1].fileLink, "/home/them/f.odt");
    EXPECT_EQ(entries[1].timeFrom, 0.375);

    const UpdateReport again = here.apply(file, choices(kUpdate, kUpdate));
    EXPECT_EQ(again.exchangeContacts.added, 0);
    EXPECT_EQ(again.exchangeContacts.notNewer, 2);
    EXPECT_EQ(again.exchangeEntries.notNewer, 1);
    EXPECT_EQ(here.names(), (Names{"Local", "Ann", "Bob"}));
}

TEST(ApplyUpdate, NewDataPromptAsksAddNewItemWithTheIncomingLinesAndEachAnswerCounts) {
    Receiver here;
    std::vector<Contact> incoming;
    DateTime created = 300;
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        incoming.push_back(contactOf(name, created, kThere, 301));
        created += 1;
    }
    const std::string file = exchangeOf({}, incoming, {});
    // Yes, No, Yes to All: the rest come in without a question.
    UpdateReport report = here.apply(file, choices(kPrompt, kUpdate), {A::Yes, A::No, A::YesToAll});
    EXPECT_EQ(here.names(), (Names{"A", "C", "D", "E"}));
    ASSERT_EQ(here.prompter.asked.size(), 3u);
    const Prompt& first = here.prompter.asked[0];
    EXPECT_EQ(first.caption, "Add new item?");
    EXPECT_EQ(first.item1, (Names{"Name: A", "Home: A home", "Work: A work", "Address: A road",
                                  "Email: A@example.org", "Misc: A misc"}));
    EXPECT_TRUE(first.item2.empty());
    EXPECT_EQ(report.exchangeContacts.added, 4);
    EXPECT_EQ(report.exchangeContacts.byChoice, 1);

    Receiver other;
    other.apply(file, choices(kPrompt, kUpdate), {A::No, A::NoToAll});
    EXPECT_TRUE(other.names().empty());
    EXPECT_EQ(other.prompter.asked.size(), 2u);

    Receiver skipping;
    report = skipping.apply(file, choices(kSkip, kUpdate));
    EXPECT_TRUE(skipping.names().empty());
    EXPECT_EQ(report.exchangeContacts.byChoice, 5);
}

TEST(ApplyUpdate, ChangedDataUpdateReplacesOnlyANewerCopyAndKeepsTheLocalId) {
    Receiver here;
    appendContacts(here.data.path(), {contactOf("older here", 10, kThere, 500, 4),
                                      contactOf("same", 11, kThere, 500, 5),
                                      contactOf("newer here", 12, kThere, 500, 6)});
    Contact newer = contactOf("newer there", 10, kThere, 500 + 1.0 / 86400, 99);
    const std::string file = exchangeOf({},
                                        {newer, contactOf("same there", 11, kThere, 500, 98),
                                         contactOf("older there", 12, kThere, 499, 97)},
                                        {});
    const UpdateReport report = here.apply(file, choices(kSkip, kUpdate));
    EXPECT_EQ(here.names(), (Names{"newer there", "same", "newer here"}));
    const auto contacts = contactsIn(here.data.path());
    EXPECT_EQ(contacts[0].id, 4);
    EXPECT_EQ(contacts[0].updated, newer.updated);
    EXPECT_EQ(report.exchangeContacts.replaced, 1);
    EXPECT_EQ(report.exchangeContacts.notNewer, 2);

    const UpdateReport skipped = here.apply(
        exchangeOf({}, {contactOf("much newer", 11, kThere, 900, 1)}, {}), choices(kSkip, kSkip));
    EXPECT_EQ(skipped.exchangeContacts.byChoice, 1);
    EXPECT_EQ(here.names()[1], "same");
}

TEST(ApplyUpdate, ChangedContactsAreOfferedOnlyWhenNewerAndEntriesWhenFound) {
    Receiver here;
    appendContacts(here.data.path(),
                   {contactOf("Ann", 10, kThere, 500, 1), contactOf("Bob", 11, kThere, 500, 2)});
    appendEntries(here.data.path(),
                  {entryOf("one", 10, kThere, 500, 1), entryOf("two", 11, kThere, 500, 2),
                   entryOf("three", 12, kThere, 500, 3)});
    addType(here.data.path(), "Work");
    CalendarEntry older = entryOf("two older", 11, kThere, 400, 2);
    older.type = 1;
    const std::string file = exchangeOf(
        {}, {contactOf("Ann B.", 10, kThere, 501, 1), contactOf("Bob old", 11, kThere, 499, 2)},
        {entryOf("one same", 10, kThere, 500, 1), older,
         entryOf("three newer", 12, kThere, 600, 3)});
    // Contacts: only Ann is newer, so one question. Entries: all three are asked about;
    // Yes to All on the second replaces the third without a question, older or newer.
    const UpdateReport report =
        here.apply(file, choices(kSkip, kPrompt), {A::Yes, A::No, A::YesToAll});
    ASSERT_EQ(here.prompter.asked.size(), 3u);
    const Prompt& contact = here.prompter.asked[0];
    EXPECT_EQ(contact.caption, "Replace Item 1 with Item 2?");
    EXPECT_EQ(contact.item1[0], "Name: Ann");
    EXPECT_EQ(contact.item2[0], "Name: Ann B.");
    const Prompt& entry = here.prompter.asked[2];
    EXPECT_EQ(entry.item1, (Names{"Comment: two", "Date: 07/Dec/2026", "Time: 09:00",
                                  "Type: ", "Last updated: 14/May/1901, 00:00"}));
    EXPECT_EQ(entry.item2[0], "Comment: two older");
    EXPECT_EQ(entry.item2[3], "Type: Work");
    EXPECT_EQ(here.names(), (Names{"Ann B.", "Bob"}));
    EXPECT_EQ(here.comments(), (Names{"one", "two older", "three newer"}));
    EXPECT_EQ(report.exchangeContacts.notNewer, 1);
    EXPECT_EQ(report.exchangeEntries.byChoice, 1);
    EXPECT_EQ(report.exchangeEntries.replaced, 2);
}

TEST(ApplyUpdate, AnswersStartAfreshInEveryPass) {
    Receiver here;
    const std::string file =
        exchangeOf({}, {contactOf("A", 1, kThere, 2), contactOf("B", 3, kThere, 4)},
                   {entryOf("a", 5, kThere, 6), entryOf("b", 7, kThere, 8)});
    here.apply(file, choices(kPrompt, kPrompt), {A::YesToAll, A::Yes, A::NoToAll});
    EXPECT_EQ(here.names(), (Names{"A", "B"}));
    EXPECT_EQ(here.comments(), (Names{"a"}));
    ASSERT_EQ(here.prompter.asked.size(), 3u);
    EXPECT_EQ(here.prompter.asked[1].item1[0], "Comment: a");
    EXPECT_EQ(here.prompter.asked[1].item1[1], "Date: 07/Dec/2026");
    EXPECT_EQ(here.prompter.asked[1].item1[4], "Last updated: 05/Jan/1900, 00:00");
}

TEST(ApplyUpdate, TheCheckBoxesChooseTheBlocksAndTheCalendarBlockFollowsTheSkippedContacts) {
    Receiver here;
    ExchangeHeader header;
    header.left = -20;
    header.alarmSound = "/sounds/bell.wav";
    const std::string file = exchangeOf(header, {contactOf("A", 1, kThere, 2)},
                                        {entryOf("a", 5, kThere, 6), entryOf("b", 7, kThere, 8)});
    UpdateOptions options = choices(kUpdate, kUpdate);
    options.address = false;
    UpdateReport report = here.apply(file, options);
    EXPECT_TRUE(here.names().empty());
    EXPECT_EQ(here.comments(), (Names{"a", "b"}));
    EXPECT_FALSE(report.exchangeContacts.ran);
    EXPECT_FALSE(report.settingsApplied);
    EXPECT_FALSE(std::filesystem::exists(here.config / "Trevik.Ini"));

    options.address = true;
    options.calendar = false;
    options.settings = true;
    std::size_t contactsWhenSettingsApplied = 99;
    report = here.apply(file, options, {},
                        [&] { contactsWhenSettingsApplied = contactsIn(here.data.path()).size(); });
    EXPECT_EQ(contactsWhenSettingsApplied, 0u); // the window reloads before any record comes
    EXPECT_TRUE(report.settingsApplied);
    EXPECT_EQ(here.names(), (Names{"A"}));
    EXPECT_EQ(here.settings.readInteger("Position", "Left", 0), -20);
    EXPECT_EQ(here.settings.readString("Alarm", "Sound", ""), "/sounds/bell.wav");
    EXPECT_EQ(here.settings.readInteger("Display", "DateEntryDisplayMode", 9), 0);
    EXPECT_EQ(here.settings.readString("Display", "LaunchOnStartup", ""), "0");
    EXPECT_EQ(here.settings.readInteger("Calenadar", "Col4", 0), 135);
    EXPECT_EQ(here.settings.readString("Timer", "Time", ""), "00:00:00");
}

TEST(ApplyUpdate, SettingsFromAnotherMachineWriteTheirOwnKeysAndNothingElse) {
    Receiver here;
    writeBytes(here.config / "Trevik.Ini", "[Startup]\nUID=1111\nDir=/home/me/diary\n");
    ExchangeHeader header;
    header.timerTime = "1\r\n[Sta";
    header.alarmSound = "x\n[Startup]\nUID=666\r\nDir=/tmp/evil\n[Update]\nNewData=0";
    UpdateOptions options = choices(kSkip, kSkip);
    options.settings = true;
    here.apply(exchangeOf(header, {}, {}), options);
    const std::string text = readText(here.config / "Trevik.Ini");
    EXPECT_EQ(here.settings.readInteger("Startup", "UID", 0), 1111);
    EXPECT_EQ(here.settings.readString("Startup", "Dir", ""), "/home/me/diary");
    EXPECT_EQ(here.settings.readString("Update", "NewData", "none"), "none");
    std::size_t sections = 0;
    for (std::size_t at = text.find("\n["); at != std::string::npos;
         at = text.find("\n[", at + 1)) {
        ++sections;
    }
    // Startup at the top, then Display, Misc, Position, Address, Calenadar, Timer and Alarm.
    EXPECT_EQ(sections, 7u) << text;
    EXPECT_EQ(here.settings.readString("Alarm", "Sound", ""),
              "x[Startup]UID=666Dir=/tmp/evil[Update]NewData=0");
}

TEST(ApplyUpdate, TheBinPassFollowsDeletedDataForRecordsNotFoundAndChangedDataForFoundOnes) {
    for (const UpdateChoice deleted : {kUpdate, kPrompt, kSkip}) {
        Receiver here;
        appendContacts(here.data.path(),
                       {contactOf("Gone", 1, kHere, 2, 1), contactOf("Stays", 3, kHere, 4, 2)});
        CalendarEntry entry = entryOf("gone entry", 5, kHere, 6, 1);
        entry.addressLink = 2;
        appendEntries(here.data.path(), {entry});
        ASSERT_TRUE(deleteAddress(here.data.path(), 1).result.ok());
        ASSERT_TRUE(deleteEntry(here.data.path(), 1).ok());
        // "Stays" is in the bin too, as an older copy.
        ASSERT_EQ(AddAddressToBin(here.data.path(), contactOf("Stays old", 3, kHere, 3.5)), "");

        const UpdateReport report =
            here.apply(exchangeOf({}, {}, {}), choices(kSkip, kUpdate, deleted),
                       deleted == kPrompt ? std::deque<A>{A::Yes, A::No} : std::deque<A>{});
        if (deleted == kUpdate) {
            EXPECT_EQ(here.names(), (Names{"Stays", "Gone"}));
            EXPECT_EQ(here.comments(), (Names{"gone entry"}));
            EXPECT_EQ(entriesIn(here.data.path())[0].addressLink, -1);
            EXPECT_EQ(contactsIn(here.data.path())[1].id, 3);
            EXPECT_EQ(contactsIn(here.data.path())[1].created, 1);
            EXPECT_EQ(report.binContacts.added, 1);
        } else if (deleted == kPrompt) {
            ASSERT_EQ(here.prompter.asked.size(), 2u);
            EXPECT_EQ(here.prompter.asked[0].caption, "Add new item?");
            EXPECT_EQ(here.prompter.asked[0].item1[0], "Name: Gone");
            EXPECT_EQ(here.prompter.asked[1].item1[0], "Comment: gone entry");
            EXPECT_EQ(here.names(), (Names{"Stays", "Gone"}));
            EXPECT_TRUE(here.comments().empty());
        } else {
            EXPECT_EQ(here.names(), (Names{"Stays"}));
            EXPECT_TRUE(here.comments().empty());
            EXPECT_EQ(report.binContacts.byChoice, 1);
        }
        EXPECT_EQ(report.binContacts.notNewer, 1); // the found copy is older: Changed data rules
        EXPECT_EQ(here.names()[0], "Stays");
        // The copies stay in the bin.
        EXPECT_EQ(readRecycleBin(here.data.path()).entries.size(), 3u);
    }
}

TEST(ApplyUpdate, ABinRecordFoundHereIsReplacedOnlyWhenNewerAndNewDataDoesNotGovernTheBin) {
    Receiver here;
    appendContacts(here.data.path(), {contactOf("Old", 3, kHere, 4, 1)});
    ASSERT_EQ(AddAddressToBin(here.data.path(), contactOf("Newer in bin", 3, kHere, 5)), "");
    ASSERT_EQ(AddAddressToBin(here.data.path(), contactOf("Deleted", 7, kHere, 8)), "");
    // New data = Update alone no longer brings a deleted record back.
    here.apply(exchangeOf({}, {}, {}), choices(kUpdate, kUpdate, kSkip));
    EXPECT_EQ(here.names(), (Names{"Newer in bin"}));
}

TEST(ApplyUpdate, CancelStopsThereAndKeepsWhatWasWrittenAndTheBinPassDoesNotRun) {
    Receiver here;
    appendContacts(here.data.path(), {contactOf("Gone", 90, kHere, 91, 1)});
    ASSERT_TRUE(deleteAddress(here.data.path(), 1).result.ok());
    const std::string file = exchangeOf(
        {},
        {contactOf("A", 1, kThere, 2), contactOf("B", 3, kThere, 4), contactOf("C", 5, kThere, 6)},
        {entryOf("a", 7, kThere, 8)});
    const UpdateReport report =
        here.apply(file, choices(kPrompt, kUpdate, kUpdate), {A::Yes, A::Cancel});
    EXPECT_TRUE(report.cancelled);
    EXPECT_TRUE(report.exchangeContacts.cancelled);
    EXPECT_EQ(here.names(), (Names{"A"}));
    EXPECT_TRUE(here.comments().empty());
    EXPECT_FALSE(report.exchangeEntries.ran);
    EXPECT_FALSE(report.binContacts.ran);
    EXPECT_EQ(here.prompter.asked.size(), 2u);
    // Applying again completes the merge: A is found, B and C come, nothing twice.
    here.apply(file, choices(kUpdate, kUpdate, kSkip));
    EXPECT_EQ(here.names(), (Names{"A", "B", "C"}));
    EXPECT_EQ(here.comments(), (Names{"a"}));
}

TEST(ApplyUpdate, ShortCutAndLyingFilesChangeNothingOrStopAtTheLastWholeRecord) {
    const std::string whole =
        exchangeOf({}, {contactOf("A", 1, kThere, 2), contactOf("B", 3, kThere, 4)},
                   {entryOf("a", 7, kThere, 8)});
    {
        Receiver here;
        UpdateOptions options = choices(kUpdate, kUpdate);
        options.settings = true;
        const UpdateReport report = here.apply(whole.substr(0, 143), options);
        EXPECT_NE(report.refused.find("143 bytes"), std::string::npos) << report.refused;
        EXPECT_FALSE(std::filesystem::exists(here.config / "Trevik.Ini"));
        EXPECT_FALSE(std::filesystem::exists(here.data / "ADDRESS.TVD"));
    }
    {
        Receiver here;
        const UpdateReport report =
            here.apply(whole.substr(0, 144 + 360 + 359), choices(kUpdate, kUpdate));
        EXPECT_EQ(here.names(), (Names{"A"}));
        EXPECT_EQ(report.exchangeContacts.missing, 1);
        EXPECT_EQ(report.exchangeEntries.missing, 1);
        EXPECT_TRUE(here.comments().empty());
        EXPECT_EQ(std::filesystem::file_size(here.data / "ADDRESS.TVD"), 360u);
    }
    {
        Receiver here;
        std::string lying = whole;
        storeLE(reinterpret_cast<std::uint8_t*>(lying.data()) + 136, std::int32_t(1));
        storeLE(reinterpret_cast<std::uint8_t*>(lying.data()) + 140, std::int32_t(0x7fffffff));
        // One contact announced: the second contact's bytes and the entry read as entries.
        const UpdateReport report = here.apply(lying, choices(kUpdate, kUpdate));
        EXPECT_EQ(here.names(), (Names{"A"}));
        EXPECT_EQ(report.exchangeEntries.added, 3);
        EXPECT_EQ(report.exchangeEntries.missing, 0x7fffffff - 3);
        EXPECT_EQ(std::filesystem::file_size(here.data / "CALENDAR.TVD"), 3 * 164u);
    }
}

TEST(ApplyUpdate, ARecordFileThatCannotBeUsedIsReportedAndEndsTheUpdate) {
    Receiver here;
    std::filesystem::create_directory(here.data / "ADDRESS.TVD");
    const UpdateReport report =
        here.apply(exchangeOf({}, {contactOf("A", 1, kThere, 2)}, {entryOf("a", 7, kThere, 8)}),
                   choices(kUpdate, kUpdate));
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_NE(report.errors[0].find("ADDRESS.TVD"), std::string::npos) << report.errors[0];
    EXPECT_FALSE(report.exchangeEntries.ran);
}
