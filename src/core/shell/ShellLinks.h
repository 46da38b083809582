#pragma once

#include <string>
#include <string_view>

namespace trevik {

// E-mail and web texts come from other installations too (exchange files, imports, the
// clipboard), so what they open is kept to what a user expects of them.

// The address alone that the e-mail command writes to: the text without blanks around it,
// without a leading "mailto:" and without header fields ("?subject=...&body=...", "#..."),
// which would fill in or attach to the message. Empty when no address is left.
std::string mailAddress(std::string_view email);

// The link a web address opens: the text itself when it names its scheme ("https://...",
// "ftp:..."), else "http://" and the text.
std::string webLink(std::string_view www);

// Whether a link is http, https or ftp, which open at once; any other scheme (file,
// javascript, smb, ...) is asked about first.
bool isPlainWebLink(std::string_view link);

// A link as the question about it shows it: control characters (line breaks that would
// fake a second line, NULs) written as \xNN, so the user sees the whole text as it is.
std::string visibleLinkText(std::string_view link);

} // namespace trevik
