#pragma once

#include "calendar/CalendarRows.h"
#include "storage/ContactRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevik {

// What a cut took out and what goes on the clipboard for it. A cut deletes outright: it keeps
// no copy in the recycle bin, and a contact's calendar links stay as they are.
struct ClipboardCut {
    std::string text;
    // False when the cut stopped before its first line: the clipboard stays as it is.
    bool putOnClipboard = false;
    // Records deleted from the file.
    int cut = 0;
    // Why the file could not be used; empty when it could.
    std::string error;
};

// Cuts the selected contacts (in list order): an address line each, and each contact still in
// the address file deleted. An empty address file stops the cut before anything is taken.
ClipboardCut cutContacts(const std::filesystem::path& directory,
                         const std::vector<Contact>& selected);

// Cuts the entries of grid rows `top` to `bottom` (one-based) as lines ended by a lone LF,
// deleting each entry still in the calendar file. A day header stops the cut there: the rows
// above it are cut, it and the rows below it stay. So does an empty calendar file.
ClipboardCut cutCalendarRows(const std::filesystem::path& directory, const CalendarRowList& rows,
                             int top, int bottom);

} // namespace trevik
