#pragma once

#include <cstdint>
#include <string>

namespace trevik {

// The hours, minutes and seconds a desk tool shows. The countdown's minutes and seconds may
// exceed 59 as typed ("00:75:99") until the count runs them round.
struct ToolTime {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool isZero() const { return hours == 0 && minutes == 0 && seconds == 0; }
    std::int64_t totalSeconds() const {
        return std::int64_t(hours) * 3600 + std::int64_t(minutes) * 60 + seconds;
    }
    friend bool operator==(const ToolTime&, const ToolTime&) = default;
};

// "%02d:%02d:%02d": the hours widen past 99 ("100:00:00").
std::string clockText(const ToolTime& time);

} // namespace trevik
