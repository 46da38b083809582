#pragma once

#include "common/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace trevik {

// A vCard REV or an iCalendar date-time ("20230405T102030Z", "2023-04-05T10:20:30+02:00",
// "20230405"): UTC and offsets are turned into local time, a floating time is local already.
// Nothing for a text that is not such a stamp or lies outside the civil days.
std::optional<DateTime> parseStamp(std::string_view text);

// A local stamp as UTC "yyyymmddThhmmssZ"; empty outside the civil days.
std::string utcStampText(DateTime local);

} // namespace trevik
