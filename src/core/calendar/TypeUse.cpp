#include "calendar/TypeUse.h"

#include "calendar/CalendarView.h"

namespace trevik {

int CountEntriesOfType(const std::filesystem::path& directory, std::int32_t code) {
    int count = 0;
    ForEachEntry(directory, [&](const CalendarEntry& entry) {
        if (entry.type == code) {
            ++count;
        }
    });
    return count;
}

} // namespace trevik
