// What bench/compare-calcurse needs besides the shell:
//   trevik-bench-tool make DIR      the benchmark diaries and address books in DIR, and the
//                                   same calendar items in calcurse's appointment format
//   trevik-bench-tool time RUNS CMD...  runs CMD RUNS times, output to /dev/null, and prints
//                                   "median min max peak_MiB" (milliseconds, MiB)
#include "AddressBook.h"
#include "Diary.h"
#include "Spawn.h"
#include "storage/CalSet.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <tuple>
#include <vector>

using namespace trevik;

namespace {

std::string usDate(DayNumber day) {
    const CivilDate d = civilFromDayNumber(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.month, d.day, d.year);
    return text;
}

// The first day on or after 2021-12-01 that a repeat starting on `from` with `step` days
// reaches: calcurse repeats only from the start on, a Trevik repeat shows on every matching
// day, so the calcurse item starts before the diary's first year.
DayNumber earlyStart(DayNumber from, int step) {
    const DayNumber floor = dayNumberFromCivil({2021, 12, 1});
    return from - (from - floor) / step * step;
}

// The calendar of `dir` as calcurse's "apts" file in `out`: timed entries as appointments,
// the others as day events, periods as appointments spanning their days, and the repeats as
// calcurse repeats. To-do items (no dates, no times) show only on today and are left out.
// The lines go in calcurse's own order (by start, then text), as calcurse saves them: it
// inserts each item it loads into a sorted list, and items out of order make that quadratic.
void writeCalcurse(const std::filesystem::path& dir, const std::filesystem::path& out) {
    std::filesystem::create_directories(out);
    struct Line {
        DayNumber day;
        int minutes;
        std::string comment;
        std::string text;
    };
    std::vector<Line> lines;
    std::ofstream(out / "todo");
    const DayNumber first = dayNumberFromCivil({2021, 12, 1});
    CalSet set(dir);
    set.OpenForReading();
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        const bool timed = isTimeOfDay(set.timeFrom);
        const std::string comment = set.comment;
        DayNumber start = set.dateFrom;
        if (start == kNoDate && set.dateTo == kNoDate && !timed && !isTimeOfDay(set.timeTo)) {
            continue; // a to-do item, whatever its repeat
        }
        std::string repeat;
        switch (set.repeat) {
        case kRepeatDaily:
            start = first;
            repeat = " {1D}";
            break;
        case kRepeatWeekly:
            if (start == kNoDate) {
                continue;
            }
            start = earlyStart(start, 7);
            repeat = " {1W}";
            break;
        case kRepeatMonthly: {
            if (start == kNoDate) {
                continue;
            }
            const CivilDate d = civilFromDayNumber(start);
            start = dayNumberFromCivil({2021, 12, std::min(d.day, 31)});
            repeat = " {1M}";
            break;
        }
        case kRepeatYearly: {
            if (start == kNoDate) {
                continue;
            }
            const CivilDate d = civilFromDayNumber(start);
            start = dayNumberFromCivil({d.month == 2 && d.day == 29 ? 2020 : 2021, d.month, d.day});
            repeat = " {1Y}";
            break;
        }
        default:
            if (start == kNoDate) {
                continue; // a to-do item
            }
            break;
        }
        const TimeOfDay t = timeOfDayFromFraction(timed ? set.timeFrom : 0);
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", t.hour, t.minute);
        std::string text;
        if (set.dateTo != kNoDate && set.repeat == kRepeatNone) {
            text =
                usDate(start) + " @ " + time + " -> " + usDate(set.dateTo) + " @ 23:59 |" + comment;
        } else if (timed) {
            text = usDate(start) + " @ " + time + " -> " + usDate(start) + " @ " + time + repeat +
                   " |" + comment;
        } else {
            text = usDate(start) + " [1]" + repeat + " " + comment;
        }
        lines.push_back({start, t.hour * 60 + t.minute, comment, std::move(text)});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return std::tie(a.day, a.minutes, a.comment) < std::tie(b.day, b.minutes, b.comment);
    });
    std::ofstream apts(out / "apts");
    for (const Line& line : lines) {
        apts << line.text << "\n";
    }
}

int make(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    for (const auto& [name, mix] :
         {std::pair{"light", bench::kLightMix}, std::pair{"heavy", bench::kHeavyMix}}) {
        fs::create_directories(dir / name);
        const int weekly = bench::writeDiary(dir / name, mix);
        writeCalcurse(dir / name, dir / (std::string(name) + "-calcurse"));
        std::cout << name << ": 50000 entries, " << weekly << " weekly\n";
    }
    for (const auto& [name, count] : {std::pair{"book", 10000}, std::pair{"book200k", 200000}}) {
        fs::create_directories(dir / name);
        bench::writeAddressBook(dir / name, count);
        std::cout << name << ": " << count << " contacts\n";
    }
    return 0;
}

int time(int runs, const std::vector<std::string>& command) {
    std::vector<double> times;
    double peak = 0;
    for (int i = 0; i < runs; ++i) {
        const bench::ProcessRun run = bench::runProcess(command);
        if (!run.ok) {
            std::cerr << "trevik-bench-tool: " << command[0] << " failed\n";
            return 1;
        }
        times.push_back(run.milliseconds);
        peak = std::max(peak, run.peakMiB);
    }
    std::sort(times.begin(), times.end());
    const double median = times.size() % 2 == 1
                              ? times[times.size() / 2]
                              : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::printf("%.1f %.1f %.1f %.1f\n", median, times.front(), times.back(), peak);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "make") {
        return make(args[1]);
    }
    if (args.size() >= 3 && args[0] == "time") {
        return time(std::max(1, std::stoi(args[1])), {args.begin() + 2, args.end()});
    }
    std::cerr << "usage: trevik-bench-tool make DIR | time RUNS COMMAND...\n";
    return 2;
}
