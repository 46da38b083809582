// vCard and iCalendar files of 10,000 contacts and 50,000 entries: writing them from a data
// directory, and importing them into an empty one.
#include "exchange/Prompter.h"
#include "interchange/Interchange.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <random>

namespace trevik::bench {
namespace {

class Refuser final : public Prompter {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Cancel; }
};

// 10,000 contacts with every text filled, and 50,000 entries of every kind, each with an
// identity of its own.
class InterchangeDiary {
public:
    InterchangeDiary() {
        std::mt19937 random(7);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        {
            AddrSet set(dir_.path());
            set.Open();
            for (int i = 1; i <= 10000; ++i) {
                set.NewRecord();
                set.id = i;
                set.created = 45000 + i * 0.001;
                set.originUid = 99;
                set.updated = 45500 + i * 0.0001;
                set.name = "Contact " + std::to_string(i);
                set.home = "030 " + std::to_string(100000 + i);
                set.mobile = "0170 " + std::to_string(200000 + i);
                set.email = "c" + std::to_string(i) + "@example.org";
                set.address = "Street " + std::to_string(i) + "\r\n10115 Berlin";
                set.misc = "Misc";
                set.Write();
            }
        }
        CalSet set(dir_.path());
        set.Open();
        const DayNumber base = dayNumberFromCivil({2022, 1, 1});
        for (int i = 1; i <= 50000; ++i) {
            set.NewRecord();
            set.id = i;
            set.created = 45000 + i * 0.0001;
            set.originUid = 99;
            set.updated = 45600 + i * 0.00001;
            set.comment = "Entry " + std::to_string(i);
            const int kind = pick(0, 9999);
            set.dateFrom = kind < 9990 ? base + pick(0, 6 * 365) : kNoDate;
            set.dateTo = kind < 500 ? set.dateFrom + pick(1, 10) : kNoDate;
            set.timeFrom =
                pick(0, 1) ? timeFraction({pick(6, 20), pick(0, 3) * 15, 0, 0}) : kNoTime;
            set.alarm = kind % 7 == 0 && set.timeFrom != kNoTime ? set.timeFrom : kNoTime;
            set.repeat = kind < 9300   ? kRepeatNone
                         : kind < 9800 ? kRepeatYearly
                         : kind < 9900 ? kRepeatMonthly
                         : kind < 9988 ? kRepeatWeekly
                                       : kRepeatDaily;
            set.addressLink = kind % 3 == 0 ? pick(1, 10000) : -1;
            set.Write();
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

const InterchangeDiary& diary() {
    static const InterchangeDiary instance;
    return instance;
}

void exportBench(benchmark::State& state, InterchangeFormat format, const char* name) {
    const InterchangeDiary& source = diary();
    test::TempDir out;
    for (auto _ : state) {
        const ExportResult result = exportFile(source.path(), format, out / name);
        if (!result.ok()) {
            state.SkipWithError(result.error.c_str());
        }
    }
}

void importBench(benchmark::State& state, InterchangeFormat format, const char* name) {
    const InterchangeDiary& source = diary();
    test::TempDir out;
    exportFile(source.path(), InterchangeFormat::VCard, out / "all.vcf");
    exportFile(source.path(), format, out / name);
    Refuser nobody;
    EnglishLocale locale;
    UpdateOptions options;
    options.settings = false;
    options.newData = options.changedData = options.deletedData = UpdateChoice::Update;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<test::TempDir>();
        test::TempDir config;
        InterchangeImporter importer(target->path(), SettingsFile(config / "Trevik.Ini"), nobody,
                                     locale);
        // The entries' links need the contacts there first.
        if (format == InterchangeFormat::ICalendar) {
            importer.importFile(out / "all.vcf", options);
        }
        state.ResumeTiming();
        const ImportReport report = importer.importFile(out / name, options);
        if (!report.errors.empty() || !report.merge.errors.empty()) {
            state.SkipWithError("the import failed");
        }
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}

void VCardExport10000(benchmark::State& state) {
    exportBench(state, InterchangeFormat::VCard, "all.vcf");
}
void VCardImport10000(benchmark::State& state) {
    importBench(state, InterchangeFormat::VCard, "all.vcf");
}
void ICalendarExport50000(benchmark::State& state) {
    exportBench(state, InterchangeFormat::ICalendar, "all.ics");
}
void ICalendarImport50000(benchmark::State& state) {
    importBench(state, InterchangeFormat::ICalendar, "all.ics");
}

BENCHMARK(VCardExport10000)->Unit(benchmark::kMillisecond);
BENCHMARK(VCardImport10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ICalendarExport50000)->Unit(benchmark::kMillisecond);
BENCHMARK(ICalendarImport50000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trevik::bench
