#pragma once

#include "common/Locale.h"

#include <QCollator>
#include <QLocale>

// The desktop's locale: its names, short date pattern and collation (case-sensitive).
class SystemLocale final : public trevik::Locale {
public:
    explicit SystemLocale(const QLocale& locale = QLocale::system());

    std::string shortMonthName(int month) const override;
    std::string longMonthName(int month) const override;
    std::string shortDayName(int weekday) const override;
    std::string longDayName(int weekday) const override;
    std::string shortDateFormat() const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string toLower(std::string_view text) const override;
    // Sorts through collation keys made once per text, not once per comparison.
    std::vector<std::size_t> sortOrder(const std::vector<std::string_view>& texts) const override;

private:
    QLocale locale_;
    QCollator collator_;
};
