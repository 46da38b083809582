#include "common/Locale.h"
#include "shell/ShellLinks.h"
#include "shell/StatusText.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(ShellLinks, MailGetsMailtoAndTheAddress) {
    EXPECT_EQ(MailtoLink("ann@example.org"), "mailto:ann@example.org");
    EXPECT_EQ(MailtoLink("MAILTO:ann@example.org"), "MAILTO:ann@example.org");
}

TEST(ShellLinks, WebGetsHttpOnlyWithoutASchemeOfItsOwn) {
    EXPECT_EQ(WebLink("abc"), "http://abc");
    EXPECT_EQ(WebLink("www.example.org/x?a=b:c"), "http://www.example.org/x?a=b:c");
    EXPECT_EQ(WebLink("http://example.org"), "http://example.org");
    EXPECT_EQ(WebLink("https://example.org"), "https://example.org");
    EXPECT_EQ(WebLink("ftp://files.example.org"), "ftp://files.example.org");
    EXPECT_EQ(WebLink("localhost:8080/app"), "http://localhost:8080/app");
    EXPECT_EQ(WebLink("1.2.3.4"), "http://1.2.3.4");
}

TEST(StatusText, DateAndTimePatterns) {
    EnglishLocale locale;
    EXPECT_EQ(StatusDateText(dayNumberFromCivil({2026, 12, 7}), locale), "07. Dec 26");
    EXPECT_EQ(StatusDateText(dayNumberFromCivil({2003, 5, 30}), locale), "30. May 03");
    EXPECT_EQ(StatusTimeText(encodeDateTime({2026, 12, 7}, {9, 5, 59, 999})), "09:05");
    EXPECT_EQ(StatusTimeText(encodeDateTime({2026, 12, 7}, {23, 59, 0, 0})), "23:59");
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
