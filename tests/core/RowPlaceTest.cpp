#include "calendar/RowPlace.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

using namespace trevik;

namespace {

// Rows from (day text, 0) for a day header and ("", id) for an entry.
CalendarRowList rowsOf(std::initializer_list<std::pair<const char*, std::uint32_t>> shown) {
    CalendarRowList rows;
    for (const auto& [dayText, id] : shown) {
        CalendarRow row;
        row.isDayHeader = id == 0;
        row.dayText = dayText;
        row.recordId = id;
        rows.append(row);
    }
    return rows;
}

} // namespace

TEST(RowPlace, ARepeatingEntryIsFoundAgainUnderItsOwnDay) {
    const CalendarRowList before =
        rowsOf({{"Mon 7.", 0}, {"", 5}, {"", 9}, {"Tue 8.", 0}, {"", 9}});
    const std::optional<RowPlace> tuesdayWalk = placeOfRow(before, 5);
    ASSERT_TRUE(tuesdayWalk.has_value());
    EXPECT_EQ(tuesdayWalk->dayText, "Tue 8.");
    EXPECT_EQ(tuesdayWalk->recordId, 9u);

    // A new entry on Monday moves Tuesday's rows down by one.
    const CalendarRowList after =
        rowsOf({{"Mon 7.", 0}, {"", 4}, {"", 5}, {"", 9}, {"Tue 8.", 0}, {"", 9}});
    EXPECT_EQ(rowAtPlace(after, *tuesdayWalk), 6);
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 3)), 4); // Monday's walk
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 4)), 5); // Tuesday's header
}

TEST(RowPlace, ARowThatIsGoneIsFoundNowhere) {
    const CalendarRowList before = rowsOf({{"Mon 7.", 0}, {"", 5}, {"Tue 8.", 0}, {"", 6}});
    const CalendarRowList after = rowsOf({{"Mon 7.", 0}, {"", 6}});
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 2)), 0); // entry 5 deleted
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 4)), 0); // entry 6 moved to Monday
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 3)), 0); // Tuesday not shown any more
    EXPECT_EQ(rowAtPlace(CalendarRowList{}, *placeOfRow(before, 1)), 0);
    EXPECT_FALSE(placeOfRow(before, 0).has_value()); // the title row
    EXPECT_FALSE(placeOfRow(before, 5).has_value());
}

TEST(RowPlace, RowsWithoutDayHeadersAreFoundByTheirEntry) {
    const CalendarRowList before = rowsOf({{"", 3}, {"", 8}});
    const CalendarRowList after = rowsOf({{"", 1}, {"", 3}, {"", 8}});
    EXPECT_EQ(rowAtPlace(after, *placeOfRow(before, 2)), 3);
}
