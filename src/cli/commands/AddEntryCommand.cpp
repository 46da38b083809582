#include "Arguments.h"
#include "Command.h"
#include "editor/EditorValues.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeSet.h"

#include <map>

namespace trevik::cli {

namespace {

const std::map<std::string, std::int16_t> kRepeats = {{"none", kRepeatNone},
                                                      {"daily", kRepeatDaily},
                                                      {"weekly", kRepeatWeekly},
                                                      {"monthly", kRepeatMonthly},
                                                      {"yearly", kRepeatYearly}};

class AddEntryCommand final : public Command {
public:
    const char* name() const override { return "add-entry"; }
    const char* usage() const override {
        return "add-entry COMMENT [--date D] [--to D] [--time T] [--time-to T] [--alarm T] "
               "[--repeat none|daily|weekly|monthly|yearly] [--type CODE] [--link CONTACT_ID] "
               "[--file PATH]";
    }
    const char* summary() const override {
        return "adds a calendar entry as the editor's \"Save as New\" does, with its date "
               "defaults; prints its id";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(
            words, {"date", "to", "time", "time-to", "alarm", "repeat", "type", "link", "file"});
        args.expectPositional(1, 1);
        CalendarEntry entry;
        entry.comment = storedText(args.positional()[0], 30, "COMMENT");
        if (entry.comment.empty()) {
            throw UsageError("COMMENT is empty");
        }
        const auto dateOption = [&](const char* option) {
            const auto value = args.option(option);
            return value ? parseIsoDate(*value) : kNoDate;
        };
        const auto timeOption = [&](const char* option) {
            const auto value = args.option(option);
            return value ? parseClockTime(*value) : kNoTime;
        };
        entry.dateFrom = dateOption("date");
        entry.dateTo = dateOption("to");
        entry.timeFrom = timeOption("time");
        entry.timeTo = timeOption("time-to");
        entry.alarm = timeOption("alarm");
        entry.repeat = kRepeatNone;
        if (const auto repeat = args.option("repeat")) {
            const auto found = kRepeats.find(*repeat);
            if (found == kRepeats.end()) {
                throw UsageError("unknown repeat rate '" + *repeat + "'");
            }
            entry.repeat = found->second;
        }
        if (const auto type = args.option("type")) {
            const std::int32_t code = parseId(*type, "a type code");
            TypeSet types(context.dataDir);
            types.Open();
            if (types.FindByCode(code) == 0) {
                throw UsageError("there is no type " + *type);
            }
            entry.type = std::int16_t(code);
        }
        if (const auto link = args.option("link")) {
            entry.addressLink = parseId(*link, "a contact id");
            if (!LoadContact(context.dataDir, entry.addressLink)) {
                throw UsageError("there is no contact " + *link);
            }
        }
        if (const auto file = args.option("file")) {
            entry.fileLink = storedText(*file, 65, "PATH");
        }
        if (entry.dateFrom == kNoDate) {
            entry.dateFrom = DefaultDateFrom(
                entry.timeFrom != kNoTime,
                entry.alarm != kNoTime ? std::optional<double>(entry.alarm) : std::nullopt,
                context.clock);
        }
        const std::int32_t uid = LoadOrMakeInstallationUid(context.settings, context.clock);
        const RecordResult result = AddEntry(context.dataDir, entry, context.clock, uid);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeAddEntryCommand() {
    return std::make_unique<AddEntryCommand>();
}

} // namespace trevik::cli
