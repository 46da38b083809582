#pragma once

#include "common/DateTime.h"
#include "common/Locale.h"
#include "storage/TypeSet.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace trevik {

// A date or time that is no civil day or no time of day (kNoDate, kNoTime, or a damaged
// field) gives the empty text in each of these.

// "ddd d. mmm yyyy." with the locale's short names ("Mon 7. Dec 2026.").
std::string DayHeaderText(DayNumber day, const Locale& locale);
// "h:nn" on the 24-hour clock ("9:05").
std::string TimeText(double time);
// The day in the locale's short date pattern, at most 19 characters.
std::string ShortDateText(DayNumber day, const Locale& locale);
// Formats a day with a pattern of d, dd, M, MM, MMM, MMMM, yy and yyyy; other characters
// stand for themselves and text in single quotes is copied as it is.
std::string formatDate(DayNumber day, const std::string& pattern, const Locale& locale);

// The entry type names of TYPE.TVD, read once and looked up by code.
class TypeNames {
public:
    TypeNames() = default;
    explicit TypeNames(const std::vector<EntryType>& types);
    static TypeNames load(const std::filesystem::path& directory);

    // Empty for -1 and other negative codes but -2 ("To Do"), and for codes not in the file.
    const std::string& TypeNameText(std::int32_t code) const;

private:
    std::unordered_map<std::int32_t, std::string> names_;
};

} // namespace trevik
