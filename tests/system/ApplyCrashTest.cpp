// Kills `trevik-cli apply` with SIGKILL at random instants: every record file is left whole,
// with no identity twice, and applying the same file again then ends where an uninterrupted
// run ends.
#include "exchange/RecycleBin.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace trevik;
using namespace trevik::test;

namespace {

int runCli(const std::filesystem::path& config, const std::vector<std::string>& args,
           std::chrono::microseconds killAfter = {}) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        std::vector<std::string> words = args;
        words.insert(words.begin(), TREVIK_CLI);
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (killAfter.count() > 0) {
        ::usleep(useconds_t(killAfter.count()));
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The records by identity; fails the test on a torn file or an identity held twice.
std::map<std::pair<double, std::int32_t>, std::string> recordsOn(const std::filesystem::path& dir) {
    std::map<std::pair<double, std::int32_t>, std::string> out;
    EXPECT_EQ(std::filesystem::file_size(dir / "ADDRESS.TVD") % 360, 0u);
    EXPECT_EQ(std::filesystem::file_size(dir / "CALENDAR.TVD") % 164, 0u);
    for (const Contact& c : contactsIn(dir)) {
        EXPECT_TRUE(out.emplace(std::pair{c.created, c.originUid}, "A" + c.name + c.misc).second)
            << "contact " << c.name << " twice";
        EXPECT_EQ(c.misc, c.name + " misc") << "contact " << c.id << " is torn";
    }
    for (const CalendarEntry& e : entriesIn(dir)) {
        EXPECT_TRUE(out.emplace(std::pair{-e.created, e.originUid}, "B" + e.comment).second)
            << "entry " << e.comment << " twice";
        EXPECT_EQ(e.dateFrom, 46363) << "entry " << e.id << " is torn";
    }
    return out;
}

void seed(const std::filesystem::path& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::vector<Contact> contacts;
    std::vector<CalendarEntry> entries;
    for (int i = 0; i < 500; ++i) {
        // Older copies of half the incoming records, and some of this machine's own.
        contacts.push_back(contactOf("old " + std::to_string(i), 1000 + i, 2, 5, i + 1));
        entries.push_back(entryOf("old " + std::to_string(i), 1000 + i, 2, 5, i + 1));
    }
    appendContacts(dir, contacts);
    appendEntries(dir, entries);
    ASSERT_EQ(AddAddressToBin(dir, contactOf("deleted", 99, 1, 5)), "");
}

} // namespace

TEST(CrashSafety, AnApplyKilledAtAnyInstantLeavesWholeRecordsAndCompletesWhenRunAgain) {
    TempDir work;
    const std::filesystem::path config = work / "config";
    std::filesystem::create_directories(config);
    std::vector<Contact> contacts;
    std::vector<CalendarEntry> entries;
    for (int i = 0; i < 1000; ++i) {
        contacts.push_back(contactOf("new " + std::to_string(i), 1000 + i, 2, 9, i + 1));
        entries.push_back(entryOf("new " + std::to_string(i), 1000 + i, 2, 9, i + 1));
    }
    writeBytes(work / "x.tvx", exchangeOf({}, contacts, entries));
    const std::filesystem::path dir = work / "data";
    const std::vector<std::string> apply = {
        "--data-dir", dir.string(), "apply",     (work / "x.tvx").string(),
        "--new",      "update",     "--changed", "update",
        "--deleted",  "update"};
    seed(dir);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(runCli(config, apply), 0);
    const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    const auto complete = recordsOn(dir);
    ASSERT_EQ(complete.size(), 2001u); // 1000 contacts, 1000 entries and the deleted one back

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> delay(1, runTime.count() * 3 / 2);
    int interrupted = 0;
    for (int round = 0; round < 40; ++round) {
        seed(dir);
        runCli(config, apply, std::chrono::microseconds(delay(random)));
        const auto partial = recordsOn(dir);
        interrupted += partial != complete ? 1 : 0;
        for (const auto& [identity, record] : partial) {
            EXPECT_TRUE(complete.count(identity) == 1 || record.rfind("Aold", 0) == 0 ||
                        record.rfind("Bold", 0) == 0)
                << "round " << round;
        }
        ASSERT_EQ(runCli(config, apply), 0) << "round " << round;
        ASSERT_EQ(recordsOn(dir), complete) << "round " << round;
    }
    EXPECT_GT(interrupted, 3); // the kills did fall inside the work
}
