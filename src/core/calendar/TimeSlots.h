#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevik {

// The time picker's slots for an interval of 15, 30 or 60 minutes ("00:00", "00:15", ...);
// any other interval counts as 15.
std::vector<std::string> timeSlots(int intervalMinutes);

// The time picker's rows and the row it opens on.
struct TimePickerList {
    std::vector<std::string> rows;
    std::size_t selected = 0;
};

// The slots of the interval, opened on `shown` (a time of day as a fraction of a day, the time
// in the box the picker was opened from), so that OK at once gives that time back. A time
// between two slots gets a row of its own in its place. Without a time it opens on 09:00.
TimePickerList timePickerRows(int intervalMinutes, std::optional<double> shown);

} // namespace trevik
