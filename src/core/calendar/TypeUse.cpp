#include "calendar/TypeUse.h"

#include "calendar/CalendarView.h"

namespace trevik {

int countEntriesOfType(const std::filesystem::path& directory, std::int32_t code) {
    int count = 0;
    forEachEntry(directory, [&](const CalendarEntry& entry) {
        if (entry.type == code) {
            ++count;
        }
    });
    return count;
}

} // namespace trevik
