#include "calendar/Alarms.h"

#include "calendar/CalendarTexts.h"
#include "calendar/CalendarView.h"

#include <algorithm>

namespace trevik {

namespace {

// An alarm is due on every day its entry shows on with that day as today; in the day view's
// rules a to-do item shows on today, so any view code other than the spanning views would do.
ViewContext alarmContext(ViewContext context) {
    context.viewCode = kDayView;
    return context;
}

// Adds the alarms of one entry in `range`, in the order of their days.
void appendAlarms(CalendarEntry& entry, const MinuteRange& range, const ViewContext& context,
                  std::vector<DueAlarm>& due) {
    // A damaged alarm time is no alarm.
    if (!isTimeOfDay(entry.alarm) || range.last < range.first) {
        return;
    }
    const TimeOfDay alarm = timeOfDayFromFraction(entry.alarm);
    const int minute = alarm.hour * 60 + alarm.minute;
    forEachOccurrence(entry, dayOfMinute(range.first), dayOfMinute(range.last), context,
                      [&](DayNumber day) {
                          const AlarmMinute at = AlarmMinute(day) * kMinutesPerDay + minute;
                          if (at >= range.first && at <= range.last) {
                              due.push_back({at, entry.id, entry.comment});
                          }
                      });
}

// Entries were visited in file order, so a stable sort keeps it within a minute.
void sortByMinute(std::vector<DueAlarm>& due) {
    std::stable_sort(due.begin(), due.end(),
                     [](const DueAlarm& a, const DueAlarm& b) { return a.minute < b.minute; });
}

} // namespace

std::vector<std::string> dueAlarms(const std::filesystem::path& directory, DateTime now,
                                   const ViewContext& context) {
    std::vector<std::string> comments;
    const std::optional<AlarmMinute> minute = alarmMinuteOf(now);
    if (!minute) {
        return comments; // a clock reading that is no date rings nothing
    }
    for (DueAlarm& alarm : dueAlarmsIn(directory, {*minute, *minute}, context)) {
        comments.push_back(std::move(alarm.comment));
    }
    return comments;
}

std::vector<DueAlarm> dueAlarmsIn(const std::filesystem::path& directory, const MinuteRange& range,
                                  const ViewContext& context) {
    const ViewContext rules = alarmContext(context);
    std::vector<DueAlarm> due;
    forEachEntry(directory, [&](CalendarEntry& entry) { appendAlarms(entry, range, rules, due); });
    sortByMinute(due);
    return due;
}

std::vector<DueAlarm> checkAlarmsAt(AlarmSchedule& schedule, const std::filesystem::path& directory,
                                    DateTime now, const ViewContext& context) {
    const std::optional<MinuteRange> range = schedule.due(now);
    if (!range) {
        return {};
    }
    std::vector<DueAlarm> due = dueAlarmsIn(directory, *range, context);
    schedule.checked(*range);
    return due;
}

std::vector<DueAlarm> nextAlarms(const std::filesystem::path& directory, DateTime from,
                                 std::size_t count, const ViewContext& context) {
    std::vector<DueAlarm> due;
    const std::optional<AlarmMinute> start = alarmMinuteOf(from);
    if (!start || count == 0) {
        return due;
    }
    std::vector<CalendarEntry> withAlarms;
    forEachEntry(directory, [&](const CalendarEntry& entry) {
        if (isTimeOfDay(entry.alarm)) {
            withAlarms.push_back(entry);
        }
    });
    const ViewContext rules = alarmContext(context);
    const AlarmMinute end = AlarmMinute(kLastCivilDay) * kMinutesPerDay + kMinutesPerDay - 1;
    // Windows growing eightfold from one day: near alarms are found without enumerating the
    // repeats of years, and the last window reaches the end of the civil days.
    for (AlarmMinute days = 1;; days *= 8) {
        const MinuteRange window{*start,
                                 std::min(end, (dayOfMinute(*start) + days) * kMinutesPerDay - 1)};
        due.clear();
        for (CalendarEntry& entry : withAlarms) {
            appendAlarms(entry, window, rules, due);
        }
        if (due.size() >= count || window.last == end) {
            break;
        }
    }
    sortByMinute(due);
    if (due.size() > count) {
        due.resize(count);
    }
    return due;
}

std::string alarmNoticeLine(const DueAlarm& alarm, AlarmMinute checkedAt, const Locale& locale) {
    if (alarm.minute >= checkedAt) {
        return alarm.comment;
    }
    const int minute = minuteOfDay(alarm.minute);
    std::string line =
        alarm.comment + " (due at " + TimeText(timeFraction({minute / 60, minute % 60, 0, 0}));
    const DayNumber day = dayOfMinute(alarm.minute);
    if (day != dayOfMinute(checkedAt)) {
        line += " on " + ShortDateText(day, locale);
    }
    return line + ")";
}

} // namespace trevik
