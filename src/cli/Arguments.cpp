#include "Arguments.h"

#include "CliContext.h"
#include "common/Cp1252.h"
#include "editor/EditorValues.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace trevik::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<std::string>& known) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            const std::string name = word.substr(2);
            if (std::find(known.begin(), known.end(), name) == known.end()) {
                throw UsageError("unknown option '" + word + "'");
            }
            if (i + 1 >= words.size()) {
                throw UsageError("option '" + word + "' needs a value");
            }
            options_[name] = words[++i];
        } else {
            positional_.push_back(word);
        }
    }
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    const auto found = options_.find(name);
    return found == options_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void Arguments::expectPositional(std::size_t least, std::size_t most) const {
    if (positional_.size() < least) {
        throw UsageError("missing argument");
    }
    if (positional_.size() > most) {
        throw UsageError("unexpected argument '" + positional_[most] + "'");
    }
}

DayNumber parseIsoDate(const std::string& text) {
    int year = 0;
    int month = 0;
    int day = 0;
    char dash1 = 0;
    char dash2 = 0;
    int consumed = 0;
    if (text.size() == 10 &&
        std::sscanf(text.c_str(), "%4d%c%2d%c%2d%n", &year, &dash1, &month, &dash2, &day,
                    &consumed) == 5 &&
        consumed == 10 && dash1 == '-' && dash2 == '-' && isValidCivilDate(year, month, day)) {
        return dayNumberFromCivil({year, month, day});
    }
    throw UsageError("'" + text + "' is not a date (YYYY-MM-DD)");
}

double parseClockTime(const std::string& text) {
    const std::optional<double> time = ParseTimeText(text);
    if (!time || text.find(' ') != std::string::npos) {
        throw UsageError("'" + text + "' is not a time (H:MM)");
    }
    return *time;
}

std::int32_t parseId(const std::string& text, const char* what) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw UsageError("'" + text + "' is not " + what);
    }
    return value;
}

std::string storedText(const std::string& utf8, std::size_t width, const char* field) {
    std::string stored = utf8ToCp1252(utf8);
    if (stored.size() > width) {
        throw UsageError(std::string(field) + " is longer than " + std::to_string(width) +
                         " characters");
    }
    return stored;
}

} // namespace trevik::cli
