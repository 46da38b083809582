// The window's command line: the desktop entry's actions, an exchange file, and what a second
// start hands to the running instance.
#include "shell/StartArguments.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(StartArguments, OneFileOpensTheUpdateDialogAndNoneOrSeveralOpenNothing) {
    EXPECT_EQ(parseStartArguments({"/media/usb/desk.tvx"}).exchangeFile, "/media/usb/desk.tvx");
    EXPECT_FALSE(parseStartArguments({}).asksAnything());
    EXPECT_EQ(parseStartArguments({"a.tvx", "b.tvx"}).exchangeFile, "");
    EXPECT_FALSE(parseStartArguments({"a.tvx", "b.tvx"}).asksAnything());
    // Options do not count as files; after "--" everything is a file.
    const StartArguments withOption = parseStartArguments({"--today", "desk.tvx"});
    EXPECT_TRUE(withOption.today);
    EXPECT_EQ(withOption.exchangeFile, "desk.tvx");
    EXPECT_EQ(parseStartArguments({"--", "--today"}).exchangeFile, "--today");
    EXPECT_FALSE(parseStartArguments({"--", "--today"}).today);
    // A single dash is a file name as any other.
    EXPECT_EQ(parseStartArguments({"-"}).exchangeFile, "-");
}

TEST(StartArguments, TheDesktopActionsAndUnknownOptions) {
    EXPECT_TRUE(parseStartArguments({"--new-entry"}).newEntry);
    EXPECT_TRUE(parseStartArguments({"--new-entry"}).asksAnything());
    EXPECT_TRUE(parseStartArguments({"--today"}).today);
    EXPECT_TRUE(parseStartArguments({"--help"}).help);
    EXPECT_FALSE(parseStartArguments({"--help"}).asksAnything());
    EXPECT_TRUE(parseStartArguments({"--version"}).version);
    const StartArguments unknown = parseStartArguments({"--nwe-entry", "--bad"});
    EXPECT_EQ(unknown.error, "unknown option --nwe-entry");
    EXPECT_FALSE(unknown.newEntry);
    EXPECT_NE(startUsage().find("--new-entry"), std::string::npos);
    EXPECT_NE(startUsage().find("--today"), std::string::npos);
}
