#include "tools/Stopwatch.h"

namespace trevik {

namespace {

ToolTime fromSeconds(std::int64_t seconds) {
    return {std::int32_t(seconds / 3600), std::int32_t(seconds / 60 % 60),
            std::int32_t(seconds % 60)};
}

} // namespace

void Stopwatch::start(Milliseconds now) {
    if (running_) {
        return;
    }
    running_ = true;
    startSeconds_ = counters_.totalSeconds();
    elapsed_.restart(now);
}

void Stopwatch::stop() {
    running_ = false;
    statusPanel_ = "Stopwatch off";
    statusText_.clear();
}

void Stopwatch::reset(Milliseconds now) {
    counters_ = {};
    startSeconds_ = 0;
    elapsed_.restart(now);
}

void Stopwatch::tick(Milliseconds now) {
    if (!running_) {
        return;
    }
    counters_ = fromSeconds(startSeconds_ + elapsed_.read(now));
    const std::string reading = clockText(counters_);
    statusPanel_ = "S " + reading;
    statusText_ = "Stopwatch [" + reading + "]";
}

} // namespace trevik
