#pragma once

#include "common/DateTime.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace trevik::cli {

// The options a command takes: those followed by a value and those that stand alone.
struct OptionNames {
    std::vector<std::string> values;
    std::vector<std::string> flags;
};

// A command's arguments: positional words, "--name value" options and "--name" flags.
// "--help" where an option may stand, or "-h" as the only word, asks for help; anywhere else
// "-h" is a word like any other (a comment may be "-h"). After "--" every word is positional.
class Arguments {
public:
    // Throws UsageError for an option not in `names`, one without its value or one given
    // twice, unless help was asked for.
    Arguments(const std::vector<std::string>& words, const OptionNames& names);

    bool helpRequested() const { return helpRequested_; }
    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const { return flags_.count(name) != 0; }
    // Throws UsageError unless there are between `least` and `most` positional words.
    void expectPositional(std::size_t least, std::size_t most) const;

private:
    bool helpRequested_ = false;
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
    std::set<std::string> flags_;
};

// Command-line values. Each throws UsageError with a message that names the bad value.
// A date is exactly YYYY-MM-DD in digits, a real day of the years 1900 to 9999.
DayNumber parseIsoDate(const std::string& text);
double parseClockTime(const std::string& text);
std::int32_t parseId(const std::string& text, const char* what);

} // namespace trevik::cli
