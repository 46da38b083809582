// The yearly planner and the alarm check on 50,000 entries.
#include "Diary.h"
#include "calendar/Alarms.h"
#include "calendar/YearlyPlanner.h"
#include "storage/CalSet.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace trevik;
using trevik::bench::diary;

namespace {

// The benchmark diary's mix of entries, a fifth of them with an alarm.
class AlarmDiary {
public:
    AlarmDiary() {
        std::mt19937 random(7);
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
            set.repeat = kind < 9300   ? kRepeatNone
                         : kind < 9800 ? kRepeatYearly
                         : kind < 9900 ? kRepeatMonthly
                         : kind < 9988 ? kRepeatWeekly
                                       : kRepeatDaily;
            set.alarm = pick(0, 4) == 0 ? timeFraction({pick(6, 20), pick(0, 59), 0, 0}) : kNoTime;
            set.Write();
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

const AlarmDiary& alarmDiary() {
    static const AlarmDiary instance;
    return instance;
}

void YearlyPlanner(benchmark::State& state) {
    std::size_t marked = 0;
    for (auto _ : state) {
        std::vector<PlannerPeriod> periods;
        const std::vector<PlannerDay> days = buildPlannerYear(diary().path(), 2025, &periods);
        marked = std::size_t(std::count_if(days.begin(), days.end(),
                                           [](const PlannerDay& d) { return !d.marks.empty(); }));
        benchmark::DoNotOptimize(days);
    }
    state.counters["marked days"] = double(marked);
}

// One minute's check, as the timer runs it every minute.
void AlarmCheck(benchmark::State& state) {
    const DateTime now = encodeDateTime({2025, 6, 18}, {9, 30, 5, 0});
    std::size_t due = 0;
    for (auto _ : state) {
        AlarmSchedule schedule;
        due = checkAlarmsAt(schedule, alarmDiary().path(), now, {}).size();
    }
    state.counters["due"] = double(due);
}

// The check after a suspend of a day or more: 1,440 minutes at once.
void AlarmCatchUpOfADay(benchmark::State& state) {
    const AlarmMinute now = *alarmMinuteOf(encodeDateTime({2025, 6, 18}, {9, 30, 5, 0}));
    std::size_t due = 0;
    for (auto _ : state) {
        due = dueAlarmsIn(alarmDiary().path(), {now - 1439, now}, {}).size();
    }
    state.counters["due"] = double(due);
}

void NextTenAlarms(benchmark::State& state) {
    const DateTime now = encodeDateTime({2025, 6, 18}, {9, 30, 5, 0});
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextAlarms(alarmDiary().path(), now, 10, {}));
    }
}

} // namespace

BENCHMARK(YearlyPlanner)->Unit(benchmark::kMillisecond);
BENCHMARK(AlarmCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(AlarmCatchUpOfADay)->Unit(benchmark::kMillisecond);
BENCHMARK(NextTenAlarms)->Unit(benchmark::kMillisecond);
