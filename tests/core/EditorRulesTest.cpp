#include "editor/EditorSetup.h"
#include "editor/EditorValues.h"
#include "editor/EntryKind.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using trevik::test::TempDir;

TEST(EntryKind, EveryNamedCombination) {
    const struct {
        EntryPresence presence;
        const char* kind;
    } table[] = {
        {{true, false, false, false, false}, "Date Entry"},
        {{true, true, false, false, false}, "Planner"},
        {{true, false, true, false, false}, "Date and Time"},
        {{true, false, true, true, false}, "Date and Time Period"},
        {{true, false, true, false, true}, "Date and Time with Alarm"},
        {{true, false, true, true, true}, "Date and Time Period with Alarm"},
        {{false, false, true, false, false}, "Time Entry"},
        {{false, false, true, true, false}, "Time Period Entry"},
        {{false, false, true, false, true}, "Time Entry with Alarm"},
        {{false, false, true, true, true}, "Time Period with Alarm"},
        {{false, false, false, false, true}, "Alarm"},
        {{false, false, false, false, false}, "To Do List"},
        {{true, true, true, false, false}, ""},
        {{false, true, false, false, false}, ""},
        {{true, false, false, true, false}, ""},
        {{true, false, false, false, true}, ""},
    };
    for (const auto& row : table) {
        EXPECT_EQ(entryKindText(row.presence), row.kind);
    }
    EXPECT_TRUE(isPlannerKind({true, true, false, false, false}));
    EXPECT_FALSE(isPlannerKind({true, true, true, false, false}));
}

TEST(EditorValues, TimesAreHoursAndMinutes) {
    EXPECT_EQ(parseTimeText("9:30"), timeFraction({9, 30, 0, 0}));
    EXPECT_EQ(parseTimeText(" 09:05 "), timeFraction({9, 5, 0, 0}));
    EXPECT_EQ(parseTimeText("23:59:30"), timeFraction({23, 59, 30, 0}));
    EXPECT_EQ(parseTimeText("0:00"), 0.0);
    for (const char* bad : {"", "9", "24:00", "9:60", "9.30", "nine", "9:30pm", "123:00", "9:"}) {
        EXPECT_FALSE(parseTimeText(bad).has_value()) << bad;
    }
}

TEST(EditorValues, DatesFollowTheShortDatePattern) {
    EnglishLocale locale; // dd/MM/yyyy
    EXPECT_EQ(ParseDateText("08/03/2026", locale), dayNumberFromCivil({2026, 3, 8}));
    EXPECT_EQ(ParseDateText("8/3/26", locale), dayNumberFromCivil({2026, 3, 8}));
    EXPECT_EQ(ParseDateText("8.3.1999 10:15", locale), dayNumberFromCivil({1999, 3, 8}));
    EXPECT_EQ(ParseDateText("1/1/75", locale), dayNumberFromCivil({1975, 1, 1}));
    for (const char* bad : {"", "31/04/2026", "29/02/2025", "8/3", "tomorrow", "8/3/2026/1",
                            "1/1/1850", "31/12/1899"}) {
        EXPECT_FALSE(ParseDateText(bad, locale).has_value()) << bad;
    }
}

namespace {

// English names with a short date pattern of the test's choosing.
class PatternLocale final : public Locale {
public:
    explicit PatternLocale(std::string pattern) : pattern_(std::move(pattern)) {}
    std::string shortMonthName(int m) const override { return english.shortMonthName(m); }
    std::string longMonthName(int m) const override { return english.longMonthName(m); }
    std::string shortDayName(int d) const override { return english.shortDayName(d); }
    std::string longDayName(int d) const override { return english.longDayName(d); }
    std::string shortDateFormat() const override { return pattern_; }
    int compare(std::string_view a, std::string_view b) const override {
        return english.compare(a, b);
    }
    std::string toLower(std::string_view t) const override { return english.toLower(t); }

private:
    EnglishLocale english;
    std::string pattern_;
};

} // namespace

