#include "calendar/CalendarTexts.h"
#include "editor/DateParsing.h"
#include "platform/StoredText.h"
#include "platform/SystemLocale.h"

#include <QLocale>
#include <QTest>

#include <set>
#include <vector>

using namespace trevik;

namespace {

// The days the round trip is tried on: every 97th day from 1900 to 2100 (so every month
// and every day of the month turns up), and the edges of both two-digit-year centuries.
std::vector<DayNumber> sampleDays() {
    std::vector<DayNumber> days;
    const DayNumber first = dayNumberFromCivil({1900, 1, 1});
    const DayNumber last = dayNumberFromCivil({2100, 12, 31});
    for (DayNumber day = first; day <= last; day += 97) {
        days.push_back(day);
    }
    for (const CivilDate date :
         {CivilDate{1900, 1, 1}, CivilDate{1949, 12, 31}, CivilDate{1950, 1, 1},
          CivilDate{1999, 12, 31}, CivilDate{2000, 1, 1}, CivilDate{2049, 12, 31},
          CivilDate{2050, 1, 1}, CivilDate{2100, 12, 31}}) {
        days.push_back(dayNumberFromCivil(date));
    }
    for (int month = 1; month <= 12; ++month) {
        days.push_back(dayNumberFromCivil({1945, month, daysInMonth(1945, month)}));
        days.push_back(dayNumberFromCivil({2045, month, 1}));
    }
    return days;
}

bool writesFourDigitYears(const Locale& locale) {
    return ShortDateText(dayNumberFromCivil({1987, 6, 5}), locale).find("1987") !=
           std::string::npos;
}

// A locale's names with a pattern of the test's choosing.
class PatternLocale final : public Locale {
public:
    PatternLocale(const Locale& names, std::string pattern)
        : names_(names), pattern_(std::move(pattern)) {}
    std::string shortMonthName(int m) const override { return names_.shortMonthName(m); }
    std::string longMonthName(int m) const override { return names_.longMonthName(m); }
    std::string shortDayName(int d) const override { return names_.shortDayName(d); }
    std::string longDayName(int d) const override { return names_.longDayName(d); }
    std::string shortDateFormat() const override { return pattern_; }
    int compare(std::string_view a, std::string_view b) const override {
        return names_.compare(a, b);
    }
    std::string toLower(std::string_view t) const override { return names_.toLower(t); }

private:
    const Locale& names_;
    std::string pattern_;
};

// Whether two months share a name as the code page stores it (Cyrillic names all become
// question marks), with or without a closing dot; such names cannot tell a month.
bool monthNamesCollide(const Locale& locale) {
    std::set<std::string> seen;
    for (int month = 1; month <= 12; ++month) {
        std::set<std::string> own;
        for (std::string name : {locale.shortMonthName(month), locale.longMonthName(month)}) {
            name = locale.toLower(name);
            own.insert(name);
            if (!name.empty() && name.back() == '.') {
                own.insert(name.substr(0, name.size() - 1));
            }
        }
        for (const std::string& name : own) {
            if (name.empty() || !seen.insert(name).second) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class DateTextRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    // What the date boxes show in a locale reads back as the same day, through the code page
    // the boxes' texts pass through on their way in and out.
    void everyLocaleReadsBackItsShortDates() {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 300);
        const std::vector<DayNumber> days = sampleDays();
        QStringList failures;
        int twoDigitLocales = 0;
        for (const QLocale& qtLocale : locales) {
            const SystemLocale locale(qtLocale);
            const bool fourDigits = writesFourDigitYears(locale);
            twoDigitLocales += fourDigits ? 0 : 1;
            for (const DayNumber day : days) {
                const std::string text = ShortDateText(day, locale);
                const std::string typed = toStored(fromStored(text));
                const int year = civilFromDayNumber(day).year;
                const bool unambiguous = fourDigits || (year >= 1950 && year <= 2049);
                if (typed != text || ParseDateText(typed, locale, day) != day ||
                    (unambiguous && ParseDateText(typed, locale) != day)) {
                    failures << QStringLiteral("%1 [%2] %3")
                                    .arg(qtLocale.name(),
                                         QString::fromStdString(locale.shortDateFormat()),
                                         fromStored(text));
                    break; // one failure per locale is enough to tell
                }
            }
        }
        QVERIFY(twoDigitLocales > 0);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // Month names and abbreviations of every locale whose names tell the months apart read
    // back in any letter case, and a number may stand for the name.
    void monthNamesReadBackInEveryLocale() {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QStringList failures;
        int checked = 0;
        for (const QLocale& qtLocale : locales) {
            const SystemLocale names(qtLocale);
            if (monthNamesCollide(names)) {
                continue;
            }
            ++checked;
            const PatternLocale shortNames(names, "d MMM yyyy");
            const PatternLocale longNames(names, "dd. MMMM yy");
            for (int month = 1; month <= 12; ++month) {
                const DayNumber day = dayNumberFromCivil({1961, month, 9});
                const std::string shortText = formatDate(day, "d MMM yyyy", shortNames);
                const std::string longText = formatDate(day, "dd. MMMM yy", longNames);
                const std::string upper = toStored(qtLocale.toUpper(fromStored(shortText)));
                const bool wrong =
                    ParseDateText(shortText, shortNames) != day ||
                    ParseDateText(longText, longNames, day) != day ||
                    ParseDateText("9 " + std::to_string(month) + " 1961", shortNames) != day ||
                    (upper.find('?') == std::string::npos &&
                     ParseDateText(upper, shortNames) != day);
                if (wrong) {
                    failures << QStringLiteral("%1 %2").arg(qtLocale.name()).arg(month);
                    break;
                }
            }
        }
        QVERIFY(checked > 100);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // The forms in which people type dates that the pattern spells differently.
    void typedVariantsOfThePattern() {
        const SystemLocale c(QLocale::c()); // d MMM yyyy
        const DayNumber march12 = dayNumberFromCivil({1945, 3, 12});
        QCOMPARE(ParseDateText("12 Mar 1945", c), march12);
        QCOMPARE(ParseDateText("12 march 1945", c), march12);
        QCOMPARE(ParseDateText("12 3 1945", c), march12);
        QCOMPARE(ParseDateText(" 12 MAR 1945 10:15 ", c), march12);
        QVERIFY(!ParseDateText("12 Mrz 1945", c).has_value());
        QVERIFY(!ParseDateText("12 Mar", c).has_value());
        const SystemLocale croatian(QLocale(QStringLiteral("hr_HR"))); // dd. MM. yyyy.
        QCOMPARE(ParseDateText("12. 03. 1945.", croatian), march12);
        QCOMPARE(ParseDateText("12.3.1945", croatian), march12);
        QCOMPARE(ParseDateText("12. 03. 1945. 10:15", croatian), march12);
        QVERIFY(!ParseDateText("12. 03. 1945. 10", croatian).has_value());
        const SystemLocale american(QLocale(QStringLiteral("en_US"))); // M/d/yy
        QCOMPARE(ParseDateText("3/12/45", american), dayNumberFromCivil({2045, 3, 12}));
        QCOMPARE(ParseDateText("3/12/45", american, march12), march12);
        // Another two-digit year than the box showed falls in the usual window.
        QCOMPARE(ParseDateText("3/12/46", american, march12), dayNumberFromCivil({2046, 3, 12}));
        QCOMPARE(ParseDateText("3/12/1905", american), dayNumberFromCivil({1905, 3, 12}));
        // No view can show a day before 1900: it is no date.
        QVERIFY(!ParseDateText("3/12/1845", american).has_value());
        QCOMPARE(ParseDateText("3/12/45 9:30 AM", american, march12), march12);
    }
};

QTEST_GUILESS_MAIN(DateTextRoundTripTest)
#include "DateTextRoundTripTest.moc"
