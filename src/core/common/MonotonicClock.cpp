#include "common/MonotonicClock.h"

#include <time.h>

namespace trevik {

std::chrono::milliseconds BootTimeClock::now() const {
    timespec time{};
    if (::clock_gettime(CLOCK_BOOTTIME, &time) != 0) {
        // Kernels older than 2.6.39 lack it; then time asleep is not counted.
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
    return std::chrono::milliseconds(std::chrono::milliseconds::rep(time.tv_sec) * 1000 +
                                     time.tv_nsec / 1000000);
}

const MonotonicClock& systemMonotonicClock() {
    static const BootTimeClock clock;
    return clock;
}

} // namespace trevik
