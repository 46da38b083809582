#include "editor/EditorValues.h"

#include <cctype>
#include <cmath>
#include <string>

namespace trevik {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

std::optional<double> parseTimeText(std::string_view text) {
    text = trimmed(text);
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    while (count < 3) {
        const std::size_t start = i;
        int value = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) &&
               i - start < 2) {
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        if (i == start) {
            return std::nullopt;
        }
        parts[count++] = value;
        if (i == text.size()) {
            break;
        }
        if (text[i] != ':') {
            return std::nullopt;
        }
        ++i;
    }
    if (i != text.size() || count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) {
        return std::nullopt;
    }
    return timeFraction({parts[0], parts[1], parts[2], 0});
}

DayNumber defaultDateFrom(bool hasTime, std::optional<double> alarm, const Clock& clock) {
    const DateTime now = clock.now();
    const DayNumber day = dayNumberOf(now);
    DayNumber result = kNoDate;
    if (hasTime) {
        result = day;
    }
    if (alarm) {
        // Both sides in whole milliseconds, so an alarm at this very minute is still ahead.
        const double timeOfDay = timeFraction(timeOfDayFromFraction(now));
        result = timeOfDay > *alarm ? day + 1 : day;
    }
    return result;
}

} // namespace trevik
