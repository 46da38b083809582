// Building the calendar views from 50,000 entries, and the plain day-by-day build for scale.
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
    for (auto _ : state) {
        // A build reads the files itself: the measured time includes both reads.
        CalendarRowList list;
        BuildCalendarView(list, diary().path(), context.today, context, 400, locale);
        rows = std::size_t(list.count());
        benchmark::DoNotOptimize(list);
    }
    state.counters["rows"] = double(rows);
}

void PlainBuildView(benchmark::State& state) {
    const EnglishLocale locale;
    ViewContext context;
    context.viewCode = std::int32_t(state.range(0));
    context.today = dayNumberFromCivil({2025, 6, 18});
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
BENCHMARK(PlainBuildView)
    ->ArgName("view")
    ->Arg(kDayView)
    ->Arg(kWeekView)
    ->Arg(kMonthView)
    ->Arg(kYearView)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
