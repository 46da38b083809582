#include "calendar/CalendarTexts.h"

#include "calendar/OccursOn.h"
#include "storage/TypeRecords.h"

#include <cstdio>

namespace trevik {

namespace {

const std::string kEmpty;
const std::string kToDoName = "To Do";

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

} // namespace

std::string DayHeaderText(DayNumber day, const Locale& locale) {
    if (!isCivilDay(day)) {
        return {};
    }
    const CivilDate date = civilFromDayNumber(day);
    return locale.shortDayName(dayOfWeek(day)) + " " + std::to_string(date.day) + ". " +
           locale.shortMonthName(date.month) + " " + std::to_string(date.year) + ".";
}

std::string TimeText(double time) {
    if (!isTimeOfDay(time)) {
        return {};
    }
    const TimeOfDay t = timeOfDayFromFraction(time);
    return std::to_string(t.hour) + ":" + twoDigits(t.minute);
}

std::string formatDate(DayNumber day, const std::string& pattern, const Locale& locale) {
    if (!isCivilDay(day)) {
        return {};
    }
    const CivilDate date = civilFromDayNumber(day);
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', i + 1);
            const std::size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (c == 'd' && run <= 2) {
            out += run == 1 ? std::to_string(date.day) : twoDigits(date.day);
        } else if (c == 'M') {
            out += run == 1   ? std::to_string(date.month)
                   : run == 2 ? twoDigits(date.month)
                   : run == 3 ? locale.shortMonthName(date.month)
                              : locale.longMonthName(date.month);
        } else if (c == 'y') {
            out += run <= 2 ? twoDigits(date.year) : std::to_string(date.year);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string ShortDateText(DayNumber day, const Locale& locale) {
    std::string text = formatDate(day, locale.shortDateFormat(), locale);
    if (text.size() > 19) {
        text.resize(19);
    }
    return text;
}

TypeNames::TypeNames(const std::vector<EntryType>& types) {
    for (const EntryType& type : types) {
        names_.emplace(type.code, type.name); // the first type of a code wins
    }
}

TypeNames TypeNames::load(const std::filesystem::path& directory) {
    return TypeNames(listTypes(directory));
}

const std::string& TypeNames::TypeNameText(std::int32_t code) const {
    if (code == kToDoType) {
        return kToDoName;
    }
    if (code < 0) {
        return kEmpty;
    }
    const auto found = names_.find(code);
    return found == names_.end() ? kEmpty : found->second;
}

} // namespace trevik
