#pragma once

#include <string>
#include <string_view>

namespace trevik {

// Record files hold Windows-1252 bytes; the user interface speaks UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);
// The same, appended to `out`: for text written out in bulk without a string per piece.
void appendCp1252AsUtf8(std::string& out, std::string_view bytes);

// A character that Windows-1252 cannot hold (or a broken UTF-8 sequence) becomes '?'.
std::string utf8ToCp1252(std::string_view text);

// Lower-cases the letters of Windows-1252 text, accented ones included.
std::string cp1252ToLower(std::string_view bytes);
char cp1252ToLower(char byte);

} // namespace trevik
