#include "editor/EditorValues.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

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

// Runs of digits in `text`, with the length of each run.
std::vector<std::pair<int, std::size_t>> numbersIn(std::string_view text) {
    std::vector<std::pair<int, std::size_t>> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        long value = 0;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) &&
               end - i < 9) {
            value = value * 10 + (text[end] - '0');
            ++end;
        }
        numbers.emplace_back(int(value), end - i);
        i = end;
    }
    return numbers;
}

} // namespace

std::optional<double> ParseTimeText(std::string_view text) {
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

std::optional<DayNumber> ParseDateText(std::string_view text, const Locale& locale) {
    text = trimmed(text);
    // A time part after the date is accepted: only the date's numbers are read.
    if (const auto blank = text.find(' '); blank != std::string_view::npos) {
        text = text.substr(0, blank);
    }
    const std::string pattern = locale.shortDateFormat();
    std::vector<char> order;
    for (const char c : pattern) {
        if ((c == 'd' || c == 'M' || c == 'y') &&
            std::find(order.begin(), order.end(), c) == order.end()) {
            order.push_back(c);
        }
    }
    const auto numbers = numbersIn(text);
    if (order.size() != 3 || numbers.size() != 3) {
        return std::nullopt;
    }
    int day = 0;
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [value, digits] = numbers[i];
        switch (order[i]) {
        case 'd':
            day = value;
            break;
        case 'M':
            month = value;
            break;
        default:
            year = digits <= 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
            break;
        }
    }
    if (!isValidCivilDate(year, month, day)) {
        return std::nullopt;
    }
    return dayNumberFromCivil({year, month, day});
}

DayNumber DefaultDateFrom(bool hasTime, std::optional<double> alarm, const Clock& clock) {
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
