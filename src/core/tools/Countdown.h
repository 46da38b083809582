#pragma once

#include "tools/ElapsedSeconds.h"
#include "tools/TimerText.h"
#include "tools/ToolTime.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trevik {

// The countdown timer's state and its rules, on plain data; the timer window shows what it
// holds. A tick reads the time passed on a monotonic clock, so a busy machine or a suspend
// never makes the countdown run late: each tick shows the reading that real time gives, and
// while ticks come once a second that is the one-second step of the count.
class Countdown {
public:
    using Milliseconds = std::chrono::milliseconds;

    // SetClick: playCount = 1, then the counters from `text` (see readTimerText). A running
    // countdown goes on from the new counters.
    TimerTextReading set(std::string_view text, Milliseconds now);
    // StartClick: with every counter at 0 the duration is read from `text` first; counting
    // starts unless that reading failed. A countdown that is running goes on as it was.
    TimerTextReading start(std::string_view text, Milliseconds now);
    // StopClick: counting stops; the counters keep their values for a later start.
    void stop();
    // PIMTimerTimer: the counters take the reading of `now`. When the countdown has run out,
    // counting stops, the counters become 0 and `ranOut` runs (the window rings and may start
    // again); then the status texts show the counters. Nothing happens while stopped.
    void tick(Milliseconds now, const std::function<void()>& ranOut);
    // TimerPlayerNotify: true when the sound is to play once more (playCount goes up), false
    // when it has played `repeat` times and the player is to be closed.
    bool playAgain(std::int32_t repeat);

    bool counting() const { return counting_; }
    const ToolTime& counters() const { return counters_; }
    std::int32_t playCount() const { return playCount_; }
    // The large display, "%02d:%02d:%02d" of the counters.
    std::string timeLabel() const { return clockText(counters_); }
    // The main window's timer panel: "Timer off", or "T hh:mm:ss" as of the last tick.
    const std::string& statusPanel() const { return statusPanel_; }
    // "Timer [hh:mm:ss]" as of the last tick; empty after Stop and at creation.
    const std::string& statusText() const { return statusText_; }
    // When the ticker is to fire next while counting.
    Milliseconds untilNextTick(Milliseconds now) const { return elapsed_.untilNextSecond(now); }

private:
    void countFrom(Milliseconds anchor);

    ToolTime counters_;
    // The counters when counting last began, and the seconds read since.
    ToolTime startCounters_;
    ElapsedSeconds elapsed_;
    bool counting_ = false;
    // While `ranOut` runs: the instant the countdown was due to run out. A restart at once
    // counts from there, so auto restart keeps its rhythm; a restart later (after a suspend,
    // or a message the user answered) counts from its own moment.
    std::optional<Milliseconds> ranOutAt_;
    std::int32_t playCount_ = 0;
    std::string statusPanel_ = "Timer off";
    std::string statusText_;
};

// The counters after `seconds` one-second steps down from `from`, each step as the timer's
// tick takes it: seconds go down and run from -1 round to 59 taking a minute, minutes likewise
// take an hour. `seconds` is at most from.totalSeconds().
ToolTime countedDown(ToolTime from, std::int64_t seconds);

} // namespace trevik
