#include "common/Cp1252.h"
#include "common/TextField.h"

#include <gtest/gtest.h>

#include <array>

using namespace trevik;

TEST(TextField, ShortTextIsTerminatedAndTheRestKept) {
    std::array<std::uint8_t, 8> field;
    field.fill('#');
    writeTextField(field.data(), field.size(), "abc");
    EXPECT_EQ(std::string(field.begin(), field.end()), std::string("abc\0####", 8));
    EXPECT_EQ(readTextField(field.data(), field.size()), "abc");
}

TEST(TextField, FullTextHasNoTerminatorAndLongerTextIsCut) {
    std::array<std::uint8_t, 10> bytes;
    bytes.fill('Z');
    writeTextField(bytes.data(), 4, "abcdef");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abcdZZZZZZ");
    EXPECT_EQ(readTextField(bytes.data(), 4), "abcd"); // the reader stops at the width
    writeTextField(bytes.data(), 4, "");
    EXPECT_EQ(readTextField(bytes.data(), 4), "");
}

TEST(Cp1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += char(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsTheSpecialCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252ToUtf8("M\xFCller"), "M\u00FCller");
    EXPECT_EQ(utf8ToCp1252("\u201Cq\u201D"), "\x93q\x94");
    EXPECT_EQ(utf8ToCp1252("caf\u00E9"), "caf\xE9");
}

TEST(Cp1252, UnrepresentableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("\u4E2D\u6587"), "??");
    EXPECT_EQ(utf8ToCp1252("\U0001F600!"), "?!");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8ToCp1252("\xFF"
                           "b"),
              "?b");
}

TEST(Cp1252, LowerCasesAccentedLetters) {
    EXPECT_EQ(cp1252ToLower("MAR \xC4\xD6\xDC \x8A\x9F"), "mar \xE4\xF6\xFC \x9A\xFF");
    EXPECT_EQ(cp1252ToLower("\xD7\xDF"), "\xD7\xDF"); // multiplication sign and sharp s stay
}
