#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace trevik::cli {

// The flag of every command that stores texts: what Windows-1252 lacks becomes "?".
inline constexpr const char* kReplaceUnsupported = "replace-unsupported";

// How a text given on the command line may become a record text.
struct TextRules {
    std::size_t width = 30;
    // The memo fields (comment, address, misc) hold CR LF line breaks; the others none.
    bool lineBreaks = false;
    // Store a character Windows-1252 lacks (or a broken UTF-8 sequence) as "?".
    bool replaceUnsupported = false;
};

// The UTF-8 text as stored (Windows-1252). Throws UsageError naming `field` when the text is
// longer than its field, holds a tab, another control character, a line break the field may
// not hold, a line break other than CR LF, or a character Windows-1252 cannot store (unless
// `replaceUnsupported`).
std::string storedText(const std::string& utf8, const char* field, const TextRules& rules);

// The text as stored, or nothing when a character of it has no Windows-1252 byte.
std::optional<std::string> storableText(const std::string& utf8);

} // namespace trevik::cli
