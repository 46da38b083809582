#include "Arguments.h"
#include "Command.h"
#include "Output.h"
#include "ViewSettings.h"
#include "calendar/Alarms.h"

namespace trevik::cli {

namespace {

class AlarmsCommand final : public Command {
public:
    const char* name() const override { return "alarms"; }
    const char* usage() const override { return "alarms [DATE TIME]"; }
    const char* summary() const override {
        return "the comments of the entries whose alarm is due at that minute (default now)";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(0, 2);
        if (args.positional().size() == 1) {
            throw UsageError("give both DATE and TIME, or neither");
        }
        ViewContext viewContext = ViewContextFromSettings(context);
        DateTime at = context.clock.now();
        if (args.positional().size() == 2) {
            at = parseIsoDate(args.positional()[0]) + parseClockTime(args.positional()[1]);
        }
        for (const std::string& comment : DueAlarms(context.dataDir, at, viewContext)) {
            print(context.out, comment);
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
