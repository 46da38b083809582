#pragma once

#include "calendar/AlarmSchedule.h"
#include "calendar/OccursOn.h"
#include "common/DateTime.h"
#include "common/Locale.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace trevik {

// One alarm going off: the minute it is due and the entry it belongs to.
struct DueAlarm {
    AlarmMinute minute = 0;
    std::int32_t id = 0;
    std::string comment;
    friend bool operator==(const DueAlarm&, const DueAlarm&) = default;
};

// The comments of the entries that show on `now`'s day and whose alarm is at `now`'s hour
// and minute, in file order. Alarm fields that are no time of day never ring.
std::vector<std::string> dueAlarms(const std::filesystem::path& directory, DateTime now,
                                   const ViewContext& context);

// Every alarm due in the minutes of `range`, reading the calendar file once: an entry's alarm
// is due on each day it shows (OccursOn, with that day as today) at its hour and minute. In
// order of their minutes, alarms of one minute in file order. Throws FileError when the file
// exists but cannot be read.
std::vector<DueAlarm> dueAlarmsIn(const std::filesystem::path& directory, const MinuteRange& range,
                                  const ViewContext& context);

// What the alarm check at `now` announces: the alarms of the minutes `schedule` has not looked
// at yet (see AlarmSchedule). Those minutes count as looked at only once the file was read, so a
// check that throws FileError leaves them for the next one.
std::vector<DueAlarm> checkAlarmsAt(AlarmSchedule& schedule, const std::filesystem::path& directory,
                                    DateTime now, const ViewContext& context);

// The next `count` alarms from `from`'s minute on (that minute included), in the order
// dueAlarmsIn gives; fewer when no more are due before the end of the civil days.
std::vector<DueAlarm> nextAlarms(const std::filesystem::path& directory, DateTime from,
                                 std::size_t count, const ViewContext& context);

// The notice's line for an alarm found by a check at `checkedAt`: the comment, and for an alarm
// shown after its minute the time (and, from an earlier day, the date) it was due, as in
// "Dentist (due at 14:30)" or "Dentist (due at 23:50 on 06/12/2026)".
std::string alarmNoticeLine(const DueAlarm& alarm, AlarmMinute checkedAt, const Locale& locale);

} // namespace trevik
