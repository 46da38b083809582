#include "tools/ToolTime.h"

#include <cstdio>

namespace trevik {

std::string clockText(const ToolTime& time) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", int(time.hours), int(time.minutes),
                  int(time.seconds));
    return text;
}

} // namespace trevik
