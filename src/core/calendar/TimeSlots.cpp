#include "calendar/TimeSlots.h"

#include "common/DateTime.h"

#include <algorithm>
#include <cstdio>

namespace trevik {

namespace {

std::string slotText(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

} // namespace

std::vector<std::string> timeSlots(int intervalMinutes) {
    if (intervalMinutes != 15 && intervalMinutes != 30 && intervalMinutes != 60) {
        intervalMinutes = 15;
    }
    const int perHour = 60 / intervalMinutes;
    std::vector<std::string> slots;
    for (int i = 0; i < 24 * perHour; ++i) {
        slots.push_back(slotText(i / perHour, (i % perHour) * intervalMinutes));
    }
    return slots;
}

TimePickerList timePickerRows(int intervalMinutes, std::optional<double> shown) {
    TimePickerList list{timeSlots(intervalMinutes), 0};
    std::string wanted = slotText(9, 0);
    if (shown) {
        const TimeOfDay time = timeOfDayFromFraction(*shown);
        wanted = slotText(time.hour, time.minute);
        if (time.second != 0) {
            char seconds[8];
            std::snprintf(seconds, sizeof seconds, ":%02d", time.second);
            wanted += seconds;
        }
    }
    // The rows are "hh:mm" texts in time order, so text order is time order.
    const auto place = std::lower_bound(list.rows.begin(), list.rows.end(), wanted);
    list.selected = std::size_t(place - list.rows.begin());
    if (place == list.rows.end() || *place != wanted) {
        list.rows.insert(place, wanted);
    }
    return list;
}

} // namespace trevik
