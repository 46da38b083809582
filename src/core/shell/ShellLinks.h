#pragma once

#include <string>
#include <string_view>

namespace trevik {

// The link an e-mail address opens: "mailto:" and the address.
std::string MailtoLink(std::string_view email);

// The link a web address opens: the text itself when it names its scheme ("https://...",
// "ftp:..."), else "http://" and the text.
std::string WebLink(std::string_view www);

} // namespace trevik
