#pragma once

#include "common/DateTime.h"
#include "common/Locale.h"

#include <optional>
#include <string_view>

namespace trevik {

// A date typed into the editor in the locale's short date pattern: the day, month and year in
// the pattern's order. Between numbers anything that is not a digit separates; a month shown by
// name (MMM, MMMM) is read by its short or long name in any letter case, or as a number. Text
// quoted in the pattern and a time after the date ("8.3.1999 10:15") are accepted and ignored.
// A two-digit year lies within 50 years of 2000, except that it keeps the century of `shown`
// (the date the box wrote) when it is that date's year: "45" stays 1945 in a box that showed
// 12 March 1945. Nothing when the text is not such a date.
std::optional<DayNumber> ParseDateText(std::string_view text, const Locale& locale,
                                       DayNumber shown = kNoDate);

} // namespace trevik
