#include "common/Locale.h"
#include "shell/ShellLinks.h"
#include "shell/StatusText.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(ShellLinks, MailGetsMailtoAndTheAddressAlone) {
    EXPECT_EQ(mailAddress("ann@example.org"), "ann@example.org");
    EXPECT_EQ(mailAddress("MAILTO:ann@example.org"), "ann@example.org");
    EXPECT_EQ(mailAddress(" ann@example.org "), "ann@example.org");
    // Header fields from an imported contact would fill in (or attach to) the message.
    EXPECT_EQ(mailAddress("ann@example.org?subject=Hi&body=Send%20money"), "ann@example.org");
    EXPECT_EQ(mailAddress("mailto:ann@example.org?attach=/home/me/.ssh/id_rsa"), "ann@example.org");
    EXPECT_EQ(mailAddress("ann@example.org#x"), "ann@example.org");
    EXPECT_EQ(mailAddress("?subject=only"), "");
    EXPECT_EQ(mailAddress("mailto:"), "");
}

TEST(ShellLinks, OnlyWebAndFtpLinksOpenWithoutAsking) {
    for (const char* plain :
         {"http://example.org", "HTTPS://example.org/a?b", "ftp://files.x", "Ftp://files.x"}) {
        EXPECT_TRUE(isPlainWebLink(plain)) << plain;
    }
    for (const char* other :
         {"file:///etc/passwd", "javascript:alert(1)", "mailto:a@b.c", "smb://server/share",
          "data:text/html,<b>x</b>", "http", "httpx://example.org", ""}) {
        EXPECT_FALSE(isPlainWebLink(other)) << other;
    }
    EXPECT_TRUE(isPlainWebLink(webLink("www.example.org")));
    EXPECT_FALSE(isPlainWebLink(webLink("file:///etc/passwd")));
}

TEST(ShellLinks, AskedLinksShowTheirControlCharacters) {
    EXPECT_EQ(visibleLinkText("javascript:x"), "javascript:x");
    EXPECT_EQ(visibleLinkText("file:///a\n\nhttps://bank.example"),
              "file:///a\\x0A\\x0Ahttps://bank.example");
    EXPECT_EQ(visibleLinkText(std::string("a\0b\x7F", 4)), "a\\x00b\\x7F");
}

TEST(ShellLinks, WebGetsHttpOnlyWithoutASchemeOfItsOwn) {
    EXPECT_EQ(webLink("abc"), "http://abc");
    EXPECT_EQ(webLink(" https://example.org "), "https://example.org");
    EXPECT_EQ(webLink("www.example.org/x?a=b:c"), "http://www.example.org/x?a=b:c");
    EXPECT_EQ(webLink("http://example.org"), "http://example.org");
    EXPECT_EQ(webLink("https://example.org"), "https://example.org");
    EXPECT_EQ(webLink("ftp://files.example.org"), "ftp://files.example.org");
    EXPECT_EQ(webLink("localhost:8080/app"), "http://localhost:8080/app");
    EXPECT_EQ(webLink("1.2.3.4"), "http://1.2.3.4");
}

TEST(StatusText, DateAndTimePatterns) {
    EnglishLocale locale;
    EXPECT_EQ(statusDateText(dayNumberFromCivil({2026, 12, 7}), locale), "07. Dec 26");
    EXPECT_EQ(statusDateText(dayNumberFromCivil({2003, 5, 30}), locale), "30. May 03");
    EXPECT_EQ(statusTimeText(encodeDateTime({2026, 12, 7}, {9, 5, 59, 999})), "09:05");
    EXPECT_EQ(statusTimeText(encodeDateTime({2026, 12, 7}, {23, 59, 0, 0})), "23:59");
}

TEST(EnglishLocale, NamesAndComparison) {
    EnglishLocale locale;
    EXPECT_EQ(locale.shortMonthName(1), "Jan");
    EXPECT_EQ(locale.longMonthName(9), "September");
    EXPECT_EQ(locale.shortDayName(0), "Sun");
    EXPECT_EQ(locale.longDayName(3), "Wednesday");
    EXPECT_LT(locale.compare("apple", "Banana"), 0);
    EXPECT_LT(locale.compare("a", "A"), 0);
    EXPECT_GT(locale.compare("B", "b"), 0);
    EXPECT_LT(locale.compare("Ann", "Anne"), 0);
    EXPECT_EQ(locale.compare("same", "same"), 0);
}
