#include "calendar/TimeSlots.h"
#include "common/DateTime.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trevik;

namespace {

double at(int hour, int minute, int second = 0) {
    return timeFraction({hour, minute, second, 0});
}

} // namespace

TEST(timePickerRows, SlotsRunFromMidnightByTheInterval) {
    const std::vector<std::string> halves = timeSlots(30);
    ASSERT_EQ(halves.size(), 48u);
    EXPECT_EQ(halves.front(), "00:00");
    EXPECT_EQ(halves[19], "09:30");
    EXPECT_EQ(halves.back(), "23:30");
    EXPECT_EQ(timeSlots(60).size(), 24u);
    // An interval the picker does not know counts as a quarter of an hour.
    EXPECT_EQ(timeSlots(20), timeSlots(15));
    EXPECT_EQ(timeSlots(15).size(), 96u);
}

TEST(timePickerRows, WithoutATimeItOpensOnNine) {
    for (const int interval : {15, 30, 60, 20}) {
        const TimePickerList list = timePickerRows(interval, std::nullopt);
        EXPECT_EQ(list.rows, timeSlots(interval)) << interval;
        EXPECT_EQ(list.rows.at(list.selected), "09:00") << interval;
    }
}

TEST(timePickerRows, ATimeOnASlotIsThatSlot) {
    const TimePickerList list = timePickerRows(15, at(14, 30));
    EXPECT_EQ(list.rows, timeSlots(15));
    EXPECT_EQ(list.selected, 58u);
    EXPECT_EQ(timePickerRows(60, at(0, 0)).selected, 0u);
    EXPECT_EQ(timePickerRows(60, at(23, 0)).selected, 23u);
}

TEST(timePickerRows, ATimeBetweenSlotsGetsARowInItsPlace) {
    const TimePickerList list = timePickerRows(30, at(9, 5));
    ASSERT_EQ(list.rows.size(), 49u);
    EXPECT_EQ(list.rows.at(list.selected), "09:05");
    EXPECT_EQ(list.rows.at(list.selected - 1), "09:00");
    EXPECT_EQ(list.rows.at(list.selected + 1), "09:30");
    EXPECT_TRUE(std::is_sorted(list.rows.begin(), list.rows.end()));

    // Seconds are kept, so that OK gives back the very time.
    const TimePickerList seconds = timePickerRows(15, at(9, 0, 30));
    EXPECT_EQ(seconds.rows.at(seconds.selected), "09:00:30");
    EXPECT_EQ(seconds.rows.at(seconds.selected - 1), "09:00");
    EXPECT_EQ(seconds.rows.at(seconds.selected + 1), "09:15");

    // After the last slot and before the first.
    const TimePickerList late = timePickerRows(60, at(23, 59));
    EXPECT_EQ(late.selected, 24u);
    EXPECT_EQ(late.rows.back(), "23:59");
    const TimePickerList early = timePickerRows(60, at(0, 0, 1));
    EXPECT_EQ(early.rows.at(early.selected), "00:00:01");
    EXPECT_EQ(early.selected, 1u);
}
