// Kills trevik-cli with SIGKILL at random instants of an add, a delete and the first write of the
// settings file, and checks after every kill that no record was lost, torn or shifted and that
// no setting was lost.
#include "calendar/CalendarView.h"
#include "storage/EntryRecords.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

const std::string kSettingsBefore = "; written by hand\n[Display]\nSplashScreen=0\n";

pid_t startCli(const std::filesystem::path& configHome, const std::vector<std::string>& args) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        std::vector<char*> argv;
        std::string program = TREVIK_CLI;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& arg : copies) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

std::map<std::int32_t, std::string> entriesOnDisk(const std::filesystem::path& dir) {
    std::map<std::int32_t, std::string> out;
    forEachEntry(dir, [&](const CalendarEntry& entry) {
        EXPECT_TRUE(out.emplace(entry.id, entry.comment).second) << "id " << entry.id << " twice";
        EXPECT_EQ(entry.dateFrom, 46364) << "entry " << entry.id << " is torn";
    });
    return out;
}

// A sanitized process starts several times slower, so such builds kill fewer of them.
#ifdef TREVIK_SANITIZED_BUILD
constexpr int kRounds = 90;
#else
constexpr int kRounds = 300;
#endif
constexpr int kWindow = 30;

} // namespace

TEST(CrashSafety, AKillAtAnyInstantLosesTearsOrShiftsNothing) {
    TempDir data;
    TempDir config;
    const test::FixedClock clock{46364.5};
    std::map<std::int32_t, std::string> expected;
    for (int i = 1; i <= 20; ++i) {
        CalendarEntry entry;
        entry.comment = "seed " + std::to_string(i);
        entry.dateFrom = 46364;
        ASSERT_TRUE(addEntry(data.path(), entry, clock, 1).ok());
        expected[i] = entry.comment;
    }
    std::mt19937 random(20261208);
    const std::filesystem::path settings = config / "Trevik.Ini";
    test::writeBytes(settings, kSettingsBefore);
    // The kills spread over twice the longest of a few whole adds on this machine as it is now
    // (into a scratch directory), so that they fall before, during and after the work.
    TempDir scratch;
    std::chrono::microseconds runTime{0};
    int status = 0;
    for (int i = 0; i < 3; ++i) {
        const auto started = std::chrono::steady_clock::now();
        ::waitpid(startCli(config.path(), {"--data-dir", scratch.path().string(), "add-entry",
                                           "timing", "--date", "2026-12-08"}),
                  &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        runTime = std::max(runTime, std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - started));
    }
    test::writeBytes(settings, kSettingsBefore);
    long long spread = runTime.count() * 2;
    int landed = 0;
    int landedInWindow = 0;
    for (int round = 0; round < kRounds; ++round) {
        // The machine's load changes while the test runs: a window of kills that all fell
        // before the work widens the spread, one where all fell after it narrows it.
        if (round > 0 && round % kWindow == 0) {
            if (landedInWindow == 0) {
                spread *= 2;
            } else if (landedInWindow == kWindow) {
                spread /= 2;
            }
            landedInWindow = 0;
        }
        const int kind = round % 3;
        std::vector<std::string> args = {"--data-dir", data.path().string()};
        std::int32_t deleted = 0;
        const std::string comment = "round " + std::to_string(round);
        if (kind == 1 && !expected.empty()) {
            auto it = expected.begin();
            std::advance(
                it, std::uniform_int_distribution<std::size_t>(0, expected.size() - 1)(random));
            deleted = it->first;
            args.insert(args.end(), {"delete-entry", std::to_string(deleted)});
        } else {
            if (kind == 2) {
                test::writeBytes(settings, kSettingsBefore); // no UID yet: this add stores one
            }
            args.insert(args.end(), {"add-entry", comment, "--date", "2026-12-08"});
        }
        const pid_t child = startCli(config.path(), args);
        ::usleep(useconds_t(std::uniform_int_distribution<long long>(0, spread)(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);

        ASSERT_EQ(std::filesystem::file_size(data / "CALENDAR.TVD") % CalSet::kRecordSize, 0u)
            << "round " << round;
        const auto onDisk = entriesOnDisk(data.path());
        std::map<std::int32_t, std::string> changed = expected;
        if (deleted != 0) {
            changed.erase(deleted);
        } else {
            const std::int32_t next = expected.empty() ? 1 : expected.rbegin()->first + 1;
            changed[next] = comment;
        }
        ASSERT_TRUE(onDisk == expected || onDisk == changed) << "round " << round;
        landed += onDisk == changed ? 1 : 0;
        landedInWindow += onDisk == changed ? 1 : 0;
        expected = onDisk;

        const std::string text = test::readText(settings);
        ASSERT_EQ(text.substr(0, kSettingsBefore.size()), kSettingsBefore) << "round " << round;
        const std::string rest = text.substr(kSettingsBefore.size());
        ASSERT_TRUE(rest.empty() || rest.rfind("[Startup]\nUID=", 0) == 0) << rest;
    }
    // The kills fell both before and after the work was done.
    EXPECT_GT(landed, 3);
    EXPECT_LT(landed, kRounds - 3);
}
