// The settings file is never lost to a read that failed, and the installation UID, the identity
// of every record, never changes behind the user's back.
#include "settings/Settings.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace trevik;
using namespace std::string_literals;
using trevik::test::TempDir;

namespace {

struct SettingsSafety : ::testing::Test {
    TempDir dir;
    SettingsFile file{dir / "Trevik.Ini"};
    test::FixedClock clock{0, 1800000000};

    void writeFile(const std::string& bytes) { test::writeBytes(file.path(), bytes); }
    std::string fileBytes() const { return test::readText(file.path()); }
};

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (const char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

} // namespace

TEST_F(SettingsSafety, AFileThatCannotBeReadIsNeverOverwritten) {
    std::filesystem::create_directory(file.path()); // reads fail: it is a directory
    EXPECT_FALSE(SaveAlarmSound(file, "/tmp/bell.wav"));
    EXPECT_NE(file.setValue("Alarm", "Sound", "x").find("Is a directory"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(file.path()));
    std::string error;
    file.read(error);
    EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
}

TEST_F(SettingsSafety, AFileWithoutReadPermissionKeepsEverySetting) {
    const std::string original = "[Startup]\nUID=42\nDir=/home/me/diary\n[Alarm]\nSound=a.wav\n";
    writeFile(original);
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0777));
    std::filesystem::permissions(file.path(), std::filesystem::perms(0));
    const int outcome = test::runUnprivileged([&] {
        std::string error;
        file.read(error);
        if (error.find("Permission denied") == std::string::npos) {
            return 1;
        }
        if (SaveAlarmSound(file, "b.wav")) {
            return 2;
        }
        try {
            loadOrMakeInstallationUid(file, clock);
            return 3;
        } catch (const UidNotStored& notStored) {
            return notStored.reason().find("Permission denied") != std::string::npos ? 0 : 4;
        }
    });
    EXPECT_EQ(outcome, 0);
    std::filesystem::permissions(file.path(), std::filesystem::perms(0600));
    EXPECT_EQ(fileBytes(), original);
}

TEST_F(SettingsSafety, EncodingsAndLineEndsOfOtherEditorsKeepTheUidAndTheDirectory) {
    const std::vector<std::string> variants = {
        "\xEF\xBB\xBF[Startup]\r\nUID=42\r\nDir=/srv/diary\r\n",
        "[Startup]\rUID=42\rDir=/srv/diary\r",
        utf16le("[Startup]\r\nUID=42\r\nDir=/srv/diary\r\n"),
        "[Startup]\nUID=42\0\nDir=/srv/diary\n"s,
    };
    for (const std::string& bytes : variants) {
        writeFile(bytes);
        EXPECT_EQ(loadOrMakeInstallationUid(file, clock), 42);
        EXPECT_EQ(loadDataDir(file), "/srv/diary");
    }
}

TEST_F(SettingsSafety, ALoneCarriageReturnEndsALineAndIsKeptOnWrite) {
    writeFile("[Misc]\rTimeInterval=30\r");
    EXPECT_EQ(LoadDisplaySettings(file).timeInterval, 30);
    ASSERT_TRUE(SaveTimerTime(file, "00:05:00"));
    EXPECT_EQ(fileBytes(), "[Misc]\rTimeInterval=30\r[Timer]\rTime=00:05:00\r");
}

TEST_F(SettingsSafety, IntegersWithTrailingBlanksReadAsTheirNumber) {
    writeFile("[Misc]\nTimeInterval = 60 \nTimeFormat=12\t\n");
    const DisplaySettings settings = LoadDisplaySettings(file);
    EXPECT_EQ(settings.timeInterval, 60);
    EXPECT_EQ(settings.timeFormat, 12);
}

TEST_F(SettingsSafety, AUidThatCannotBeStoredIsRefusedNotUsed) {
    test::writeBytes(dir / "not-a-directory", "");
    const SettingsFile nowhere(dir / "not-a-directory" / "Trevik.Ini");
    EXPECT_THROW(loadOrMakeInstallationUid(nowhere, clock), UidNotStored);
    // It stays refused on every try, never a fresh UID per run.
    EXPECT_THROW(loadOrMakeInstallationUid(nowhere, clock), UidNotStored);
}

TEST_F(SettingsSafety, TwoFirstStartsAtOnceEndWithTheOneUidBothUse) {
    for (int round = 0; round < 20; ++round) {
        std::filesystem::remove(file.path());
        int pipes[2][2];
        pid_t children[2];
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(::pipe(pipes[i]), 0);
            children[i] = ::fork();
            if (children[i] == 0) {
                const test::FixedClock own{0, 1800000000 + i};
                const std::int32_t uid = loadOrMakeInstallationUid(file, own);
                [[maybe_unused]] const auto n = ::write(pipes[i][1], &uid, sizeof uid);
                ::_exit(0);
            }
            ::close(pipes[i][1]);
        }
        std::int32_t seen[2] = {0, 0};
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(::read(pipes[i][0], &seen[i], sizeof seen[i]), ssize_t(sizeof seen[i]));
            ::close(pipes[i][0]);
            ::waitpid(children[i], nullptr, 0);
        }
        EXPECT_EQ(seen[0], seen[1]) << "round " << round;
        EXPECT_EQ(loadOrMakeInstallationUid(file, clock), seen[0]) << "round " << round;
    }
}

TEST_F(SettingsSafety, ALinkedSettingsFileStaysALinkWithItsMode) {
    const std::filesystem::path real = dir / "dotfiles" / "Trevik.Ini";
    std::filesystem::create_directory(dir / "dotfiles");
    test::writeBytes(real, "[Startup]\nUID=9\n");
    std::filesystem::permissions(real, std::filesystem::perms(0640));
    std::filesystem::create_symlink(real, file.path());
    ASSERT_TRUE(SaveTimerTime(file, "00:10:00"));
    EXPECT_TRUE(std::filesystem::is_symlink(file.path()));
    EXPECT_EQ(test::readText(real), "[Startup]\nUID=9\n[Timer]\nTime=00:10:00\n");
    EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
}
