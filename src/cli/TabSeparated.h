#pragma once

#include <string>
#include <string_view>

namespace trevik::cli {

// A record text as one field of a tab-separated row: a line break (CR LF, or a lone CR or LF)
// becomes "\n", a tab "\t" and a backslash "\\", so that a row is always one line and its
// fields are split by its tabs alone.
std::string tsvField(std::string_view stored);
// Whether tsvField would leave the text as it is.
bool isPlainTsvField(std::string_view stored);

} // namespace trevik::cli
