#pragma once

// The diaries the calendar benchmarks read: 50,000 entries each in a temporary data directory.

#include "common/DateTime.h"
#include "storage/CalSet.h"
#include "storage/TypeRecords.h"
#include "support/TempDir.h"

#include <random>

namespace trevik::bench {

// Shares of the repeat rates, in ten-thousandths, as upper bounds of a roll of 0..9999.
struct DiaryMix {
    int none;
    int yearly;
    int monthly;
    int weekly;
};

// The light diary: mostly one-day entries, 5% periods, 5% yearly, 1% monthly and about 1%
// weekly repeats, 60 daily entries and a few to-do items: about 65,000 rows a year.
inline constexpr DiaryMix kLightMix = {9300, 9800, 9900, 9988};
// The heavy diary: about 2,340 dated entries (a twentieth) repeat weekly without end, and 30
// daily: about 151,000 rows in a year.
inline constexpr DiaryMix kHeavyMix = {9100, 9450, 9520, 9994};

// Writes 50,000 entries over six years from 2022 and the five types into `dir`; returns the
// number of dated weekly entries, which show every week.
inline int writeDiary(const std::filesystem::path& dir, const DiaryMix& mix) {
    std::mt19937 random(42);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const DayNumber base = dayNumberFromCivil({2022, 1, 1});
    int weekly = 0;
    {
        CalSet set(dir);
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
            set.repeat = kind < mix.none      ? kRepeatNone
                         : kind < mix.yearly  ? kRepeatYearly
                         : kind < mix.monthly ? kRepeatMonthly
                         : kind < mix.weekly  ? kRepeatWeekly
                                              : kRepeatDaily;
            set.type = std::int16_t(pick(-1, 5));
            set.Write();
            weekly += set.repeat == kRepeatWeekly && set.dateFrom != kNoDate ? 1 : 0;
        }
    }
    for (const char* name : {"Birthday", "Work", "Private", "Travel", "Health"}) {
        addType(dir, name);
    }
    return weekly;
}

// A diary in a temporary data directory of its own.
class Diary {
public:
    explicit Diary(const DiaryMix& mix = kLightMix) : weekly_(writeDiary(dir_.path(), mix)) {}
    const std::filesystem::path& path() const { return dir_.path(); }
    int weeklyEntries() const { return weekly_; }

private:
    test::TempDir dir_;
    int weekly_ = 0;
};

inline const Diary& diary() {
    static const Diary instance;
    return instance;
}

inline const Diary& heavyDiary() {
    static const Diary instance(kHeavyMix);
    return instance;
}

} // namespace trevik::bench
