// The exchange file as preparing writes it: the header's fields and defaults byte by byte, the
// counts, the two record blocks, the file name rule and a write that never leaves half a file.
#include "common/LittleEndian.h"
#include "exchange/ExchangeFile.h"
#include "exchange/PrepareExchange.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

using namespace trevik;
using namespace trevik::test;

namespace {

struct Installation {
    TempDir data;
    TempDir config;
    SettingsFile settings{config / "Trevik.Ini"};

    std::vector<unsigned char> prepare(const std::string& name = "out") {
        const PrepareResult result =
            PrepareExchange(data.path(), settings, (data.path() / name).string());
        EXPECT_TRUE(result.ok()) << result.error;
        return readBytes(result.path);
    }
};

template <typename T> T at(const std::vector<unsigned char>& bytes, std::size_t offset) {
    return loadLE<T>(bytes.data() + offset);
}

std::string textAt(const std::vector<unsigned char>& bytes, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), width);
}

} // namespace

TEST(ExchangeHeader, AnEmptyInstallationWritesTheDefaultsOfTheExchangeFormatAndNoRecords) {
    Installation here;
    const auto bytes = here.prepare();
    ASSERT_EQ(bytes.size(), 144u);
    EXPECT_EQ(at<std::int16_t>(bytes, 0), 60);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 0); // LaunchOnStartup travels as 0, not the program's own true
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(at<std::int16_t>(bytes, 6), 0); // and DateEntryDisplayMode as 0, not 2
    EXPECT_EQ(at<std::int16_t>(bytes, 8), 15);
    EXPECT_EQ(at<std::int16_t>(bytes, 10), 24);
    EXPECT_EQ(bytes[12], 0);
    EXPECT_EQ(at<std::int16_t>(bytes, 14), 104);
    EXPECT_EQ(at<std::int16_t>(bytes, 16), 168);
    EXPECT_EQ(at<std::int16_t>(bytes, 18), 417);
    EXPECT_EQ(at<std::int16_t>(bytes, 20), 710);
    const std::int16_t address[] = {90, 50, 50, 70, 75, 70, 120, 150, 120};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(at<std::int16_t>(bytes, 22 + 2 * i), address[i]) << "Col" << i + 1;
    }
    const std::int16_t calendar[] = {6, 40, 55, 135, 10, 10};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(at<std::int16_t>(bytes, 40 + 2 * i), calendar[i]) << "Col" << i + 1;
    }
    EXPECT_EQ(textAt(bytes, 52, 9), std::string("00:00:00\0", 9));
    EXPECT_EQ(bytes[61], 0);
    EXPECT_EQ(textAt(bytes, 62, 2), std::string("1\0", 2)); // the sound "1", not empty
    EXPECT_EQ(at<std::int16_t>(bytes, 132), 1);
    EXPECT_EQ(at<std::int32_t>(bytes, 136), 0);
    EXPECT_EQ(at<std::int32_t>(bytes, 140), 0);
    // Nothing of this machine hides in the reserved bytes or behind the terminators.
    for (std::size_t offset : {5u, 13u, 134u, 135u}) {
        EXPECT_EQ(bytes[offset], 0) << offset;
    }
    for (std::size_t offset = 64; offset < 132; ++offset) {
        EXPECT_EQ(bytes[offset], 0) << offset;
    }
}

TEST(ExchangeHeader, SettingsTravelAsInt16ClampedAndTextsCutToTheirFields) {
    Installation here;
    const std::string sound69(69, 's');
    writeBytes(here.config / "Trevik.Ini",
               "[Display]\nAddresRatio=70000\nSplashScreen=0\nLaunchOnStartup=5\n"
               "DateEntryDisplayMode=1\n[Misc]\nTimeInterval=0x1E\nWeekFormat=1\n"
               "[Position]\nLeft=-20\nTop=-40000\n[Calenadar]\nCol6=77\n[Calendar]\nCol1=99\n"
               "[Timer]\nTime=123456789\nAutoRepeat=1\n[Alarm]\nSound=" +
                   sound69 + "\nRepeat=3\n");
    auto bytes = here.prepare();
    EXPECT_EQ(at<std::int16_t>(bytes, 0), 32767); // clamped, not cut to 4464
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(at<std::int16_t>(bytes, 6), 1);
    EXPECT_EQ(at<std::int16_t>(bytes, 8), 30);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(at<std::int16_t>(bytes, 14), -20);
    EXPECT_EQ(at<std::int16_t>(bytes, 16), -32768);
    EXPECT_EQ(at<std::int16_t>(bytes, 40), 6); // [Calendar] is not the columns' section
    EXPECT_EQ(at<std::int16_t>(bytes, 50), 77);
    EXPECT_EQ(textAt(bytes, 52, 9), std::string("12345678\0", 9));
    EXPECT_EQ(bytes[61], 1);
    EXPECT_EQ(textAt(bytes, 62, 70), sound69 + '\0'); // 69 characters fit, the terminator last
    EXPECT_EQ(at<std::int16_t>(bytes, 132), 3);

    here.settings.setValue("Alarm", "Sound", std::string(75, 'x'));
    bytes = here.prepare();
    EXPECT_EQ(textAt(bytes, 62, 70), std::string(69, 'x') + '\0');
}

