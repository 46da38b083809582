#pragma once

#include "common/Clock.h"
#include "common/DateTime.h"
#include "editor/DateParsing.h"

#include <optional>
#include <string_view>

namespace trevik {

// A time typed into the editor: "h:mm" or "h:mm:ss" on the 24-hour clock, blanks around it
// allowed. Nothing when the text is not such a time.
std::optional<double> parseTimeText(std::string_view text);

// The start date an entry gets when none was typed: today for an entry with a time; for an
// entry with an alarm, today while the alarm is still ahead, else tomorrow. Otherwise none.
DayNumber defaultDateFrom(bool hasTime, std::optional<double> alarm, const Clock& clock);

} // namespace trevik
