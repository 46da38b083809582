#include "PosixLocale.h"

#include "common/Cp1252.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <string>

namespace trevik::cli {

namespace {

class LanginfoLocale final : public Locale {
public:
    std::string shortMonthName(int month) const override { return text(ABMON_1 + month - 1); }
    std::string longMonthName(int month) const override { return text(MON_1 + month - 1); }
    std::string shortDayName(int weekday) const override { return text(ABDAY_1 + weekday); }
    std::string longDayName(int weekday) const override { return text(DAY_1 + weekday); }
    std::string shortDateFormat() const override { return patternOf(nl_langinfo(D_FMT)); }
    int compare(std::string_view a, std::string_view b) const override {
        return english_.compare(a, b);
    }
    std::string toLower(std::string_view text) const override { return english_.toLower(text); }

private:
    static std::string text(nl_item item) { return utf8ToCp1252(nl_langinfo(item)); }

    // strftime's date conversions in the day, month and year pattern letters.
    static std::string patternOf(const char* format) {
        std::string pattern;
        for (const char* p = format; *p != '\0'; ++p) {
            if (*p != '%' || p[1] == '\0') {
                pattern += *p;
                continue;
            }
            switch (*++p) {
            case 'd':
                pattern += "dd";
                break;
            case 'e':
                pattern += "d";
                break;
            case 'm':
                pattern += "MM";
                break;
            case 'b':
            case 'h':
                pattern += "MMM";
                break;
            case 'y':
                pattern += "yy";
                break;
            case 'Y':
                pattern += "yyyy";
                break;
            default:
                pattern += *p;
                break;
            }
        }
        return pattern;
    }

    EnglishLocale english_;
};

} // namespace

std::unique_ptr<Locale> environmentLocale() {
    const char* name = std::setlocale(LC_TIME, "");
    if (name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
        std::strncmp(name, "C.", 2) == 0) {
        std::setlocale(LC_TIME, "C");
        return std::make_unique<EnglishLocale>();
    }
    return std::make_unique<LanginfoLocale>();
}

} // namespace trevik::cli
