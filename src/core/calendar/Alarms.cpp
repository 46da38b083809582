#include "calendar/Alarms.h"

#include "calendar/CalendarView.h"

namespace trevik {

std::vector<std::string> DueAlarms(const std::filesystem::path& directory, DateTime now,
                                   const ViewContext& context) {
    const DayNumber today = dayNumberOf(now);
    const TimeOfDay clock = timeOfDayFromFraction(now);
    std::vector<std::string> due;
    ForEachEntry(directory, [&](CalendarEntry& entry) {
        if (entry.alarm == kNoTime || !OccursOn(entry, today, context)) {
            return;
        }
        const TimeOfDay alarm = timeOfDayFromFraction(entry.alarm);
        if (alarm.hour == clock.hour && alarm.minute == clock.minute) {
            due.push_back(entry.comment);
        }
    });
    return due;
}

} // namespace trevik
