#include "calendar/OutdatedEntries.h"

#include "storage/CalSet.h"

namespace trevik {

namespace {

// Damaged dates count as none, as in the views: a damaged start date is an undated entry and
// stays, a damaged end date leaves a one-day entry.
bool isOutdated(const CalendarEntry& entry, DayNumber today) {
    return isCivilDay(entry.dateFrom) && entry.dateFrom < today && !isCivilDay(entry.dateTo) &&
           entry.repeat == kRepeatNone;
}

} // namespace

int DeleteOutdatedEntries(const std::filesystem::path& directory, DayNumber today,
                          std::string* error) {
    CalSet set(directory);
    set.Open();
    int removed = 0;
    const auto failed = [&] {
        if (error != nullptr) {
            *error = set.lastError();
        }
        return !set.lastError().empty();
    };
    if (failed()) {
        return 0;
    }
    // Deleting moves the later records down, so the scan looks at the same position again.
    std::int32_t position = 1;
    while (set.GoTo(position)) {
        if (isOutdated(set, today)) {
            set.Delete(position);
            if (failed()) {
                return removed;
            }
            ++removed;
        } else {
            ++position;
        }
    }
    return removed;
}

} // namespace trevik