TEST(ExchangeHeader, DecodingGivesBackWhatEncodingWrote) {
    ExchangeHeader header;
    header.left = -20;
    header.addressColumns[8] = -1;
    header.timerTime = "01:02:03";
    header.alarmSound = "/usr/share/sounds/bell.wav";
    header.launchOnStartup = true;
    header.addressCount = 7;
    header.calendarCount = -3;
    std::uint8_t bytes[kExchangeHeaderSize];
    encodeExchangeHeader(header, bytes);
    EXPECT_EQ(decodeExchangeHeader(bytes), header);
    // Unterminated texts end at their field; any non-zero byte is true.
    std::memset(bytes + 52, 'T', 9);
    std::memset(bytes + 62, 'S', 70);
    bytes[2] = 7;
    const ExchangeHeader damaged = decodeExchangeHeader(bytes);
    EXPECT_EQ(damaged.timerTime, std::string(8, 'T'));
    EXPECT_EQ(damaged.alarmSound, std::string(69, 'S'));
    EXPECT_TRUE(damaged.splashScreen);
}

TEST(PrepareExchange, TheRecordBlocksFollowTheHeaderInFileOrderWithTheirCounts) {
    Installation here;
    const std::vector<CalendarEntry> entries = {entryOf("one", 46000.25, 11, 46001, 4),
                                                entryOf("two", 46000.5, 12, 46002, 9),
                                                entryOf("three", 46000.75, 11, 46003, 2)};
    auto linked = entries;
    linked[1].addressLink = 5;
    linked[1].flag = 3;
    linked[1].fileLink = "/home/me/plan.odt";
    appendEntries(here.data.path(), linked);
    auto bytes = here.prepare();
    ASSERT_EQ(bytes.size(), 144u + 3 * 164u);
    EXPECT_EQ(at<std::int32_t>(bytes, 136), 0);
    EXPECT_EQ(at<std::int32_t>(bytes, 140), 3);
    for (std::size_t i = 0; i < 3; ++i) {
        std::uint8_t expected[kCalendarRecordSize] = {};
        encodeCalendarEntry(linked[i], expected);
        EXPECT_EQ(std::memcmp(bytes.data() + 144 + 164 * i, expected, sizeof expected), 0) << i;
    }
    // Ids and links go as they are.
    EXPECT_EQ(at<std::int32_t>(bytes, 144 + 164 + 4), 9);
    EXPECT_EQ(at<std::int32_t>(bytes, 144 + 164 + 28), 5);

    appendContacts(here.data.path(), {contactOf("Ann", 45000.5, 11, 45001, 3),
                                      contactOf("Bob", 45000.75, 12, 45002, 1)});
    bytes = here.prepare();
    ASSERT_EQ(bytes.size(), 144u + 2 * 360u + 3 * 164u);
    EXPECT_EQ(at<std::int32_t>(bytes, 136), 2);
    EXPECT_EQ(at<std::int32_t>(bytes, 140), 3);
    const Contact bob = decodeContact(bytes.data() + 144 + 360);
    EXPECT_EQ(bob.id, 1);
    EXPECT_EQ(bob.name, "Bob");
    EXPECT_EQ(bob.created, 45000.75);
    EXPECT_EQ(bob.originUid, 12);
    EXPECT_EQ(bob.updated, 45002);
    EXPECT_EQ(decodeCalendarEntry(bytes.data() + 144 + 720).comment, "one");
}

TEST(PrepareExchange, TvxIsAppendedOnlyToANameWithoutAnyDot) {
    EXPECT_EQ(exchangeFileName("/home/me/data"), "/home/me/data.tvx");
    EXPECT_EQ(exchangeFileName("/home/me/data.bak"), "/home/me/data.bak");
    EXPECT_EQ(exchangeFileName("/media/usb.stick/data"), "/media/usb.stick/data");
    EXPECT_EQ(exchangeFileName("data"), "data.tvx");
    EXPECT_EQ(exchangeDirOf("/media/usb/data", "/old/"), "/media/usb/");
    EXPECT_EQ(exchangeDirOf("data", "/old/"), "/old/");
    EXPECT_EQ(exchangeDirOf("/data", "/old/"), "/old/"); // the first character is not looked at

    Installation here;
    const PrepareResult result =
        PrepareExchange(here.data.path(), here.settings, (here.data.path() / "laptop").string());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.path, (here.data.path() / "laptop.tvx").string());
    EXPECT_TRUE(std::filesystem::exists(here.data.path() / "laptop.tvx"));
    EXPECT_FALSE(std::filesystem::exists(here.data.path() / "laptop"));
}

