#include "tools/TimerText.h"

#include <optional>

namespace trevik {

namespace {

// Characters `first` to `last` of `text`, counted from 1.
std::string_view characters(std::string_view text, std::size_t first, std::size_t last) {
    return text.substr(first - 1, last - first + 1);
}

std::optional<std::int32_t> number(std::string_view part) {
    if (part.empty()) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0'); // at most two digits
    }
    return value;
}

struct Parts {
    std::string_view hours;
    std::string_view minutes;
    std::optional<std::string_view> seconds; // none: 0
};

} // namespace

TimerTextReading readTimerText(std::string_view text, ToolTime& time) {
    Parts parts;
    switch (text.size()) {
    case 0:
        time = {};
        return {};
    case 8:
        parts = {characters(text, 1, 2), characters(text, 4, 5), characters(text, 7, 8)};
        break;
    case 7:
        parts = {characters(text, 1, 1), characters(text, 3, 4), characters(text, 6, 7)};
        break;
    case 5:
        parts = {characters(text, 1, 2), characters(text, 4, 5), std::nullopt};
        break;
    case 4:
        parts = {characters(text, 1, 1), characters(text, 3, 4), std::nullopt};
        break;
    default:
        return {TimerTextReading::WrongLength, {}};
    }
    if (!parts.seconds) {
        time.seconds = 0;
    }
    const std::pair<std::optional<std::string_view>, std::int32_t*> order[] = {
        {parts.seconds, &time.seconds}, {parts.minutes, &time.minutes}, {parts.hours, &time.hours}};
    for (const auto& [part, counter] : order) {
        if (!part) {
            continue;
        }
        const std::optional<std::int32_t> value = number(*part);
        if (!value) {
            return {TimerTextReading::NotANumber, std::string(*part)};
        }
        *counter = *value;
    }
    return {};
}

} // namespace trevik
