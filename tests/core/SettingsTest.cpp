#include "settings/Settings.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace trevik;
using trevik::test::TempDir;

namespace {

struct SettingsFixture : ::testing::Test {
    TempDir dir;
    SettingsFile file{dir / "Trevik.Ini"};

    void writeFile(const std::string& text) { test::writeBytes(file.path(), text); }
    std::string fileText() const { return test::readText(file.path()); }
};

} // namespace

TEST_F(SettingsFixture, AMissingFileGivesEveryDefault) {
    EXPECT_EQ(LoadDisplaySettings(file), DisplaySettings{});
    EXPECT_EQ(LoadWindowPosition(file), (WindowPosition{104, 168, 417, 710}));
    EXPECT_EQ(loadAddressColumnWidths(file), kDefaultAddressColumns);
    EXPECT_EQ(loadCalendarColumnWidths(file), kDefaultCalendarColumns);
    EXPECT_TRUE(LoadSplashSetting(file));
    EXPECT_EQ(LoadTimerTime(file), "00:00:00");
    EXPECT_FALSE(LoadTimerAutoRepeat(file));
    EXPECT_EQ(LoadAlarmSound(file), "");
    EXPECT_EQ(loadDataDir(file), "");
    EXPECT_FALSE(std::filesystem::exists(file.path())); // reading never creates it
}

TEST_F(SettingsFixture, ValuesAreReadByTheFilesRules) {
    writeFile("[display]\nAddresRatio=$32\nSplashScreen=0\nCalendarView=103\n"
              "[Misc]\nWeekFormat=2\nTimeInterval=abc\nTimeFormat=0x0C\n"
              "[ALARM]\nRepeat= 4\n");
    const DisplaySettings s = LoadDisplaySettings(file);
    EXPECT_EQ(s.addressRatio, 50);
    EXPECT_FALSE(s.splashScreen);
    EXPECT_FALSE(LoadSplashSetting(file));
    EXPECT_EQ(s.calendarViewCode, 103);
    EXPECT_TRUE(s.weekStartsMonday);
    EXPECT_EQ(s.timeInterval, 15);
    EXPECT_EQ(s.timeFormat, 12);
    EXPECT_EQ(s.alarmRepeat, 4);
    writeFile("[Misc]\nTimeInterval=0x1E\n");
    EXPECT_EQ(LoadDisplaySettings(file).timeInterval, 30);
}

TEST_F(SettingsFixture, CalendarColumnsLiveUnderTheOldSpelling) {
    writeFile("[Calendar]\nCol1=99\n[Calenadar]\nCol2=77\n");
    const CalendarColumnWidths widths = loadCalendarColumnWidths(file);
    EXPECT_EQ(widths[0], 6);
    EXPECT_EQ(widths[1], 77);
    const CalendarColumnWidths saved = {1, 2, 3, 4, 5, 6};
    SaveWindowLayout(file, {}, kDefaultAddressColumns, saved);
    EXPECT_EQ(loadCalendarColumnWidths(file), saved);
    EXPECT_NE(fileText().find("[Calendar]\nCol1=99\n"), std::string::npos) << fileText();
}

TEST_F(SettingsFixture, DisplaySettingsRoundTripWithoutTheCalendarView) {
    writeFile("[Display]\nCalendarView=104\n");
    DisplaySettings s;
    s.addressRatio = 45;
    s.splashScreen = false;
    s.openOnStartup = false;
    s.calendarViewCode = 106;
    s.datePeriodMode = 0;
    s.timeInterval = 60;
    s.timeFormat = 12;
    s.weekStartsMonday = true;
    s.alarmRepeat = 9;
    ASSERT_TRUE(SaveDisplaySettings(file, s));
    DisplaySettings expected = s;
    expected.calendarViewCode = 104; // only the exit writes it
    EXPECT_EQ(LoadDisplaySettings(file), expected);
    EXPECT_EQ(fileText(), "[Display]\nCalendarView=104\nAddresRatio=45\nSplashScreen=0\n"
                          "LaunchOnStartup=1\nOpenOnStartup=0\nDateEntryDisplayMode=0\n"
                          "[Misc]\nTimeInterval=60\nTimeFormat=12\nWeekFormat=1\n"
                          "[Alarm]\nRepeat=9\n");
}