TEST(EditorValues, OtherPatternOrders) {
    const PatternLocale iso("yyyy-MM-dd");
    EXPECT_EQ(ParseDateText("2026-03-08", iso), dayNumberFromCivil({2026, 3, 8}));
    EXPECT_FALSE(ParseDateText("08-03-2026", iso).has_value());
}

TEST(EditorValues, PatternsWithBlanksDotsNamesAndQuotedText) {
    const DayNumber march8 = dayNumberFromCivil({2026, 3, 8});
    const PatternLocale hungarian("yyyy. MM. dd.");
    EXPECT_EQ(ParseDateText("2026. 03. 08.", hungarian), march8);
    EXPECT_EQ(ParseDateText("2026. 03. 08. 10:15", hungarian), march8);
    EXPECT_EQ(ParseDateText("2026.3.8", hungarian), march8);
    const PatternLocale named("d MMM yyyy");
    EXPECT_EQ(ParseDateText("8 Mar 2026", named), march8);
    EXPECT_EQ(ParseDateText("8 MARCH 2026", named), march8);
    EXPECT_EQ(ParseDateText("8 3 2026", named), march8);
    EXPECT_FALSE(ParseDateText("8 Mars 2026", named).has_value());
    const PatternLocale quoted("d.MM.yy 'r.'");
    EXPECT_EQ(ParseDateText("8.03.26 r.", quoted), march8);
    EXPECT_EQ(ParseDateText("8.03.26", quoted), march8);
    EXPECT_FALSE(ParseDateText("8.03.26 x.", quoted).has_value());
}

TEST(EditorValues, ATwoDigitYearKeepsTheCenturyTheBoxShowed) {
    const PatternLocale american("M/d/yy");
    const DayNumber march12 = dayNumberFromCivil({1945, 3, 12});
    EXPECT_EQ(ParseDateText("3/12/45", american), dayNumberFromCivil({2045, 3, 12}));
    EXPECT_EQ(ParseDateText("3/12/45", american, march12), march12);
    EXPECT_EQ(ParseDateText("3/13/45", american, march12), march12 + 1);
    EXPECT_EQ(ParseDateText("3/12/00", american, dayNumberFromCivil({2100, 1, 1})),
              dayNumberFromCivil({2100, 3, 12}));
    EXPECT_EQ(ParseDateText("3/12/99", american, march12), dayNumberFromCivil({1999, 3, 12}));
    EXPECT_EQ(ParseDateText("3/12/1945", american), march12);
}

TEST(EditorValues, DateDefaultsForTimeAndAlarmEntries) {
    test::FixedClock clock;
    clock.set({2026, 12, 7}, {14, 0, 0, 0});
    const DayNumber today = dayNumberFromCivil({2026, 12, 7});
    EXPECT_EQ(defaultDateFrom(true, std::nullopt, clock), today);
    EXPECT_EQ(defaultDateFrom(false, std::nullopt, clock), kNoDate);
    EXPECT_EQ(defaultDateFrom(false, timeFraction({9, 0, 0, 0}), clock), today + 1);
    EXPECT_EQ(defaultDateFrom(false, timeFraction({18, 0, 0, 0}), clock), today);
    EXPECT_EQ(defaultDateFrom(true, timeFraction({9, 0, 0, 0}), clock), today + 1);
    EXPECT_EQ(defaultDateFrom(false, timeFraction({14, 0, 0, 0}), clock), today);
}

namespace {

struct EditorSetupFixture : ::testing::Test {
    TempDir dir;
    test::FixedClock clock{45000.5};
    std::int32_t ann = 0;
    std::int32_t bob = 0;
    std::int32_t linkedToBob = 0;
    std::int32_t unlinked = 0;

    EditorSetupFixture() {
        Contact c;
        c.name = "Ann";
        ann = addContact(dir.path(), c, clock, 1).id;
        c.name = "Bob";
        bob = addContact(dir.path(), c, clock, 1).id;
        CalendarEntry e;
        e.comment = "with Bob";
        e.addressLink = bob;
        linkedToBob = addEntry(dir.path(), e, clock, 1).id;
        e.comment = "alone";
        e.addressLink = -1;
        unlinked = addEntry(dir.path(), e, clock, 1).id;
    }

