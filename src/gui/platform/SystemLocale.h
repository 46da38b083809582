#pragma once

#include "common/Locale.h"

#include <QCollator>
#include <QLocale>

#include <mutex>
#include <string>
#include <unordered_map>

// The desktop's locale: its names, short date pattern and collation (case-sensitive). By
// default the application's locale, which is the desktop's unless QLocale::setDefault changed it.
class SystemLocale final : public trevik::Locale {
public:
    explicit SystemLocale(const QLocale& locale = QLocale());

    std::string shortMonthName(int month) const override;
    std::string longMonthName(int month) const override;
    std::string shortDayName(int weekday) const override;
    std::string longDayName(int weekday) const override;
    std::string shortDateFormat() const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string toLower(std::string_view text) const override;
    // Sorts through collation keys made once per text, not once per comparison, and kept for
    // the next sort: the find box sorts the same names again at every keystroke.
    std::vector<std::size_t> sortOrder(const std::vector<std::string_view>& texts) const override;

private:
    QLocale locale_;
    QCollator collator_;
    // Read once: the views and the date boxes ask for them for every date they show.
    std::string shortDateFormat_;
    std::string shortMonthNames_[12];
    std::string longMonthNames_[12];
    mutable std::mutex sortKeysMutex_;
    mutable std::unordered_map<std::string, QCollatorSortKey> sortKeys_;
};
