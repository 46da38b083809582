#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// What the program takes from the user's locale. Texts are Windows-1252 bytes, as stored.
class Locale {
public:
    virtual ~Locale() = default;
    // month 1..12
    virtual std::string shortMonthName(int month) const = 0;
    virtual std::string longMonthName(int month) const = 0;
    // weekday 0 = Sunday .. 6 = Saturday
    virtual std::string shortDayName(int weekday) const = 0;
    virtual std::string longDayName(int weekday) const = 0;
    // The short date pattern in Qt's notation (d, dd, M, MM, MMM, yy, yyyy).
    virtual std::string shortDateFormat() const = 0;
    // Locale-aware, case-sensitive comparison: <0, 0 or >0.
    virtual int compare(std::string_view a, std::string_view b) const = 0;
    virtual std::string toLower(std::string_view text) const = 0;
    // The positions of `texts` in ascending order by `compare`; equal texts keep their order.
    virtual std::vector<std::size_t> sortOrder(const std::vector<std::string_view>& texts) const;
};

// Whether `text` begins with `prefix` in any letter case. Case follows the code page's own rule
// (cp1252ToLower) in every language: the Turkish rule would turn "I" into a dotless i, which
// the code page cannot hold, so "i" would never find "Ida".
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// English names, dd/MM/yyyy dates, and a comparison that orders letters alphabetically
// with a lower-case letter before its capital, the way the desktop's collation does.
class EnglishLocale final : public Locale {
public:
    std::string shortMonthName(int month) const override;
    std::string longMonthName(int month) const override;
    std::string shortDayName(int weekday) const override;
    std::string longDayName(int weekday) const override;
    std::string shortDateFormat() const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string toLower(std::string_view text) const override;
};

} // namespace trevik
