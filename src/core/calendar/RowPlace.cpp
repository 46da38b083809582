#include "calendar/RowPlace.h"

namespace trevik {

std::optional<RowPlace> placeOfRow(const CalendarRowList& rows, int gridRow) {
    const CalendarRow* row = rows.at(gridRow);
    if (row == nullptr) {
        return std::nullopt;
    }
    RowPlace place;
    place.isDayHeader = row->isDayHeader;
    place.recordId = row->isDayHeader ? 0 : row->recordId;
    for (int r = gridRow; r >= 1; --r) {
        if (rows.at(r)->isDayHeader) {
            place.dayText = rows.at(r)->dayText;
            break;
        }
    }
    return place;
}

int rowAtPlace(const CalendarRowList& rows, const RowPlace& place) {
    std::string dayText;
    for (int r = 1; r <= rows.count(); ++r) {
        const CalendarRow& row = *rows.at(r);
        if (row.isDayHeader) {
            dayText = row.dayText;
        }
        if (dayText == place.dayText && row.isDayHeader == place.isDayHeader &&
            (row.isDayHeader || row.recordId == place.recordId)) {
            return r;
        }
    }
    return 0;
}

} // namespace trevik
