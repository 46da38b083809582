#include "Command.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "TabSeparated.h"
#include "ViewSettings.h"
#include "calendar/Alarms.h"

namespace trevik::cli {

namespace {

class AlarmsCommand final : public Command {
public:
    const char* name() const override { return "alarms"; }
    const char* usage() const override { return "alarms [DATE TIME] [--format tsv|json]"; }
    const char* summary() const override {
        return "the comments of the entries whose alarm is due at that minute (default now)";
    }
    const char* details() const override {
        return "Entries in file order that show on DATE and whose alarm is at TIME's hour and\n"
               "minute.\n"
               "TSV fields: comment.\n"
               "JSON fields: comment (string).\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 2);
        if (args.positional().size() == 1) {
            throw UsageError("give both DATE and TIME, or neither");
        }
        const OutputFormat format = outputFormat(args);
        ViewContext viewContext = ViewContextFromSettings(context);
        DateTime at = context.clock.now();
        if (args.positional().size() == 2) {
            at = parseIsoDate(args.positional()[0]) + parseClockTime(args.positional()[1]);
        }
        const std::vector<std::string> comments = DueAlarms(context.dataDir, at, viewContext);
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
};

} // namespace

std::unique_ptr<Command> MakeAlarmsCommand() {
    return std::make_unique<AlarmsCommand>();
}

} // namespace trevik::cli
