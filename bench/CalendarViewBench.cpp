// Building the calendar views from 50,000 entries, and the plain day-by-day build for scale.
// The heavy diary's year view holds about 151,000 rows.
#include "Diary.h"
#include "calendar/CalendarView.h"
#include "storage/CalSet.h"
#include "storage/TypeRecords.h"
#include "support/ReferenceCalendar.h"

#include <benchmark/benchmark.h>

using namespace trevik;
using trevik::bench::diary;

namespace {

void BuildView(benchmark::State& state) {
    const EnglishLocale locale;
    ViewContext context;
    context.viewCode = std::int32_t(state.range(0));
    context.today = dayNumberFromCivil({2025, 6, 18});
    std::size_t rows = 0;
    diary(); // made before the clock runs
    for (auto _ : state) {
        // A build reads the files itself: the measured time includes both reads.
        CalendarRowList list;
        BuildCalendarView(list, diary().path(), context.today, context, 400, locale);
        rows = std::size_t(list.count());
        benchmark::DoNotOptimize(list);
    }
    state.counters["rows"] = double(rows);
}

void BuildHeavyYearView(benchmark::State& state) {
    const EnglishLocale locale;
    ViewContext context;
    context.viewCode = kYearView;
    context.today = dayNumberFromCivil({2025, 6, 18});
    std::size_t rows = 0;
    bench::heavyDiary();
    for (auto _ : state) {
        CalendarRowList list;
        BuildCalendarView(list, bench::heavyDiary().path(), context.today, context, 400, locale);
        rows = std::size_t(list.count());
        benchmark::DoNotOptimize(list);
    }
    state.counters["rows"] = double(rows);
    state.counters["weekly entries"] = double(bench::heavyDiary().weeklyEntries());
}

void PlainBuildView(benchmark::State& state) {
    const EnglishLocale locale;
    ViewContext context;
    context.viewCode = std::int32_t(state.range(0));
    context.today = dayNumberFromCivil({2025, 6, 18});
    diary();
    for (auto _ : state) {
        CalendarRowList list;
        test::ReferenceBuildCalendarView(list, context.today, context, 400, diary().path(), locale);
        benchmark::DoNotOptimize(list);
    }
}

} // namespace

BENCHMARK(BuildView)
    ->ArgName("view")
    ->Arg(kDayView)
    ->Arg(kWeekView)
    ->Arg(kMonthView)
    ->Arg(kYearView)
    ->Arg(kToDoView)
    ->Arg(kAnniversaryView)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BuildHeavyYearView)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainBuildView)
    ->ArgName("view")
    ->Arg(kDayView)
    ->Arg(kWeekView)
    ->Arg(kMonthView)
    ->Arg(kYearView)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