TEST(PrepareExchange, PreparingAgainReplacesTheFileWholeAndAFailureLeavesTheOldOne) {
    Installation here;
    appendContacts(here.data.path(), {contactOf("Ann", 45000.5, 11, 45001, 1)});
    EXPECT_EQ(here.prepare("x.tvx").size(), 144u + 360u);
    std::filesystem::remove(here.data / "ADDRESS.TVD");
    EXPECT_EQ(here.prepare("x.tvx").size(), 144u); // no stale record left at its end

    // A data file that cannot be read writes nothing and says why.
    std::filesystem::create_directory(here.data / "CALENDAR.TVD");
    appendContacts(here.data.path(), {contactOf("Bob", 45000.5, 11, 45001, 1)});
    const PrepareResult failed =
        PrepareExchange(here.data.path(), here.settings, (here.data / "x.tvx").string());
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.error.find("CALENDAR.TVD"), std::string::npos) << failed.error;
    EXPECT_EQ(readBytes(here.data / "x.tvx").size(), 144u);

    // So does a directory that does not exist.
    std::filesystem::remove(here.data / "CALENDAR.TVD");
    const PrepareResult nowhere = PrepareExchange(here.data.path(), here.settings,
                                                  (here.data / "missing" / "x.tvx").string());
    EXPECT_FALSE(nowhere.ok());
    EXPECT_NE(nowhere.error.find("missing"), std::string::npos) << nowhere.error;

    // Neither leaves a temporary file behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(here.data.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2); // ADDRESS.TVD and x.tvx
}

TEST(PrepareExchange, ASettingsFileThatCannotBeReadIsAnErrorNotTheDefaults) {
    Installation here;
    std::filesystem::create_directory(here.config / "Trevik.Ini");
    const PrepareResult result =
        PrepareExchange(here.data.path(), here.settings, (here.data / "x.tvx").string());
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("Trevik.Ini"), std::string::npos) << result.error;
    EXPECT_FALSE(std::filesystem::exists(here.data / "x.tvx"));
}

TEST(ExchangeFile, CountsAreNeverTrustedBeyondTheWholeRecordsPresent) {
    const std::vector<Contact> contacts = {contactOf("A", 1, 1, 1), contactOf("B", 2, 1, 1)};
    const std::vector<CalendarEntry> entries = {entryOf("e", 3, 1, 1)};
    const std::string whole = exchangeOf({}, contacts, entries);
    {
        MemorySource source(whole);
        ExchangeFile file(source);
        EXPECT_EQ(file.presentContacts(), 2);
        EXPECT_EQ(file.presentEntries(), 1);
        EXPECT_EQ(file.entry(0)->comment, "e");
        EXPECT_FALSE(file.entry(1));
    }
    {
        // Cut inside the second contact: one contact, and no calendar block at all.
        MemorySource source(std::string_view(whole).substr(0, 144 + 360 + 100));
        ExchangeFile file(source);
        EXPECT_EQ(file.presentContacts(), 1);
        EXPECT_EQ(file.presentEntries(), 0);
        EXPECT_EQ(file.announcedEntries(), 1);
    }
    struct Case {
        std::int32_t addressCount, calendarCount;
        std::int64_t contacts, entries;
    };
    // 884 bytes follow the header: two whole contacts, or five whole entries.
    for (const Case& c : {Case{-1, 1, 0, 1}, Case{0x7fffffff, 0x7fffffff, 2, 0},
                          Case{-2147483647 - 1, 5, 0, 5}, Case{2, -7, 2, 0}, Case{0, 9, 0, 5}}) {
        ExchangeHeader header;
        header.addressCount = c.addressCount;
        header.calendarCount = c.calendarCount;
        const std::string bytes = exchangeOf(header, contacts, entries, false);
        MemorySource source(bytes);
        ExchangeFile file(source);
        EXPECT_EQ(file.presentContacts(), c.contacts) << c.addressCount;
        EXPECT_EQ(file.presentEntries(), c.entries) << c.addressCount;
        EXPECT_FALSE(file.contact(c.contacts));
        EXPECT_FALSE(file.entry(c.entries));
        EXPECT_FALSE(file.contact(-1));
    }
    MemorySource tooShort(std::string_view(whole).substr(0, 143));
    EXPECT_NE(ExchangeFile::problemWith(tooShort).find("143 bytes"), std::string::npos);
}
