#include "settings/IniDocument.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(ProfileInt, ReadsDecimalWithSignsAndBlanks) {
    EXPECT_EQ(parseProfileInt("15", 0), 15);
    EXPECT_EQ(parseProfileInt("  42", 0), 42);
    EXPECT_EQ(parseProfileInt("+7", 0), 7);
    EXPECT_EQ(parseProfileInt("-120", 0), -120);
    EXPECT_EQ(parseProfileInt("2147483647", 0), 2147483647);
    EXPECT_EQ(parseProfileInt("-2147483648", 0), -2147483647 - 1);
}

TEST(ProfileInt, ReadsEveryHexPrefix) {
    EXPECT_EQ(parseProfileInt("0x1E", 15), 30);
    EXPECT_EQ(parseProfileInt("0X1e", 15), 30);
    EXPECT_EQ(parseProfileInt("$1E", 15), 30);
    EXPECT_EQ(parseProfileInt("x1E", 15), 30);
    EXPECT_EQ(parseProfileInt("X1E", 15), 30);
    EXPECT_EQ(parseProfileInt(" $ff", 0), 255);
    EXPECT_EQ(parseProfileInt("$FFFFFFFF", 0), -1);
}

TEST(ProfileInt, TrailingBlanksAreNotPartOfTheNumber) {
    EXPECT_EQ(parseProfileInt("60 ", 15), 60);
    EXPECT_EQ(parseProfileInt(" 30\t ", 15), 30);
    EXPECT_EQ(parseProfileInt("0x1E  ", 15), 30);
    EXPECT_EQ(parseProfileInt("-7 ", 15), -7);
}

TEST(ProfileInt, UnreadableValuesGiveTheDefault) {
    EXPECT_EQ(parseProfileInt("", 15), 15);
    EXPECT_EQ(parseProfileInt("   ", 15), 15);
    EXPECT_EQ(parseProfileInt("abc", 15), 15);
    EXPECT_EQ(parseProfileInt("12abc", 15), 15);
    EXPECT_EQ(parseProfileInt("12 3", 15), 15);
    EXPECT_EQ(parseProfileInt("-", 15), 15);
    EXPECT_EQ(parseProfileInt("0x", 15), 15);
    EXPECT_EQ(parseProfileInt("$G", 15), 15);
    EXPECT_EQ(parseProfileInt("2147483648", 15), 15);
    EXPECT_EQ(parseProfileInt("-2147483649", 15), 15);
    EXPECT_EQ(parseProfileInt("99999999999999999999", 15), 15);
    EXPECT_EQ(parseProfileInt("$100000000", 15), 15);
}

TEST(IniDocument, NamesCompareWithoutLetterCase) {
    const IniDocument doc = IniDocument::parse("[timer]\ntime=01:02:03\n[MISC]\nTIMEINTERVAL=30\n");
    EXPECT_EQ(doc.value("Timer", "Time"), "01:02:03");
    EXPECT_EQ(doc.value("Misc", "TimeInterval"), "30");
    EXPECT_EQ(doc.value("Misc", "Time"), std::nullopt);
    EXPECT_EQ(doc.value("Other", "Time"), std::nullopt);
}

TEST(IniDocument, ValuesAreTheTextAfterTheEqualsSign) {
    const IniDocument doc =
        IniDocument::parse("[Alarm]\r\nSound=/a b/c=d.wav\r\n Repeat = 3\r\nEmpty=\r\n");
    EXPECT_EQ(doc.value("Alarm", "Sound"), "/a b/c=d.wav");
    EXPECT_EQ(doc.value("Alarm", "Repeat"), " 3");
    EXPECT_EQ(doc.value("Alarm", "Empty"), "");
}

TEST(IniDocument, TheFirstSectionAndKeyOfANameCount) {
    const IniDocument doc = IniDocument::parse("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n");
    EXPECT_EQ(doc.value("A", "k"), "1");
    EXPECT_EQ(doc.value("B", "k"), "3");
    EXPECT_EQ(doc.value("A", "j"), std::nullopt);
}

TEST(IniDocument, KeysBeforeAnySectionBelongToNone) {
    const IniDocument doc = IniDocument::parse("Time=1\n[Timer]\nAutoRepeat=1\n");
    EXPECT_EQ(doc.value("Timer", "Time"), std::nullopt);
    EXPECT_EQ(doc.value("Timer", "AutoRepeat"), "1");
}

TEST(IniDocument, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    const std::string original = "; my settings\r\n"
                                 "[Display]\r\n"
                                 "AddresRatio=55\r\n"
                                 "  ; a comment inside\r\n"
                                 "Unknown Key = keep me\r\n"
                                 "\r\n"
                                 "[Misc]\n"
                                 "TimeInterval=30\n"
                                 "trailing line without newline";
    IniDocument doc = IniDocument::parse(original);
    EXPECT_EQ(doc.text(), original);
    doc.setValue("display", "addresratio", "70");
    std::string expected = original;
    expected.replace(expected.find("AddresRatio=55"), 14, "AddresRatio=70");
    EXPECT_EQ(doc.text(), expected);
}

TEST(IniDocument, NewKeysGoAtTheEndOfTheirSection) {
    IniDocument doc = IniDocument::parse("[Display]\nAddresRatio=55\n\n[Misc]\nTimeFormat=12\n");
    doc.setValue("Display", "SplashScreen", "0");
    doc.setValue("Misc", "WeekFormat", "1");
    EXPECT_EQ(doc.text(), "[Display]\nAddresRatio=55\nSplashScreen=0\n\n[Misc]\nTimeFormat=12\n"
                          "WeekFormat=1\n");
}

TEST(IniDocument, NewSectionsGoAtTheEndWithTheFilesLineEnding) {
    IniDocument doc = IniDocument::parse("[Display]\r\nAddresRatio=55");
    doc.setValue("Timer", "Time", "00:10:00");
    EXPECT_EQ(doc.text(), "[Display]\r\nAddresRatio=55\r\n[Timer]\r\nTime=00:10:00\r\n");
    IniDocument empty;
    empty.setValue("Startup", "UID", "5");
    EXPECT_EQ(empty.text(), "[Startup]\nUID=5\n");
}

TEST(IniDocument, LineBreaksInAValueCannotAddKeys) {
    IniDocument doc = IniDocument::parse("[Alarm]\nSound=a\n[Startup]\nUID=5\n");
    doc.setValue("Alarm", "Sound", "evil.wav\r\n[Startup]\r\nUID=1");
    EXPECT_EQ(doc.value("Alarm", "Sound"), "evil.wav[Startup]UID=1");
    EXPECT_EQ(doc.value("Startup", "UID"), "5");
    EXPECT_EQ(doc.text(), "[Alarm]\nSound=evil.wav[Startup]UID=1\n[Startup]\nUID=5\n");
}
