#pragma once

#include "calendar/CalendarRows.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace trevik {

// The entries of grid rows `top` to `bottom` (one-based) as one iCalendar text, each entry once
// however many days it shows on, with the types and contacts it names. Throws FileError when
// the calendar, types or address file cannot be read.
std::string calendarCopyICalendar(const std::filesystem::path& dataDir, const CalendarRowList& rows,
                                  int top, int bottom);

// Whether a pasted text is a vCard rather than address lines: it starts with BEGIN:VCARD
// (in any case, after blank lines or a byte order mark).
bool isVCardText(std::string_view text);

} // namespace trevik
