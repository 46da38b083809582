// The indexed merge against the plain one it speeds up: one FindByOrigin scan and one NextId
// scan per incoming record, as the algorithm is written. On random files, duplicated
// identities and equal, older and newer stamps, both leave the same bytes and ask the same
// questions.
#include "exchange/PromptLines.h"
#include "exchange/UpdateApplier.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

using namespace trevik;
using namespace trevik::test;

namespace {

// Answers from a seeded sequence and records the questions.
class SeededPrompter final : public Prompter {
public:
    explicit SeededPrompter(unsigned seed) : random_(seed) {}
    PromptAnswer ask(const Prompt& prompt) override {
        asked.push_back(prompt.caption + "|" + prompt.item1[0] +
                        (prompt.item2.empty() ? "" : "|" + prompt.item2[0]));
        const int pick = std::uniform_int_distribution<int>(0, 99)(random_);
        return pick < 40   ? PromptAnswer::Yes
               : pick < 80 ? PromptAnswer::No
               : pick < 90 ? PromptAnswer::YesToAll
                           : PromptAnswer::NoToAll;
    }
    std::vector<std::string> asked;

private:
    std::mt19937 random_;
};

enum class Remembered { None, Yes, No };

// The algorithm as written, on one record file.
template <typename Set, typename Record>
void plainPass(const std::filesystem::path& dir, const std::vector<Record>& incoming,
               UpdateChoice whenNew, UpdateChoice whenFound, Prompter& prompter,
               const std::function<std::vector<std::string>(const Record&)>& lines) {
    Set set(dir);
    set.Open();
    Remembered newAnswer = Remembered::None;
    Remembered changedAnswer = Remembered::None;
    const auto decide = [&](Remembered& remembered, const Prompt& prompt) {
        if (remembered != Remembered::None) {
            return remembered == Remembered::Yes;
        }
        switch (prompter.ask(prompt)) {
        case PromptAnswer::YesToAll:
            remembered = Remembered::Yes;
            return true;
        case PromptAnswer::NoToAll:
            remembered = Remembered::No;
            return false;
        case PromptAnswer::Yes:
            return true;
        default:
            return false;
        }
    };
    for (const Record& record : incoming) {
        const std::int32_t position = set.FindByOrigin(record.created, record.originUid);
        if (position < 0) {
            const bool add = whenNew == UpdateChoice::Update ||
                             (whenNew == UpdateChoice::Prompt &&
                              decide(newAnswer, Prompt{kAddNewCaption, lines(record), {}}));
            if (add) {
                const std::int32_t id = set.NextId() + 1;
                set.NewRecord();
                static_cast<Record&>(set) = record;
                set.id = id;
                set.Write();
            }
            continue;
        }
        set.GoTo(position);
        const bool newer = record.updated > set.updated;
        bool replace = false;
        if (whenFound == UpdateChoice::Update) {
            replace = newer;
        } else if (whenFound == UpdateChoice::Prompt &&
                   (newer || std::is_same_v<Record, CalendarEntry>)) {
            replace = decide(
                changedAnswer,
                Prompt{kReplaceCaption, lines(static_cast<const Record&>(set)), lines(record)});
        }
        if (replace) {
            const std::int32_t id = set.id;
            set.BeginEdit();
            static_cast<Record&>(set) = record;
            set.id = id;
            set.Write();
        }
    }
}

} // namespace

TEST(ApplyUpdateOracle, TheIndexedMergeLeavesWhatThePlainAlgorithmLeaves) {
    const EnglishLocale locale;
    const TypeNames noTypes;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        // Few identities, so that incoming records meet local ones, duplicates included.
        const auto identity = [&] { return std::pair{double(pick(1, 12)) / 4, pick(1, 3)}; };
        std::vector<Contact> local;
        std::vector<CalendarEntry> localEntries;
        for (int i = 0, n = pick(0, 15); i < n; ++i) {
            const auto [created, origin] = identity();
            local.push_back(
                contactOf("L" + std::to_string(i), created, origin, pick(1, 4), pick(-3, 40)));
            localEntries.push_back(
                entryOf("l" + std::to_string(i), created, origin, pick(1, 4), pick(-3, 40)));
        }
        std::vector<Contact> incoming;
        std::vector<CalendarEntry> incomingEntries;
        for (int i = 0, n = pick(0, 25); i < n; ++i) {
            const auto [created, origin] = identity();
            incoming.push_back(contactOf("I" + std::to_string(i), created, origin, pick(1, 4)));
            incomingEntries.push_back(
                entryOf("i" + std::to_string(i), created, origin, pick(1, 4)));
        }
        const auto whenNew = UpdateChoice(pick(0, 2));
        const auto whenFound = UpdateChoice(pick(0, 2));

        TempDir plain;
        TempDir indexed;
        for (const TempDir* dir : {&plain, &indexed}) {
            appendContacts(dir->path(), local);
            appendEntries(dir->path(), localEntries);
        }
        SeededPrompter plainAnswers(seed);
        plainPass<AddrSet, Contact>(plain.path(), incoming, whenNew, whenFound, plainAnswers,
                                    contactPromptLines);
        plainPass<CalSet, CalendarEntry>(
            plain.path(), incomingEntries, whenNew, whenFound, plainAnswers,
            [&](const CalendarEntry& e) { return entryPromptLines(e, noTypes, locale); });

        SeededPrompter indexedAnswers(seed);
        TempDir config;
        UpdateApplier applier(indexed.path(), SettingsFile(config / "Trevik.Ini"), indexedAnswers,
                              locale);
        UpdateOptions options;
        options.settings = false;
        options.newData = whenNew;
        options.changedData = whenFound;
        const std::string file = exchangeOf({}, incoming, incomingEntries);
        MemorySource source(file);
        const UpdateReport report = applier.apply(source, options);
        ASSERT_TRUE(report.errors.empty()) << report.errors[0];

        EXPECT_EQ(indexedAnswers.asked, plainAnswers.asked) << "seed " << seed;
        for (const char* name : {"ADDRESS.TVD", "CALENDAR.TVD"}) {
            EXPECT_EQ(readBytes(indexed / name), readBytes(plain / name))
                << name << ", seed " << seed;
        }
    }
}
