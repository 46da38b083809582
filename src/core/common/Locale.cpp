#include "common/Locale.h"

#include "common/Cp1252.h"

#include <array>

namespace trevik {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

} // namespace

std::string EnglishLocale::shortMonthName(int month) const {
    return std::string(kMonths.at(std::size_t(month - 1))).substr(0, 3);
}

std::string EnglishLocale::longMonthName(int month) const {
    return kMonths.at(std::size_t(month - 1));
}

std::string EnglishLocale::shortDayName(int weekday) const {
    return std::string(kDays.at(std::size_t(weekday))).substr(0, 3);
}

std::string EnglishLocale::longDayName(int weekday) const {
    return kDays.at(std::size_t(weekday));
}

std::string EnglishLocale::shortDateFormat() const {
    return "dd/MM/yyyy";
}

int EnglishLocale::compare(std::string_view a, std::string_view b) const {
    const std::string la = cp1252ToLower(a);
    const std::string lb = cp1252ToLower(b);
    if (const int byLetter = la.compare(lb); byLetter != 0) {
        return byLetter < 0 ? -1 : 1;
    }
    // Same letters: the lower-case spelling sorts first, so compare the originals reversed.
    if (const int byCase = b.compare(a); byCase != 0) {
        return byCase < 0 ? -1 : 1;
    }
    return 0;
}

std::string EnglishLocale::toLower(std::string_view text) const {
    return cp1252ToLower(text);
}

} // namespace trevik
