#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// The text of an INI file, kept line by line so that writing one key leaves every other
// line (comments, unknown keys, blank lines, their line endings) byte for byte as it was.
// Section and key names compare without regard to ASCII letter case; the first section of
// a name and the first key of a name in it are the ones that count.
class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    std::string text() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key at the end of its section (adding the section
    // at the end of the file when missing). Line breaks inside the value are dropped, so a
    // value can never add lines of its own.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Line {
        std::string content;
        std::string ending;
    };

    std::string newline() const;

    std::vector<Line> lines_;
};

// Reads an integer the way the settings file defines it: leading and trailing blanks skipped;
// "$", "x", "X", "0x" or "0X" start hexadecimal digits, anything else is decimal with an
// optional sign. Empty or unreadable text, or a number that does not fit 32 bits, gives `fallback`.
int parseProfileInt(std::string_view text, int fallback);

} // namespace trevik
