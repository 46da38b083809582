#include "exchange/PromptLines.h"

#include <cmath>
#include <cstdio>

namespace trevik {

namespace {

constexpr const char* kNoneEntered = "none entered.";

std::string clockText(double time) {
    const TimeOfDay t = timeOfDayFromFraction(time);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", t.hour % 100, t.minute % 100);
    return text;
}

std::string dateText(DayNumber day, const Locale& locale) {
    return isCivilDay(day) ? formatDate(day, "dd/MMM/yyyy", locale) : kNoneEntered;
}

} // namespace

std::vector<std::string> contactPromptLines(const Contact& c) {
    return {"Name: " + c.name,       "Home: " + c.home,   "Work: " + c.work,
            "Address: " + c.address, "Email: " + c.email, "Misc: " + c.misc};
}

std::vector<std::string> entryPromptLines(const CalendarEntry& e, const TypeNames& types,
                                          const Locale& locale) {
    const std::string time = isTimeOfDay(e.timeFrom) ? clockText(e.timeFrom) : kNoneEntered;
    const DayNumber updatedDay = dayNumberOf(e.updated);
    const std::string updated =
        isCivilDay(updatedDay)
            ? dateText(updatedDay, locale) + ", " + clockText(e.updated - std::floor(e.updated))
            : kNoneEntered;
    return {"Comment: " + e.comment, "Date: " + dateText(e.dateFrom, locale), "Time: " + time,
            "Type: " + types.TypeNameText(e.type), "Last updated: " + updated};
}

} // namespace trevik