    EditorSetup prepare(int mode, bool addressMatch, bool calendarMatch,
                        std::optional<std::int32_t> contact, CalendarSelection row = {}) {
        EditorRequest request;
        request.mode = mode;
        request.addressMatch = addressMatch;
        request.calendarMatch = calendarMatch;
        request.findText = "Fi";
        request.selectedContactId = contact;
        request.selectedRow = row;
        return PrepareEditor(dir.path(), request);
    }

    static CalendarSelection entryRow(std::int32_t id) { return {CalendarSelection::Entry, id}; }
};

} // namespace

TEST_F(EditorSetupFixture, NothingFoundOpensTwoNewHalvesWithTheFindText) {
    EditorSetup s = prepare(kFindBarMode, true, true, ann, entryRow(unlinked));
    EXPECT_EQ(s.findCase, 1); // the find bar's OK ignores the last find
    EXPECT_EQ(s.nameText, "Fi");
    EXPECT_EQ(s.commentText, "Fi");
    EXPECT_FALSE(s.contact || s.entry);
    s = prepare(kNewContactMode, false, false, ann);
    EXPECT_EQ(s.nameText, "Fi");
    EXPECT_EQ(s.commentText, "");
    EXPECT_FALSE(s.focusComment);
    s = prepare(kNewEntryMode, false, false, ann);
    EXPECT_EQ(s.nameText, "");
    EXPECT_EQ(s.commentText, "Fi");
    EXPECT_TRUE(s.focusComment);
}

TEST_F(EditorSetupFixture, AFoundContactLoadsTheSelectedContact) {
    EditorSetup s = prepare(kEditContactMode, true, false, bob);
    EXPECT_EQ(s.findCase, 2);
    ASSERT_TRUE(s.contact);
    EXPECT_EQ(s.contact->name, "Bob");
    EXPECT_FALSE(s.entry);
    EXPECT_FALSE(s.linkChecked);
    EXPECT_TRUE(prepare(kDropMode, true, false, ann).linkChecked);
    EXPECT_EQ(prepare(kEditContactMode, true, false, std::nullopt).outcome,
              EditorSetup::NoContactSelected);
    EXPECT_EQ(prepare(kEditContactMode, true, false, 99).outcome, EditorSetup::Nothing);
}

TEST_F(EditorSetupFixture, AFoundEntryBringsItsLinkedContact) {
    EditorSetup s = prepare(kEditEntryMode, false, true, ann, entryRow(linkedToBob));
    EXPECT_EQ(s.findCase, 3);
    ASSERT_TRUE(s.entry && s.contact);
    EXPECT_EQ(s.entry->comment, "with Bob");
    EXPECT_EQ(s.contact->name, "Bob");
    EXPECT_TRUE(s.linkChecked);
    s = prepare(kEditEntryMode, false, true, ann, entryRow(unlinked));
    EXPECT_TRUE(s.entry);
    EXPECT_FALSE(s.contact);
    EXPECT_FALSE(s.linkChecked);
    EXPECT_EQ(prepare(kEditEntryMode, false, true, ann).outcome, EditorSetup::NoEntrySelected);
    EXPECT_EQ(prepare(kEditEntryMode, false, true, ann, {CalendarSelection::DayHeader, 0}).outcome,
              EditorSetup::Nothing);
}

TEST_F(EditorSetupFixture, BothFoundLinkOnlyWhenTheContactIsTheLinkedOne) {
    EditorSetup s = prepare(kEnterMode, true, true, ann, entryRow(linkedToBob));
    EXPECT_EQ(s.findCase, 4);
    EXPECT_EQ(s.contact->name, "Ann");
    EXPECT_FALSE(s.linkChecked);
    s = prepare(kEnterMode, true, true, bob, entryRow(linkedToBob));
    EXPECT_TRUE(s.linkChecked);
    EXPECT_EQ(prepare(kEnterMode, true, true, std::nullopt, entryRow(linkedToBob)).outcome,
              EditorSetup::NoContactSelected);
}
