// `trevik-cli view year` on the 50,000-entry diaries, run in-process: reading, building and
// printing the rows.
#include "Cli.h"
#include "Diary.h"
#include "support/FixedClock.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace trevik;

namespace {

void CliViewYear(benchmark::State& state, const bench::Diary& (*diary)()) {
    const EnglishLocale locale;
    test::FixedClock clock;
    clock.set({2025, 6, 18}, {12, 0, 0, 0});
    const std::vector<std::string> args = {"--data-dir", diary().path().string(), "view", "year",
                                           "2025-06-18"};
    std::size_t bytes = 0;
    diary();
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (cli::runCli(args, out, err, clock, locale) != 0) {
            state.SkipWithError("trevik-cli failed");
        }
        bytes = out.str().size();
    }
    state.counters["output_bytes"] = double(bytes);
}

} // namespace

BENCHMARK_CAPTURE(CliViewYear, light, &bench::diary)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliViewYear, heavy, &bench::heavyDiary)->Unit(benchmark::kMillisecond);
