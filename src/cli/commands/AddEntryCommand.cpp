#include "Command.h"
#include "CommandFactories.h"
#include "RecordLookup.h"
#include "StoredText.h"
#include "editor/EditorValues.h"
#include "editor/EntryBuild.h"
#include "settings/Settings.h"
#include "storage/EntryRecords.h"

#include <map>
#include <stdexcept>

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
               "[--file PATH] [--replace-unsupported]";
    }
    const char* summary() const override {
        return "adds a calendar entry as the editor's \"Save as New\" does, with its date "
               "defaults; prints its id";
    }
    const char* details() const override {
        return "COMMENT: not empty, at most 30 characters; it may hold line breaks as CR LF.\n"
               "--date, --to: YYYY-MM-DD from 1900-01-01 to 9999-12-31; --to needs --date and\n"
               "is not before it. Without --date, an entry with --time is today's, and one with\n"
               "--alarm today's while the alarm is ahead, else tomorrow's.\n"
               "--type: a code that types lists; --link: an id that contacts --format json lists.\n"
               "--file: at most 65 characters, one line.\n"
               "--replace-unsupported: store a character Windows-1252 lacks as \"?\" instead of\n"
               "refusing the text.\n";
    }
    OptionNames options() const override {
        return {{"date", "to", "time", "time-to", "alarm", "repeat", "type", "link", "file"},
                {kReplaceUnsupported}};
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const bool replace = args.flag(kReplaceUnsupported);
        EntryInput entry;
        entry.comment = storedText(args.positional()[0], "COMMENT", {kCommentWidth, true, replace});
        if (entry.comment.empty()) {
            throw UsageError("COMMENT is empty");
        }
        const auto dateOption = [&](const char* option) {
            const auto value = args.option(option);
            return value ? parseIsoDate(*value) : kNoDate;
        };
        // Checked here for the command line's stricter H:MM; the record is built from the text.
        const auto timeOption = [&](const char* option) {
            const auto value = args.option(option);
            if (value) {
                parseClockTime(*value);
            }
            return value.value_or("");
        };
        entry.dateFrom = dateOption("date");
        entry.dateTo = dateOption("to");
        entry.timeFrom = timeOption("time");
        entry.timeTo = timeOption("time-to");
        entry.alarm = timeOption("alarm");
        // A period is shown from its first day to its last; any other end date never shows.
        if (entry.dateTo != kNoDate && entry.dateFrom == kNoDate) {
            throw UsageError("--to needs --date");
        }
        if (entry.dateTo != kNoDate && entry.dateTo < entry.dateFrom) {
            throw UsageError("the end date " + *args.option("to") + " is before the start date " +
                             *args.option("date"));
        }
        entry.repeat = kRepeatNone;
        if (const auto repeat = args.option("repeat")) {
            const auto found = kRepeats.find(*repeat);
            if (found == kRepeats.end()) {
                throw UsageError("unknown repeat rate '" + *repeat + "'");
            }
            entry.repeat = found->second;
        }
        const auto type = args.option("type");
        const std::int32_t typeCode = type ? parseId(*type, "a type code") : 0;
        const auto link = args.option("link");
        if (link) {
            entry.addressLink = parseId(*link, "a contact id");
        }
        if (const auto file = args.option("file")) {
            entry.fileLink = storedText(*file, "PATH", {kFileLinkWidth, false, replace});
        }
        // The look-ups come last: every other fault is found without opening a file.
        if (type) {
            if (!typeExists(context.dataDir, typeCode)) {
                throw UsageError("there is no type " + *type);
            }
            entry.type = std::int16_t(typeCode);
        }
        if (link && !contactExists(context.dataDir, entry.addressLink)) {
            throw UsageError("there is no contact " + *link);
        }
        const EntryBuild build = BuildEntry(entry, context.clock);
        if (build.problem) {
            throw UsageError(build.problem->message);
        }
        const std::int32_t uid = loadOrMakeInstallationUid(context.settings, context.clock);
        const RecordResult result = addEntry(context.dataDir, build.entry, context.clock, uid);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeAddEntryCommand() {
    return std::make_unique<AddEntryCommand>();
}

} // namespace trevik::cli
