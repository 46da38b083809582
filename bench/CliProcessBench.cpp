// Whole `trevik-cli` processes as a shell runs them: start, read, build, print to /dev/null
// and exit, timed from the spawn to the end of the wait. A child's peak memory is not shown
// here: Linux counts the spawning process's own peak into it (exec keeps the high-water mark
// of the memory the child began with), and this process is large; `trevik-bench-tool time`
// is small and shows it. The views run on the light and the heavy diary, the address filter on
// 10,000 and 200,000 contacts. TREVIK_CLI may name another trevik-cli to time.
#include "AddressBook.h"
#include "Diary.h"
#include "Spawn.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace trevik;

namespace {

// Runs trevik-cli with `args`, its settings in a directory of its own.
bench::ProcessRun runCli(const std::vector<std::string>& args) {
    static const test::TempDir config;
    // TREVIK_CLI names another build to time.
    static const std::string program =
        std::getenv("TREVIK_CLI") != nullptr ? std::getenv("TREVIK_CLI") : TREVIK_CLI_PATH;
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    return bench::runProcess(argv, {"XDG_CONFIG_HOME=" + config.path().string()});
}

void timeCli(benchmark::State& state, const std::vector<std::string>& args) {
    for (auto _ : state) {
        const bench::ProcessRun run = runCli(args);
        if (!run.ok) {
            state.SkipWithError("trevik-cli failed");
            break;
        }
        state.SetIterationTime(run.milliseconds / 1000.0);
    }
}

void CliProcessView(benchmark::State& state, const bench::Diary& (*diary)(), const char* view) {
    diary();
    timeCli(state, {"--data-dir", diary().path().string(), "view", view, "2025-06-18"});
}

void CliProcessContacts(benchmark::State& state, const bench::AddressBook& (*book)(),
                        const char* prefix) {
    book();
    timeCli(state, {"--data-dir", book().path().string(), "contacts", prefix});
}

} // namespace

BENCHMARK_CAPTURE(CliProcessView, lightDay, &bench::diary, "day")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, lightWeek, &bench::diary, "week")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, lightMonth, &bench::diary, "month")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, lightYear, &bench::diary, "year")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, heavyDay, &bench::heavyDiary, "day")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, heavyWeek, &bench::heavyDiary, "week")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, heavyMonth, &bench::heavyDiary, "month")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessView, heavyYear, &bench::heavyDiary, "year")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessContacts, m, &bench::addressBook, "m")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(CliProcessContacts, mOf200k, &bench::largeAddressBook, "m")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
