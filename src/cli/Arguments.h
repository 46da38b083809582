#pragma once

#include "common/DateTime.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trevik::cli {

// A command's arguments: positional words and "--name value" options.
class Arguments {
public:
    // Throws UsageError for an option not in `known` or one without its value.
    Arguments(const std::vector<std::string>& words, const std::vector<std::string>& known);

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> option(const std::string& name) const;
    // Throws UsageError unless there are between `least` and `most` positional words.
    void expectPositional(std::size_t least, std::size_t most) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
};

// Command-line values. Each throws UsageError with a message that names the bad value.
DayNumber parseIsoDate(const std::string& text);
double parseClockTime(const std::string& text);
std::int32_t parseId(const std::string& text, const char* what);
// The text as stored (Windows-1252), refused when it does not fit its field.
std::string storedText(const std::string& utf8, std::size_t width, const char* field);

} // namespace trevik::cli
