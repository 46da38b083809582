#include "tools/ElapsedSeconds.h"

#include <algorithm>

namespace trevik {

namespace {

constexpr std::chrono::milliseconds kSecond{1000};

} // namespace

void ElapsedSeconds::restart(Milliseconds anchor) {
    anchor_ = anchor;
    lastReading_ = 0;
}

std::int64_t ElapsedSeconds::read(Milliseconds now) {
    const auto elapsed = std::max(now - anchor_, Milliseconds(0));
    const std::int64_t seconds = (elapsed + kSecond / 2) / kSecond;
    lastReading_ = std::max(lastReading_, seconds);
    return lastReading_;
}

ElapsedSeconds::Milliseconds ElapsedSeconds::untilNextSecond(Milliseconds now) const {
    const Milliseconds due = anchor_ + kSecond * (lastReading_ + 1);
    return std::max(due - now, Milliseconds(1));
}

} // namespace trevik
