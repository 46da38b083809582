#include "shell/StatusText.h"

#include <cstdio>

namespace trevik {

std::string statusDateText(DayNumber day, const Locale& locale) {
    const CivilDate date = civilFromDayNumber(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d. ", date.day);
    std::string out = text;
    out += locale.shortMonthName(date.month);
    std::snprintf(text, sizeof text, " %02d", date.year % 100);
    return out + text;
}

std::string statusTimeText(DateTime now) {
    const TimeOfDay time = timeOfDayFromFraction(now);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

} // namespace trevik