TEST_F(SettingsFixture, WritingAKeyLeavesAHandWrittenFileOtherwiseIdentical) {
    const std::string original = "; Trevik settings, edited by hand\r\n"
                                 "[Timer]\r\n"
                                 "Time=00:05:00\r\n"
                                 "AutoRepeat=1\r\n"
                                 "\r\n"
                                 "[Custom]\r\n"
                                 "Something = else ; not ours\r\n";
    writeFile(original);
    ASSERT_TRUE(SaveTimerTime(file, "01:30:00"));
    std::string expected = original;
    expected.replace(expected.find("Time=00:05:00"), 13, "Time=01:30:00");
    EXPECT_EQ(fileText(), expected);
    EXPECT_EQ(LoadTimerTime(file), "01:30:00");
    EXPECT_TRUE(LoadTimerAutoRepeat(file));
}

TEST_F(SettingsFixture, TheUidIsMadeOnceAndKept) {
    test::FixedClock clock(0, 1765000000);
    EXPECT_EQ(loadOrMakeInstallationUid(file, clock), 1765000000);
    EXPECT_EQ(file.readInteger("Startup", "UID", 0), 1765000000);
    clock.setUnixSeconds(1800000000);
    EXPECT_EQ(loadOrMakeInstallationUid(file, clock), 1765000000);
    EXPECT_EQ(file.readInteger("startup", "uid", 0), 1765000000);
}

TEST_F(SettingsFixture, ExitStoresTheDirectoryOnlyOnceAndOnlyWhenLaunchingAtLogon) {
    ExitState state;
    state.currentDir = "/home/me/diary";
    state.launchOnStartup = false;
    state.calendarViewCode = 103;
    state.position = {1, 2, 300, 400};
    saveExitState(file, state);
    EXPECT_EQ(loadDataDir(file), "");
    EXPECT_EQ(LoadDisplaySettings(file).calendarViewCode, 103);
    EXPECT_EQ(LoadWindowPosition(file), (WindowPosition{1, 2, 300, 400}));

    state.launchOnStartup = true;
    saveExitState(file, state);
    EXPECT_EQ(loadDataDir(file), "/home/me/diary");
    state.currentDir = "/elsewhere";
    saveExitState(file, state);
    EXPECT_EQ(loadDataDir(file), "/home/me/diary");
}

TEST_F(SettingsFixture, LayoutIsSavedAndLoadedWhole) {
    const AddressColumnWidths address = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const CalendarColumnWidths calendar = {11, 12, 13, 14, 15, 16};
    ASSERT_TRUE(SaveWindowLayout(file, {-50, 3000, 200, 100}, address, calendar));
    EXPECT_EQ(LoadWindowPosition(file), (WindowPosition{-50, 3000, 200, 100}));
    EXPECT_EQ(loadAddressColumnWidths(file), address);
    EXPECT_EQ(loadCalendarColumnWidths(file), calendar);
}

TEST_F(SettingsFixture, AWriteThatCannotReplaceTheFileFailsAndLeavesNoTemporaryFile) {
    // A directory in the file's place cannot be replaced by a rename.
    std::filesystem::create_directories(file.path() / "blocker");
    EXPECT_FALSE(SaveAlarmSound(file, "new.wav"));
    EXPECT_TRUE(std::filesystem::is_directory(file.path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(SettingsFixture, TheStandardFileFollowsXdgConfigHome) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(SettingsFile::standard().path(), dir / "Trevik.Ini");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(SettingsFile::standard().path(), "/home/someone/.config/Trevik.Ini");
    if (home != nullptr) {
        ::setenv("HOME", savedHome.c_str(), 1);
    } else {
        ::unsetenv("HOME");
    }
}
