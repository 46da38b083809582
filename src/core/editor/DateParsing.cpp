#include "editor/DateParsing.h"

#include <string>
#include <vector>

namespace trevik {

namespace {

struct PatternPart {
    enum Kind { Literal, Day, Month, MonthName, Year } kind = Literal;
    std::string literal;
};

// The pattern's fields and the literal text between them, quotes removed.
std::vector<PatternPart> partsOf(std::string_view pattern) {
    std::vector<PatternPart> parts;
    const auto addLiteral = [&parts](std::string_view text) {
        if (parts.empty() || parts.back().kind != PatternPart::Literal) {
            parts.push_back({PatternPart::Literal, {}});
        }
        parts.back().literal += text;
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            addLiteral(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (c == 'd' && run <= 2) {
            parts.push_back({PatternPart::Day, {}});
        } else if (c == 'M') {
            parts.push_back({run <= 2 ? PatternPart::Month : PatternPart::MonthName, {}});
        } else if (c == 'y') {
            parts.push_back({PatternPart::Year, {}});
        } else {
            addLiteral(pattern.substr(i, run));
        }
        i += run;
    }
    return parts;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Letters of Windows-1252, and '?', which stands in a name for a letter the code page lacks.
bool isLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '?') {
        return true;
    }
    if (b >= 0xC0) {
        return b != 0xD7 && b != 0xF7; // not the multiplication and division signs
    }
    constexpr std::string_view kOtherLetters = "\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
    return kOtherLetters.find(c) != std::string_view::npos;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || static_cast<unsigned char>(c) == 0xA0;
}

class DateReader {
public:
    DateReader(std::string_view text, const Locale& locale) : text_(text), locale_(locale) {}

    bool atEnd() const { return pos_ == text_.size(); }

    // Skips `literal` when the text goes on with it, in any letter case; returns whether it
    // skipped a blank.
    bool skipLiteral(std::string_view literal) {
        if (literal.empty() || !startsWith(literal)) {
            return false;
        }
        pos_ += literal.size();
        return literal.find_first_of(" \t\xA0") != std::string_view::npos;
    }

    void skipToDigit() {
        while (!atEnd() && !isDigit(text_[pos_])) {
            ++pos_;
        }
    }

    // Skips what is neither a digit nor a letter; returns whether a blank was among it.
    bool skipSeparators() {
        bool blank = false;
        while (!atEnd() && !isDigit(text_[pos_]) && !isLetter(text_[pos_])) {
            blank = blank || isBlank(text_[pos_]);
            ++pos_;
        }
        return blank;
    }

    // A run of digits: its value and how many digits it has (0 when there is none).
    std::pair<int, std::size_t> number() {
        const std::size_t start = pos_;
        int value = 0;
        while (!atEnd() && isDigit(text_[pos_])) {
            if (pos_ - start < 9) {
                value = value * 10 + (text_[pos_] - '0');
            }
            ++pos_;
        }
        return {value, pos_ - start};
    }

    // The month whose short or long name the text goes on with as a whole word, the longest
    // name winning (so "June" is not read as "Jun" and a stray "e"); 0 when none.
    int monthName() {
        int month = 0;
        std::size_t length = 0;
        for (int m = 1; m <= 12; ++m) {
            for (std::string name : {locale_.shortMonthName(m), locale_.longMonthName(m)}) {
                // Abbreviations that end in a dot may be typed without it.
                for (int variant = 0; variant < 2 && !name.empty(); ++variant) {
                    if (name.size() > length && startsWith(name) &&
                        wordEndsAt(pos_ + name.size())) {
                        month = m;
                        length = name.size();
                    }
                    if (name.back() != '.') {
                        break;
                    }
                    name.pop_back();
                }
            }
        }
        pos_ += length;
        return month;
    }

    // "h:mm" or "h:mm:ss", perhaps followed by a word such as "AM", and nothing after it.
    bool timeToTheEnd() {
        for (int group = 0; group < 3; ++group) {
            const auto [value, digits] = number();
            if (digits == 0 || digits > 2) {
                return false;
            }
            if (atEnd() || text_[pos_] != ':' || group == 2) {
                if (group == 0) {
                    return false;
                }
                break;
            }
            ++pos_;
        }
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
        while (!atEnd() && (isLetter(text_[pos_]) || text_[pos_] == '.')) {
            ++pos_;
        }
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
        return atEnd();
    }

private:
    bool wordEndsAt(std::size_t end) const { return end >= text_.size() || !isLetter(text_[end]); }

    bool startsWith(std::string_view prefix) const {
        if (text_.size() - pos_ < prefix.size()) {
            return false;
        }
        return locale_.toLower(text_.substr(pos_, prefix.size())) == locale_.toLower(prefix);
    }

    std::string_view text_;
    const Locale& locale_;
    std::size_t pos_ = 0;
};

int fullYear(int value, std::size_t digits, DayNumber shown) {
    if (digits > 2) {
        return value;
    }
    if (shown != kNoDate) {
        const int shownYear = civilFromDayNumber(shown).year;
        if (shownYear >= 0 && shownYear % 100 == value) {
            return shownYear;
        }
    }
    return value < 50 ? 2000 + value : 1900 + value;
}

} // namespace

std::optional<DayNumber> ParseDateText(std::string_view text, const Locale& locale,
                                       DayNumber shown) {
    const std::vector<PatternPart> parts = partsOf(locale.shortDateFormat());
    DateReader reader(text, locale);
    int values[3] = {0, 0, 0}; // day, month, year
    bool seen[3] = {false, false, false};
    bool blankAfterDate = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const PatternPart& part = parts[i];
        if (part.kind == PatternPart::Literal) {
            const bool skippedBlank = reader.skipLiteral(part.literal);
            if (i + 1 == parts.size()) {
                blankAfterDate = skippedBlank;
            }
            continue;
        }
        const int slot = part.kind == PatternPart::Day ? 0 : part.kind == PatternPart::Year ? 2 : 1;
        if (seen[slot]) {
            return std::nullopt; // a field twice in the pattern
        }
        seen[slot] = true;
        if (part.kind == PatternPart::MonthName) {
            reader.skipSeparators();
            values[1] = reader.monthName();
            if (values[1] != 0) {
                continue;
            }
        } else {
            reader.skipToDigit();
        }
        const auto [value, digits] = reader.number();
        if (digits == 0 || digits > (part.kind == PatternPart::Year ? 4u : 2u)) {
            return std::nullopt;
        }
        values[slot] = part.kind == PatternPart::Year ? fullYear(value, digits, shown) : value;
    }
    blankAfterDate = reader.skipSeparators() || blankAfterDate;
    if (!(seen[0] && seen[1] && seen[2])) {
        return std::nullopt;
    }
    if (!reader.atEnd() && !(blankAfterDate && reader.timeToTheEnd())) {
        return std::nullopt;
    }
    const auto [day, month, year] = values;
    if (year <= 0 || !isValidCivilDate(year, month, day)) {
        return std::nullopt;
    }
    const DayNumber result = dayNumberFromCivil({year, month, day});
    // Only the days the views can show are dates (the day before the epoch, for one, is the
    // number that means "no date").
    if (!isCivilDay(result)) {
        return std::nullopt;
    }
    return result;
}

} // namespace trevik
