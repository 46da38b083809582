// The window on the offscreen platform with the real SystemLocale: one keystroke in the find
// box through FindEditChange with the repaint that follows, and the start-up to the first full
// paint, on 50,000 entries and 10,000 contacts.
#include "AddressBook.h"
#include "Diary.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "gui/FakeServices.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

using namespace trevik;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "trevik-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

// The locale the window collates with: TREVIK_BENCH_LOCALE, German when not set.
QString benchLocale() {
    const QString name = qEnvironmentVariable("TREVIK_BENCH_LOCALE");
    return name.isEmpty() ? QStringLiteral("de_DE") : name;
}

// A settings file and a data directory holding copies of the benchmark diary and book.
std::unique_ptr<FakeEnvironment> environment(std::int32_t calendarView) {
    application();
    auto env = std::make_unique<FakeEnvironment>(benchLocale());
    namespace fs = std::filesystem;
    for (const fs::path& from :
         {bench::diary().path() / "CALENDAR.TVD", bench::diary().path() / "TYPE.TVD",
          bench::addressBook().path() / "ADDRESS.TVD"}) {
        fs::copy_file(from, env->dataPath() / from.filename());
    }
    std::ofstream(env->configPath())
        << "[Startup]\nUID=1765100000\n[Display]\nCalendarView=" << calendarView << "\n";
    return env;
}

// Runs what the change left pending, as the event loop would next: the views' delayed
// layout and the repaint of every region the change marked.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The whole window painted at once.
void paint(TMainForm& form) {
    form.repaint();
    settle();
}

// The measured keystroke, apart so that a profiler can pick it out.
[[gnu::noinline]] void typeInto(TMainForm& form, const QString& text, bool wholeWindow) {
    form.FindEdit->setText(text); // textChanged -> FindEditChange
    if (wholeWindow) {
        form.repaint();
    }
    settle();
}

// From `from` in the find box to `to`: the handler runs on the text change, then the window
// paints what changed (or, with `wholeWindow`, all of itself).
void FindBoxKeystroke(benchmark::State& state, const char* from, const char* to,
                      bool wholeWindow = false) {
    const auto env = environment(kDayView);
    TMainForm form(env->services, {});
    form.resize(1000, 700);
    form.show();
    paint(form);
    const QString before = QString::fromLatin1(from);
    const QString after = QString::fromLatin1(to);
    for (auto _ : state) {
        state.PauseTiming();
        form.FindEdit->setText(before);
        paint(form);
        state.ResumeTiming();
        typeInto(form, after, wholeWindow);
    }
    state.counters["listed"] = double(form.addressPane->rowCount());
}

// The window made, shown and painted once, with the calendar showing `view` from the settings.
void StartUpToFirstPaint(benchmark::State& state) {
    const auto env = environment(std::int32_t(state.range(0)));
    for (auto _ : state) {
        TMainForm form(env->services, {});
        form.show();
        paint(form);
        state.PauseTiming();
        form.hide();
        form.close();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK_CAPTURE(FindBoxKeystroke, typeM, "", "m")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindBoxKeystroke, typeMa, "m", "ma")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindBoxKeystroke, emptyTheBox, "m", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindBoxKeystroke, typeMWholeWindow, "", "m", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindBoxKeystroke, emptyTheBoxWholeWindow, "m", "", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpToFirstPaint)
    ->ArgName("view")
    ->Arg(kDayView)
    ->Arg(kYearView)
    ->Unit(benchmark::kMillisecond);
