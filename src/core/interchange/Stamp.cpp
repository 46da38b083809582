#include "interchange/Stamp.h"

#include "interchange/LocalTime.h"

#include <algorithm>
#include <cstdio>

namespace trevik {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads `count` digits at `at`, skipping the separators the extended forms put between fields.
bool digits(std::string_view text, std::size_t& at, int count, int& value) {
    while (at < text.size() && (text[at] == '-' || text[at] == ':')) {
        ++at;
    }
    value = 0;
    for (int i = 0; i < count; ++i, ++at) {
        if (at >= text.size() || !isDigit(text[at])) {
            return false;
        }
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

} // namespace

std::optional<DateTime> parseStamp(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!digits(text, at, 4, year) || !digits(text, at, 2, month) || !digits(text, at, 2, day)) {
        return std::nullopt;
    }
    if (at == text.size()) {
        return localStamp(year, month, day, 0, 0, 0);
    }
    if (text[at] != 'T' && text[at] != 't') {
        return std::nullopt;
    }
    ++at;
    if (!digits(text, at, 2, hour) || !digits(text, at, 2, minute)) {
        return std::nullopt;
    }
    if (at < text.size() && (isDigit(text[at]) || text[at] == ':')) {
        if (!digits(text, at, 2, second)) {
            return std::nullopt;
        }
    }
    // Fractions of a second are dropped.
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
        }
    }
    if (at == text.size()) {
        return localStamp(year, month, day, hour, minute, second);
    }
    int offsetSeconds = 0;
    if (text[at] == 'Z' || text[at] == 'z') {
        ++at;
    } else if (text[at] == '+' || text[at] == '-') {
        const int sign = text[at] == '-' ? -1 : 1;
        ++at;
        int offsetHours = 0, offsetMinutes = 0;
        if (!digits(text, at, 2, offsetHours)) {
            return std::nullopt;
        }
        if (at < text.size() && !digits(text, at, 2, offsetMinutes)) {
            return std::nullopt;
        }
        if (offsetHours > 23 || offsetMinutes > 59) {
            return std::nullopt;
        }
        offsetSeconds = sign * (offsetHours * 3600 + offsetMinutes * 60);
    } else {
        return std::nullopt;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    const auto asUtcWallClock = localStamp(year, month, day, hour, minute, second);
    if (!asUtcWallClock) {
        return std::nullopt;
    }
    // Days since 1899-12-30 of the UTC wall clock give the UNIX seconds directly.
    const DayNumber days = dayNumberOf(*asUtcWallClock);
    const std::int64_t unix = (std::int64_t(days) - 25569) * 86400 + hour * 3600 + minute * 60 +
                              std::min(second, 59) - offsetSeconds;
    return localOfUtcSeconds(unix);
}

std::string utcStampText(DateTime local) {
    const DayNumber day = dayNumberOf(local);
    if (!isCivilDay(day)) {
        return {};
    }
    const std::int64_t unix = utcSecondsOfLocal(local);
    std::int64_t days = unix >= 0 ? unix / 86400 : -((-unix + 86399) / 86400);
    const std::int64_t rest = unix - days * 86400;
    const DayNumber utcDay = DayNumber(days + 25569);
    const CivilDate date = civilFromDayNumber(utcDay);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", date.year, date.month, date.day,
                  int(rest / 3600), int(rest / 60 % 60), int(rest % 60));
    return text;
}

} // namespace trevik
