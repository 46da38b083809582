// Whole `trevik-cli` processes as a shell runs them: start, read, build, print to /dev/null
// and exit, timed from the spawn to the end of the wait, with the child's peak resident
// memory. TREVIK_CLI may name another trevik-cli to time. The views run on the light and the heavy diary, the address filter on 10,000 and
// 200,000 contacts.
#include "AddressBook.h"
#include "Diary.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace trevik;

namespace {

struct Run {
    bool ok = false;
    double maxRssMiB = 0;
};

// Runs trevik-cli with `args`, standard output to /dev/null, settings in a directory of its own.
Run runCli(const std::vector<std::string>& args) {
    static const test::TempDir config;
    static const std::string configVariable = "XDG_CONFIG_HOME=" + config.path().string();
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::string_view(*e).rfind("XDG_CONFIG_HOME=", 0) != 0) {
            env.push_back(*e);
        }
    }
    env.push_back(const_cast<char*>(configVariable.c_str()));
    env.push_back(nullptr);
    std::vector<char*> argv;
    // TREVIK_CLI names another build to time, as the comparison script does.
    static std::string program =
        std::getenv("TREVIK_CLI") != nullptr ? std::getenv("TREVIK_CLI") : TREVIK_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.maxRssMiB = double(usage.ru_maxrss) / 1024.0; // KiB
    return run;
}

void timeCli(benchmark::State& state, const std::vector<std::string>& args) {
    double peak = 0;
    for (auto _ : state) {
        const Run run = runCli(args);
        if (!run.ok) {
            state.SkipWithError("trevik-cli failed");
            break;
        }
        peak = std::max(peak, run.maxRssMiB);
    }
    state.counters["peak_MiB"] = peak;
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

BENCHMARK_CAPTURE(CliProcessView, lightDay, &bench::diary, "day")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, lightWeek, &bench::diary, "week")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, lightMonth, &bench::diary, "month")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, lightYear, &bench::diary, "year")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, heavyDay, &bench::heavyDiary, "day")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, heavyWeek, &bench::heavyDiary, "week")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, heavyMonth, &bench::heavyDiary, "month")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessView, heavyYear, &bench::heavyDiary, "year")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessContacts, m, &bench::addressBook, "m")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CliProcessContacts, mOf200k, &bench::largeAddressBook, "m")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
