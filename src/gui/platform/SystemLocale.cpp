#include "platform/SystemLocale.h"

#include "platform/StoredText.h"

#include <algorithm>
#include <numeric>

namespace {

// QLocale counts weekdays from Monday = 1 to Sunday = 7.
int qtWeekday(int weekday) {
    return weekday == 0 ? 7 : weekday;
}

// The pattern in the code page of the dates it makes. A character the code page cannot hold
// is left out rather than shown as '?': most are invisible direction marks (Arabic patterns
// carry them between the numbers).
std::string storedPattern(const QString& pattern) {
    QString kept;
    for (const char32_t c : pattern.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c == U'?' || toStored(one) != "?") {
            kept += one;
        }
    }
    return toStored(kept);
}

} // namespace

SystemLocale::SystemLocale(const QLocale& locale)
    : locale_(locale), collator_(locale),
      shortDateFormat_(storedPattern(locale.dateFormat(QLocale::ShortFormat))) {
    collator_.setCaseSensitivity(Qt::CaseSensitive);
    for (int month = 1; month <= 12; ++month) {
        shortMonthNames_[month - 1] = toStored(locale_.monthName(month, QLocale::ShortFormat));
        longMonthNames_[month - 1] = toStored(locale_.monthName(month, QLocale::LongFormat));
    }
}

std::string SystemLocale::shortMonthName(int month) const {
    return month >= 1 && month <= 12 ? shortMonthNames_[month - 1] : std::string();
}

std::string SystemLocale::longMonthName(int month) const {
    return month >= 1 && month <= 12 ? longMonthNames_[month - 1] : std::string();
}

std::string SystemLocale::shortDayName(int weekday) const {
    return toStored(locale_.dayName(qtWeekday(weekday), QLocale::ShortFormat));
}

std::string SystemLocale::longDayName(int weekday) const {
    return toStored(locale_.dayName(qtWeekday(weekday), QLocale::LongFormat));
}

std::string SystemLocale::shortDateFormat() const {
    return shortDateFormat_;
}

int SystemLocale::compare(std::string_view a, std::string_view b) const {
    const int result = collator_.compare(fromStored(std::string(a)), fromStored(std::string(b)));
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

std::string SystemLocale::toLower(std::string_view text) const {
    return toStored(locale_.toLower(fromStored(std::string(text))));
}

std::vector<std::size_t> SystemLocale::sortOrder(const std::vector<std::string_view>& texts) const {
    const std::lock_guard<std::mutex> lock(sortKeysMutex_);
    // Kept keys are few times the longest list sorted, however many lists pass by.
    if (sortKeys_.size() > 2 * texts.size() + 10000) {
        sortKeys_.clear();
    }
    std::vector<const QCollatorSortKey*> keys;
    keys.reserve(texts.size());
    for (const std::string_view text : texts) {
        auto found = sortKeys_.find(std::string(text));
        if (found == sortKeys_.end()) {
            found =
                sortKeys_
                    .emplace(std::string(text), collator_.sortKey(fromStored(std::string(text))))
                    .first;
        }
        keys.push_back(&found->second);
    }
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a]->compare(*keys[b]) < 0; });
    return order;
}
