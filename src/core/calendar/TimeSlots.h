#pragma once

#include <string>
#include <vector>

namespace trevik {

// The time picker's slots for an interval of 15, 30 or 60 minutes ("00:00", "00:15", ...);
// any other interval counts as 15.
std::vector<std::string> TimeSlots(int intervalMinutes);

} // namespace trevik
