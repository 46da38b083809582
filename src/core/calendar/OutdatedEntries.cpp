#include "calendar/OutdatedEntries.h"

#include "exchange/RecycleBin.h"
#include "storage/CalSet.h"

#include <vector>

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
                          std::string* error, BinCopy copy) {
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
    // Every copy goes to the bin in one append before the first deletion, so the bin is
    // written (and flushed) once, not once per entry.
    std::string binError;
    if (copy == BinCopy::ToBin) {
        std::vector<BinEntry> copies;
        for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
            if (isOutdated(set, today)) {
                copies.push_back(BinEntry::of(static_cast<const CalendarEntry&>(set)));
            }
        }
        binError = addToBin(directory, copies);
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
    if (!binError.empty() && error != nullptr) {
        *error = "The outdated entries were deleted, but could not be kept in the recycle bin: " +
                 binError;
    }
    return removed;
}

} // namespace trevik
