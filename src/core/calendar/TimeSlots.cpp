#include "calendar/TimeSlots.h"

#include <cstdio>

namespace trevik {

std::vector<std::string> TimeSlots(int intervalMinutes) {
    if (intervalMinutes != 15 && intervalMinutes != 30 && intervalMinutes != 60) {
        intervalMinutes = 15;
    }
    const int perHour = 60 / intervalMinutes;
    std::vector<std::string> slots;
    for (int i = 0; i < 24 * perHour; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d:%02d", i / perHour, (i % perHour) * intervalMinutes);
        slots.emplace_back(text);
    }
    return slots;
}

} // namespace trevik
