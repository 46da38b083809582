#pragma once

#include "common/DateTime.h"

#include <cstdint>
#include <optional>

namespace trevik {

// Our stamps are local times; the formats' stamps (REV, LAST-MODIFIED, DTSTAMP) are UTC.
// Both directions go through the machine's time zone, to the second.
std::int64_t utcSecondsOfLocal(DateTime local);
// Nothing for seconds outside the civil days.
std::optional<DateTime> localOfUtcSeconds(std::int64_t seconds);

// A local date and time of day, to the second, as a stamp; nothing outside the civil days.
std::optional<DateTime> localStamp(int year, int month, int day, int hour, int minute, int second);

} // namespace trevik
