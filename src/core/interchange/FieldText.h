#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// A text of another program (UTF-8, or for old vCards sometimes raw 8-bit) made into a record
// text: Windows-1252, line breaks CR LF where the field holds them (a space elsewhere), cut to
// the field. Each loss is added to `losses` in words naming `field`.
std::string fieldText(std::string_view text, std::size_t width, bool lineBreaks, const char* field,
                      std::vector<std::string>& losses);

// The text without the blanks at either end (with `controls`, without control characters there
// too), which libical drops from every value it reads.
std::string withoutOuterBlanks(std::string_view text, bool controls = false);

// A record text as UTF-8 with "\n" line breaks, as the formats carry it.
std::string exportedText(std::string_view stored);

} // namespace trevik
