#pragma once

#include "calendar/CalendarRows.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trevik {

// What a grid row shows, in terms that outlive a rebuild of the rows: the day it stands under
// and the entry it shows there (a repeating entry shows on several days with one id).
struct RowPlace {
    // The text of the day header above the row, or of the row itself when it is one; empty in
    // a view without headers.
    std::string dayText;
    bool isDayHeader = false;
    std::uint32_t recordId = 0;
    friend bool operator==(const RowPlace&, const RowPlace&) = default;
};

// The place of grid row `gridRow`, or none outside the data rows.
std::optional<RowPlace> placeOfRow(const CalendarRowList& rows, int gridRow);

// The grid row that shows `place` in `rows`, or 0 when none does any more.
int rowAtPlace(const CalendarRowList& rows, const RowPlace& place);

} // namespace trevik
