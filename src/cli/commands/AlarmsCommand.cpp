#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "TabSeparated.h"
#include "ViewSettings.h"
#include "calendar/Alarms.h"

#include <cstdio>

namespace trevik::cli {

namespace {

constexpr const char* kNextOption = "next";
// Enough for any look ahead a person or a script reads, and a bound on what one run collects.
constexpr std::int32_t kMostAlarms = 100000;

std::size_t alarmCount(const std::string& text) {
    const std::int32_t count = parseId(text, "a count of alarms");
    if (count < 1 || count > kMostAlarms) {
        throw UsageError("'" + text + "' is not a count of alarms from 1 to " +
                         std::to_string(kMostAlarms));
    }
    return std::size_t(count);
}

std::string isoDate(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string clockTime(int minuteOfTheDay) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minuteOfTheDay / 60, minuteOfTheDay % 60);
    return text;
}

class AlarmsCommand final : public Command {
public:
    const char* name() const override { return "alarms"; }
    const char* usage() const override {
        return "alarms [DATE TIME] [--next N] [--format tsv|json]";
    }
    const char* summary() const override {
        return "the comments of the entries whose alarm is due at that minute (default now), or "
               "the next N alarms from it";
    }
    const char* details() const override {
        return "Entries in file order that show on DATE and whose alarm is at TIME's hour and\n"
               "minute.\n"
               "TSV fields: comment.\n"
               "JSON fields: comment (string).\n"
               "With --next N (1 to 100000): the next N alarms from that minute on, the minute\n"
               "itself included, in the order they are due (alarms of one minute in file order);\n"
               "an entry that repeats is listed at each of its alarms.\n"
               "TSV fields: YYYY-MM-DD, HH:MM, comment.\n"
               "JSON fields: date (\"YYYY-MM-DD\"), time (\"HH:MM\"), comment (string).\n";
    }
    OptionNames options() const override { return {{kFormatOption, kNextOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 2);
        if (args.positional().size() == 1) {
            throw UsageError("give both DATE and TIME, or neither");
        }
        const OutputFormat format = outputFormat(args);
        ViewContext viewContext = viewContextFromSettings(context);
        DateTime at = context.clock.now();
        if (args.positional().size() == 2) {
            at = parseIsoDate(args.positional()[0]) + parseClockTime(args.positional()[1]);
        }
        if (const auto next = args.option(kNextOption)) {
            const std::size_t count = alarmCount(*next);
            printNext(nextAlarms(context.dataDir, at, count, viewContext), format, context);
            return 0;
        }
        const std::vector<std::string> comments = dueAlarms(context.dataDir, at, viewContext);
        if (format == OutputFormat::Json) {
            JsonList list(context.out);
            for (const std::string& comment : comments) {
                list.beginObject();
                list.text("comment", comment);
                list.endObject();
            }
            list.finish();
            return 0;
        }
        for (const std::string& comment : comments) {
            print(context.out, tsvField(comment));
            context.out << '\n';
        }
        return 0;
    }

private:
    static void printNext(const std::vector<DueAlarm>& alarms, OutputFormat format,
                          CliContext& context) {
        if (format == OutputFormat::Json) {
            JsonList list(context.out);
            for (const DueAlarm& alarm : alarms) {
                list.beginObject();
                list.text("date", isoDate(dayOfMinute(alarm.minute)));
                list.text("time", clockTime(minuteOfDay(alarm.minute)));
                list.text("comment", alarm.comment);
                list.endObject();
            }
            list.finish();
            return;
        }
        for (const DueAlarm& alarm : alarms) {
            context.out << isoDate(dayOfMinute(alarm.minute)) << '\t'
                        << clockTime(minuteOfDay(alarm.minute)) << '\t';
            print(context.out, tsvField(alarm.comment));
            context.out << '\n';
        }
    }
};

} // namespace

std::unique_ptr<Command> makeAlarmsCommand() {
    return std::make_unique<AlarmsCommand>();
}

} // namespace trevik::cli
