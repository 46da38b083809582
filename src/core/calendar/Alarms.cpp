#include "calendar/Alarms.h"

#include "calendar/CalendarView.h"

namespace trevik {

std::vector<std::string> DueAlarms(const std::filesystem::path& directory, DateTime now,
                                   const ViewContext& context) {
    const DayNumber today = dayNumberOf(now);
    std::vector<std::string> due;
    if (!isCivilDay(today)) {
        return due; // a clock reading that is no date rings nothing
    }
    const TimeOfDay clock = timeOfDayFromFraction(now);
    ForEachEntry(directory, [&](CalendarEntry& entry) {
        // A damaged alarm time is no alarm.
        if (!isTimeOfDay(entry.alarm) || !OccursOn(entry, today, context)) {
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
