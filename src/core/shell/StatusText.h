#pragma once

#include "common/DateTime.h"
#include "common/Locale.h"

#include <string>

namespace trevik {

// The status bar's date: two-digit day, a point, a blank, the short month name, a blank,
// the two-digit year ("07. Dec 26").
std::string statusDateText(DayNumber day, const Locale& locale);
// The status bar's time: 24-hour "hh:nn".
std::string statusTimeText(DateTime now);

} // namespace trevik
