#pragma once

#include <chrono>
#include <cstdint>

namespace trevik {

// Whole seconds since an anchor instant, as the desk tools read them at each tick. A reading is
// rounded to the nearest second, so a tick that comes a few milliseconds early or late reads the
// second it was meant for, and a late tick reads all the seconds that have passed. Readings never
// go back.
class ElapsedSeconds {
public:
    using Milliseconds = std::chrono::milliseconds;

    // Counts from `anchor` again; no second has been read yet.
    void restart(Milliseconds anchor);
    // The seconds passed at `now`, at least the last reading; becomes the last reading.
    std::int64_t read(Milliseconds now);
    std::int64_t lastReading() const { return lastReading_; }
    Milliseconds anchor() const { return anchor_; }
    // How long from `now` until the next second is due: the ticker fires then.
    Milliseconds untilNextSecond(Milliseconds now) const;

private:
    Milliseconds anchor_{0};
    std::int64_t lastReading_ = 0;
};

} // namespace trevik
