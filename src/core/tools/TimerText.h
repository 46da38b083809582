#pragma once

#include "tools/ToolTime.h"

#include <string>
#include <string_view>

namespace trevik {

struct TimerTextReading {
    enum Outcome { Read, WrongLength, NotANumber };
    Outcome outcome = Read;
    // The part that is not a number, for the message.
    std::string badPart;

    bool ok() const { return outcome == Read; }
};

// Reads a countdown's duration by the length of `text`: "hh:mm:ss", "h:mm:ss", "hh:mm", "h:mm"
// or empty (all 0); the separators are not looked at and the numbers have no range limit. Any
// other length changes nothing. The parts are taken seconds first, then minutes, then hours; at
// a part that is not a number the reading stops, and the parts before it keep their new values.
// A part is a number when it is all decimal digits: a sign would make a duration that never
// runs out.
TimerTextReading readTimerText(std::string_view text, ToolTime& time);

} // namespace trevik
