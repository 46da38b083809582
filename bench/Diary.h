#pragma once

// The diary the calendar benchmarks read: 50,000 entries in a temporary data directory.

#include "common/DateTime.h"
#include "storage/CalSet.h"
#include "storage/TypeRecords.h"
#include "support/TempDir.h"

#include <random>

namespace trevik::bench {

// A diary of 50,000 entries over six years: mostly one-day entries, 5% periods, 5% yearly,
// 1% monthly and 1% weekly repeats, ten daily entries and a few to-do items.
class Diary {
public:
    Diary() {
        std::mt19937 random(42);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const DayNumber base = dayNumberFromCivil({2022, 1, 1});
        CalSet set(dir_.path());
        set.Open();
        for (int i = 1; i <= 50000; ++i) {
            set.NewRecord();
            set.id = i;
            set.comment = "Entry " + std::to_string(i);
            const int kind = pick(0, 9999);
            set.dateFrom = kind < 9990 ? base + pick(0, 6 * 365) : kNoDate;
            set.dateTo = kind < 500 ? set.dateFrom + pick(1, 10) : kNoDate;
            set.timeFrom =
                pick(0, 1) ? timeFraction({pick(6, 20), pick(0, 3) * 15, 0, 0}) : kNoTime;
            set.repeat = kind < 9300   ? kRepeatNone
                         : kind < 9800 ? kRepeatYearly
                         : kind < 9900 ? kRepeatMonthly
                         : kind < 9988 ? kRepeatWeekly
                                       : kRepeatDaily;
            set.type = std::int16_t(pick(-1, 5));
            set.Write();
        }
        for (const char* name : {"Birthday", "Work", "Private", "Travel", "Health"}) {
            AddType(dir_.path(), name);
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

inline const Diary& diary() {
    static const Diary instance;
    return instance;
}

} // namespace trevik::bench
