#include "Arguments.h"

#include "CliContext.h"
#include "editor/EditorValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace trevik::cli {

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The value of the digits text[from, from + count); -1 unless every one is a digit.
int digitsAt(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

Arguments::Arguments(const std::vector<std::string>& words, const OptionNames& names) {
    if (words.size() == 1 && (words[0] == "-h" || words[0] == "--help")) {
        helpRequested_ = true;
        return;
    }
    // The first fault is kept until the end, so that a later "--help" still gets help.
    std::string fault;
    const auto refuse = [&](std::string message) {
        if (fault.empty()) {
            fault = std::move(message);
        }
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() <= 2 || word.rfind("--", 0) != 0) {
            if (!optionsEnded && word == "--") {
                optionsEnded = true;
            } else {
                positional_.push_back(word);
            }
            continue;
        }
        const std::string name = word.substr(2);
        if (name == "help") {
            helpRequested_ = true;
            return;
        }
        if (contains(names.flags, name)) {
            if (!flags_.insert(name).second) {
                refuse("option '" + word + "' is given twice");
            }
        } else if (contains(names.values, name)) {
            if (i + 1 >= words.size()) {
                refuse("option '" + word + "' needs a value");
                continue;
            }
            if (!options_.emplace(name, words[++i]).second) {
                refuse("option '" + word + "' is given twice");
            }
        } else {
            refuse("unknown option '" + word + "'");
        }
    }
    if (!fault.empty()) {
        throw UsageError(fault);
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
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-';
    const int year = shaped ? digitsAt(text, 0, 4) : -1;
    const int month = shaped ? digitsAt(text, 5, 2) : -1;
    const int day = shaped ? digitsAt(text, 8, 2) : -1;
    if (year < 0 || month < 0 || day < 0 || !isValidCivilDate(year, month, day)) {
        throw UsageError("'" + text + "' is not a date (YYYY-MM-DD)");
    }
    // Before 1900 lies day -1, which the files read as "no date".
    if (year < 1900) {
        throw UsageError("'" + text + "' is not a date from 1900 to 9999");
    }
    return dayNumberFromCivil({year, month, day});
}

double parseClockTime(const std::string& text) {
    const std::optional<double> time = parseTimeText(text);
    const bool blank = std::any_of(text.begin(), text.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c));
    });
    if (!time || blank) {
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

} // namespace trevik::cli
