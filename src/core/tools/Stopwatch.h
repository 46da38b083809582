#pragma once

#include "tools/ElapsedSeconds.h"
#include "tools/ToolTime.h"

#include <chrono>
#include <string>

namespace trevik {

// The stopwatch's state and its rules, on plain data. Like the countdown it reads the time
// passed on a monotonic clock at each tick, so it shows real elapsed time however late its
// ticks come.
class Stopwatch {
public:
    using Milliseconds = std::chrono::milliseconds;

    // StartClick: counting goes on from the current count; nothing changes while running.
    void start(Milliseconds now);
    // StopClick: counting stops, the counters stay.
    void stop();
    // ResetClick: the counters become 0; a running stopwatch counts on from zero. The status
    // texts keep what they show until the next tick.
    void reset(Milliseconds now);
    // StopwatchTimer: the counters take the reading of `now` and the status texts show them.
    // Nothing happens while stopped.
    void tick(Milliseconds now);

    bool running() const { return running_; }
    const ToolTime& counters() const { return counters_; }
    std::string timeLabel() const { return clockText(counters_); }
    // "Stopwatch off", or "S hh:mm:ss" as of the last tick.
    const std::string& statusPanel() const { return statusPanel_; }
    // "Stopwatch [hh:mm:ss]" as of the last tick; empty after Stop and at creation.
    const std::string& statusText() const { return statusText_; }
    Milliseconds untilNextTick(Milliseconds now) const { return elapsed_.untilNextSecond(now); }

private:
    ToolTime counters_;
    std::int64_t startSeconds_ = 0;
    ElapsedSeconds elapsed_;
    bool running_ = false;
    std::string statusPanel_ = "Stopwatch off";
    std::string statusText_;
};

} // namespace trevik
