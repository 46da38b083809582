#include "common/Locale.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <array>
#include <numeric>

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

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (cp1252ToLower(text[i]) != cp1252ToLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::vector<std::size_t> Locale::sortOrder(const std::vector<std::string_view>& texts) const {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(texts[a], texts[b]) < 0; });
    return order;
}

int EnglishLocale::compare(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto la = static_cast<unsigned char>(cp1252ToLower(a[i]));
        const auto lb = static_cast<unsigned char>(cp1252ToLower(b[i]));
        if (la != lb) {
            return la < lb ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
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
