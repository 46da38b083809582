#pragma once

#include "calendar/CalendarRows.h"
#include "storage/AddrSet.h"

#include <string>
#include <vector>

namespace trevik {

// A contact as one clipboard line: the nine texts in the address list's column order,
// separated by tabs and ended by a line feed. Every text travels whole, however long.
std::string addressLine(const Contact& contact);

// A calendar grid row as one clipboard line: "time TAB type TAB comment TAB F TAB A" for an
// entry, "TAB TAB day TAB" for a day header; `ending` closes the line.
std::string calendarLine(const CalendarRow& row, const char* ending = "\r\n");

// What Copy puts on the clipboard for the selected contacts: their address lines, in list order.
std::string contactsCopyText(const std::vector<Contact>& selected);

// What Copy puts on the clipboard for the grid rows `top` to `bottom` (one-based grid rows):
// a line for each data row among them, headers included, each ended by CR LF.
std::string calendarCopyText(const CalendarRowList& rows, int top, int bottom);

} // namespace trevik
