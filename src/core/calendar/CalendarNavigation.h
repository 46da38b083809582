#pragma once

#include "common/DateTime.h"

#include <cstdint>

namespace trevik {

// A date moved by whole calendar months; the day of the month is kept and clamped to the
// length of the target month (31 January + 1 month = 28 or 29 February). A day that is no
// civil day, or a move out of the years 1900..9999, leaves the day as it is.
DayNumber addMonths(DayNumber day, int months);

// The date after the pane's "<" (direction -1) or ">" (+1): a day, a week, a month or a year
// by the view. The to-do and anniversaries views, and unknown views, do not move; nor does
// a step that would leave the civil days (kFirstCivilDay..kLastCivilDay).
DayNumber stepCalendarDate(DayNumber date, std::int32_t viewCode, int direction);

// Whether "<" and ">" move the view at all.
bool viewMovesByDate(std::int32_t viewCode);

} // namespace trevik
