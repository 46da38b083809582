// Reading the record files: Open plus a full scan, the pattern of every view build and lookup.
#include "storage/CalSet.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

using namespace trevik;

namespace {

void fillCalendar(const std::filesystem::path& dir, int entries) {
    CalSet set(dir);
    set.Open();
    for (int i = 1; i <= entries; ++i) {
        set.NewRecord();
        set.id = i;
        set.created = 45000.0 + i * 1e-4;
        set.updated = set.created;
        set.comment = "Entry number " + std::to_string(i);
        set.type = std::int16_t(i % 7);
        set.dateFrom = 45000 + i % 800;
        set.timeFrom = (i % 96) / 96.0;
        set.repeat = std::int16_t(i % 5);
        set.Write();
    }
}

void OpenAndScanCalendar(benchmark::State& state) {
    test::TempDir dir;
    fillCalendar(dir.path(), int(state.range(0)));
    for (auto _ : state) {
        CalSet set(dir.path());
        set.Open();
        std::int64_t sum = 0;
        set.First();
        while (!set.AtEnd()) {
            sum += set.id + std::int64_t(set.comment.size());
            set.Next();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void FindLastEntryById(benchmark::State& state) {
    test::TempDir dir;
    fillCalendar(dir.path(), int(state.range(0)));
    for (auto _ : state) {
        CalSet set(dir.path());
        set.Open();
        benchmark::DoNotOptimize(set.FindById(std::int32_t(state.range(0))));
    }
}

} // namespace

BENCHMARK(OpenAndScanCalendar)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindLastEntryById)->Arg(50000)->Unit(benchmark::kMillisecond);
