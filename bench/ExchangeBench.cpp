// Preparing and applying exchange files of 10,000 contacts and 50,000 calendar entries through
// trevik-cli in-process: prepare, apply to an empty installation, apply to itself (every record
// found, none newer).
#include "Cli.h"
#include "support/ExchangeData.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

using namespace trevik;

namespace {

// A sender with distinct identities for every record.
class Sender {
public:
    Sender() {
        std::vector<Contact> contacts;
        for (int i = 1; i <= 10000; ++i) {
            contacts.push_back(test::contactOf("Contact " + std::to_string(i), 40000 + i * 0.001,
                                               1700000000, 45000 + i, i));
        }
        test::appendContacts(data_.path(), contacts);
        std::vector<CalendarEntry> entries;
        for (int i = 1; i <= 50000; ++i) {
            entries.push_back(test::entryOf("Entry " + std::to_string(i), 40000 + i * 0.0001,
                                            1700000000, 45000 + i, i));
        }
        test::appendEntries(data_.path(), entries);
        ::setenv("XDG_CONFIG_HOME", config_.path().c_str(), 1);
        file_ = (files_.path() / "sender.tvx").string();
        if (runHere({"prepare", file_}) != 0) {
            std::abort();
        }
    }
    const test::TempDir& data() const { return data_; }
    const std::string& file() const { return file_; }

    static int run(std::vector<std::string> args, const std::filesystem::path& dir = {}) {
        static const EnglishLocale locale;
        static test::FixedClock clock(46363.5);
        if (!dir.empty()) {
            args.insert(args.begin(), {"--data-dir", dir.string()});
        }
        std::ostringstream out;
        std::ostringstream err;
        return cli::runCli(args, out, err, clock, locale);
    }
    int runHere(std::vector<std::string> args) const { return run(std::move(args), data_.path()); }

private:
    test::TempDir data_;
    test::TempDir config_;
    test::TempDir files_;
    std::string file_;
};

const Sender& sender() {
    static const Sender instance;
    return instance;
}

const std::vector<std::string> kSilent = {"--new",     "update", "--changed",    "update",
                                          "--deleted", "skip",   "--no-settings"};

void ExchangePrepare(benchmark::State& state) {
    const Sender& s = sender();
    const std::string out = (s.data() / "out.tvx").string();
    for (auto _ : state) {
        if (s.runHere({"prepare", out}) != 0) {
            state.SkipWithError("prepare failed");
        }
    }
}

void ExchangeApplyToEmpty(benchmark::State& state) {
    const Sender& s = sender();
    std::vector<std::string> args = {"apply", s.file()};
    args.insert(args.end(), kSilent.begin(), kSilent.end());
    for (auto _ : state) {
        state.PauseTiming();
        test::TempDir empty;
        state.ResumeTiming();
        if (Sender::run(args, empty.path()) != 0) {
            state.SkipWithError("apply failed");
        }
    }
}

void ExchangeApplyToItself(benchmark::State& state) {
    const Sender& s = sender();
    std::vector<std::string> args = {"apply", s.file()};
    args.insert(args.end(), kSilent.begin(), kSilent.end());
    for (auto _ : state) {
        if (s.runHere(args) != 0) {
            state.SkipWithError("apply failed");
        }
    }
}

} // namespace

BENCHMARK(ExchangePrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(ExchangeApplyToEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(ExchangeApplyToItself)->Unit(benchmark::kMillisecond);
