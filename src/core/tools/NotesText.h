#pragma once

#include <string>
#include <string_view>

namespace trevik {

// The notes file separates lines with CR LF; the edit box with LF alone.
std::string editTextFromNote(std::string_view note);
// Every line break becomes CR LF. A zero byte ends the note in its file, so none is kept.
std::string noteFromEditText(std::string_view text);

} // namespace trevik
