#pragma once

#include "common/Clock.h"
#include "common/DateTime.h"
#include "common/Locale.h"

#include <optional>
#include <string_view>

namespace trevik {

// A time typed into the editor: "h:mm" or "h:mm:ss" on the 24-hour clock, blanks around it
// allowed. Nothing when the text is not such a time.
std::optional<double> ParseTimeText(std::string_view text);

// A date typed into the editor in the locale's short date pattern: the day, month and year
// in the pattern's order, separated by anything that is not a digit; a two-digit year lies
// within 50 years of 2000; a time after the date is accepted and ignored. A month name in
// the pattern (MMM) may be typed as a number too.
std::optional<DayNumber> ParseDateText(std::string_view text, const Locale& locale);

// The start date an entry gets when none was typed: today for an entry with a time; for an
// entry with an alarm, today while the alarm is still ahead, else tomorrow. Otherwise none.
DayNumber DefaultDateFrom(bool hasTime, std::optional<double> alarm, const Clock& clock);

} // namespace trevik
