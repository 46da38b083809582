#include "tools/Countdown.h"

namespace trevik {

namespace {

constexpr std::chrono::milliseconds kSecond{1000};

} // namespace

ToolTime countedDown(ToolTime from, std::int64_t seconds) {
    if (seconds <= from.seconds) {
        from.seconds -= std::int32_t(seconds);
        return from;
    }
    // Steps after the one that first ran the seconds round, and the minutes they took.
    const std::int64_t afterRound = seconds - from.seconds - 1;
    from.seconds = std::int32_t(59 - afterRound % 60);
    const std::int64_t minutesTaken = 1 + afterRound / 60;
    if (minutesTaken <= from.minutes) {
        from.minutes -= std::int32_t(minutesTaken);
        return from;
    }
    const std::int64_t afterMinuteRound = minutesTaken - from.minutes - 1;
    from.minutes = std::int32_t(59 - afterMinuteRound % 60);
    from.hours -= std::int32_t(1 + afterMinuteRound / 60);
    return from;
}

void Countdown::countFrom(Milliseconds anchor) {
    startCounters_ = counters_;
    elapsed_.restart(anchor);
}

TimerTextReading Countdown::set(std::string_view text, Milliseconds now) {
    playCount_ = 1;
    const TimerTextReading reading = readTimerText(text, counters_);
    if (counting_ && reading.outcome != TimerTextReading::WrongLength) {
        countFrom(now);
    }
    return reading;
}

TimerTextReading Countdown::start(std::string_view text, Milliseconds now) {
    if (counters_.isZero()) {
        const TimerTextReading reading = set(text, now);
        if (!reading.ok()) {
            return reading;
        }
    }
    if (!counting_) {
        counting_ = true;
        const bool atOnce = ranOutAt_ && now - *ranOutAt_ < kSecond;
        countFrom(atOnce ? *ranOutAt_ : now);
    }
    return {};
}

void Countdown::stop() {
    counting_ = false;
    statusPanel_ = "Timer off";
    statusText_.clear();
}

void Countdown::tick(Milliseconds now, const std::function<void()>& ranOut) {
    if (!counting_) {
        return;
    }
    const std::int64_t total = startCounters_.totalSeconds();
    // A duration of n seconds shows 0 after n steps and runs out at the step after.
    const std::int64_t passed = elapsed_.read(now);
    if (passed > total) {
        counting_ = false;
        counters_ = {};
        ranOutAt_ = elapsed_.anchor() + kSecond * (total + 1);
        if (ranOut) {
            ranOut();
        }
        ranOutAt_.reset();
    } else {
        counters_ = countedDown(startCounters_, passed);
    }
    const std::string reading = clockText(counters_);
    statusPanel_ = "T " + reading;
    statusText_ = "Timer [" + reading + "]";
}

bool Countdown::playAgain(std::int32_t repeat) {
    if (playCount_ >= repeat) {
        return false;
    }
    ++playCount_;
    return true;
}

} // namespace trevik
