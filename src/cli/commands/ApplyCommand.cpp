#include "ChoiceOptions.h"
#include "Command.h"
#include "CommandFactories.h"
#include "TerminalPrompter.h"
#include "exchange/UpdateApplier.h"
#include "exchange/UpdateChoices.h"

#include <optional>
#include <stdexcept>

namespace trevik::cli {

namespace {

void printPass(std::ostream& out, const char* name, const PassCounts& counts) {
    if (!counts.ran) {
        return;
    }
    out << name << ": " << counts.added << " added, " << counts.replaced << " replaced, "
        << counts.notNewer + counts.byChoice << " skipped (" << counts.notNewer << " not newer, "
        << counts.byChoice << " by choice)";
    if (counts.missing > 0) {
        out << ", " << counts.missing << " announced but not in the file";
    }
    if (counts.cancelled) {
        out << ", cancelled";
    }
    out << "\n";
}

class ApplyCommand final : public Command {
public:
    const char* name() const override { return "apply"; }
    const char* usage() const override {
        return "apply FILE [--new update|prompt|skip] [--changed update|prompt|skip]\n"
               "        [--deleted update|prompt|skip] [--no-settings] [--no-address] "
               "[--no-calendar]";
    }
    const char* summary() const override {
        return "merges an exchange file, then the recycle bin, into this diary; prints one line "
               "per pass";
    }
    const char* details() const override {
        return "--new: records not found here; --changed: records found here (update replaces\n"
               "only a newer copy); --deleted: recycle-bin records not found here. The defaults\n"
               "are the choices last made in the window's Update dialog. prompt asks at the\n"
               "terminal (y yes, n no, a yes to all, s no to all, q cancel) and is refused when\n"
               "standard input is not a terminal.\n"
               "--no-settings, --no-address, --no-calendar: leave that part of the file out.\n"
               "Lines: settings, contacts, calendar, bin contacts, bin calendar, for each part\n"
               "that ran: the counts added, replaced and skipped (not newer, or by choice).\n";
    }
    OptionNames options() const override {
        return {{"new", "changed", "deleted"}, {"no-settings", "no-address", "no-calendar"}};
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& file = args.positional()[0];
        UpdateOptions options = LoadDialogState(context.settings).options;
        options.newData = choiceOption(args, "new", options.newData);
        options.changedData = choiceOption(args, "changed", options.changedData);
        options.deletedData = choiceOption(args, "deleted", options.deletedData);
        options.settings = !args.flag("no-settings");
        options.address = !args.flag("no-address");
        options.calendar = !args.flag("no-calendar");
        const bool asks =
            (options.newData == UpdateChoice::Prompt && (options.address || options.calendar)) ||
            options.changedData == UpdateChoice::Prompt ||
            options.deletedData == UpdateChoice::Prompt;
        if (asks && !context.inputIsTerminal) {
            throw UsageError("prompt asks at the terminal, but standard input is not a terminal; "
                             "choose update or skip with --new, --changed and --deleted");
        }
        FileSource source(file);
        if (!source.exists()) {
            throw std::runtime_error(file + ": no such file");
        }
        NoPrompter nobody;
        std::optional<TerminalPrompter> terminal;
        if (asks) {
            terminal.emplace(*context.in, *context.questions);
        }
        Prompter& prompter = terminal ? static_cast<Prompter&>(*terminal) : nobody;
        UpdateApplier applier(context.dataDir, context.settings, prompter, context.locale);
        const UpdateReport report = applier.apply(source, options);
        if (!report.refused.empty()) {
            throw std::runtime_error(file + ": " + report.refused);
        }
        if (options.settings) {
            context.out << "settings: " << (report.settingsApplied ? "applied" : "not applied")
                        << "\n";
        }
        printPass(context.out, "contacts", report.exchangeContacts);
        printPass(context.out, "calendar", report.exchangeEntries);
        printPass(context.out, "bin contacts", report.binContacts);
        printPass(context.out, "bin calendar", report.binEntries);
        if (!report.errors.empty()) {
            std::string errors = report.errors[0];
            for (std::size_t i = 1; i < report.errors.size(); ++i) {
                errors += "; " + report.errors[i];
            }
            throw std::runtime_error(errors);
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeApplyCommand() {
    return std::make_unique<ApplyCommand>();
}

} // namespace trevik::cli
