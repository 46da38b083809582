// vCard and iCalendar in and out: one file of every contact or entry, or a vdir folder of one
// file per record.
#include "ChoiceOptions.h"
#include "CommandFactories.h"
#include "TerminalPrompter.h"
#include "interchange/Interchange.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace trevik::cli {

namespace {

// Anything skipped or cut ends with this status, so that scripts can tell.
constexpr int kNotWhole = 3;

const char* const kImportDetails =
    "--new: records not found here; --changed: records found here (update replaces only a\n"
    "newer copy; equal stamps keep ours); --deleted: records found in this diary's recycle\n"
    "bin, that is, deleted here. The defaults are the choices last made in the window's Update\n"
    "dialog. prompt asks at the terminal (y yes, n no, a yes to all, s no to all, q cancel) and\n"
    "is refused when standard input is not a terminal. Records are found by their UID, so\n"
    "importing a file twice adds nothing.\n"
    "Lines: for contacts and calendar (and those deleted here) the counts added, replaced and\n"
    "skipped; then the counts lossy and not imported; then one line for each such item: its\n"
    "UID, its name or summary, and why (a text cut to its field, characters outside\n"
    "Windows-1252, a second phone of one kind, a recurrence or time zone the diary cannot\n"
    "hold).\n"
    "Exit status 0 when everything went in whole (a record skipped as not newer counts as\n"
    "whole), 3 when anything was cut, left out, skipped by choice or cancelled, 1 when a file\n"
    "could not be read or written.\n";

void throwErrors(const std::vector<std::string>& errors) {
    if (errors.empty()) {
        return;
    }
    std::string joined = errors[0];
    for (std::size_t i = 1; i < errors.size(); ++i) {
        joined += "; " + errors[i];
    }
    throw std::runtime_error(joined);
}

class ImportCommand : public Command {
public:
    OptionNames options() const override { return {{"new", "changed", "deleted"}, {}}; }
    const char* details() const override { return kImportDetails; }

    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& target = args.positional()[0];
        if (target.empty()) {
            throw UsageError("the file name is empty");
        }
        UpdateOptions options = importChoices(context.settings);
        options.newData = choiceOption(args, "new", options.newData);
        options.changedData = choiceOption(args, "changed", options.changedData);
        options.deletedData = choiceOption(args, "deleted", options.deletedData);
        const bool asks = options.newData == UpdateChoice::Prompt ||
                          options.changedData == UpdateChoice::Prompt ||
                          options.deletedData == UpdateChoice::Prompt;
        if (asks && !context.inputIsTerminal) {
            throw UsageError("prompt asks at the terminal, but standard input is not a terminal; "
                             "choose update or skip with --new, --changed and --deleted");
        }
        NoPrompter nobody;
        std::optional<TerminalPrompter> terminal;
        if (asks) {
            terminal.emplace(*context.in, *context.questions);
        }
        Prompter& prompter = terminal ? static_cast<Prompter&>(*terminal) : nobody;
        InterchangeImporter importer(context.dataDir, context.settings, prompter, context.locale);
        const ImportReport report = importFrom(importer, target, options);
        for (const std::string& line : importReportLines(report)) {
            context.out << line << "\n";
        }
        std::vector<std::string> errors = report.errors;
        errors.insert(errors.end(), report.merge.errors.begin(), report.merge.errors.end());
        throwErrors(errors);
        return report.whole() ? 0 : kNotWhole;
    }

protected:
    virtual ImportReport importFrom(InterchangeImporter& importer, const std::string& target,
                                    const UpdateOptions& options) = 0;
};

class ImportFileCommand final : public ImportCommand {
public:
    ImportFileCommand(const char* name, const char* usage, const char* summary,
                      InterchangeFormat format)
        : name_(name), usage_(usage), summary_(summary), format_(format) {}
    const char* name() const override { return name_; }
    const char* usage() const override { return usage_; }
    const char* summary() const override { return summary_; }

protected:
    ImportReport importFrom(InterchangeImporter& importer, const std::string& target,
                            const UpdateOptions& options) override {
        const std::filesystem::path file(target);
        if (!std::filesystem::is_regular_file(file)) {
            throw std::runtime_error(target + ": no such file");
        }
        // The command names the format, whatever the file is called.
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            throw std::runtime_error(target + ": the file cannot be opened");
        }
        std::ostringstream text;
        text << in.rdbuf();
        if (in.bad()) {
            throw std::runtime_error(target + ": the file could not be read");
        }
        return importer.importTexts({{text.str(), format_, file.filename().string()}}, options);
    }

private:
    const char* name_;
    const char* usage_;
    const char* summary_;
    InterchangeFormat format_;
};

class ImportVdirCommand final : public ImportCommand {
public:
    const char* name() const override { return "import-vdir"; }
    const char* usage() const override {
        return "import-vdir DIR [--new update|prompt|skip] [--changed update|prompt|skip]\n"
               "        [--deleted update|prompt|skip]";
    }
    const char* summary() const override {
        return "merges a vdir folder (one .vcf or .ics file per record, as vdirsyncer, khal and "
               "khard keep them) into this diary";
    }

protected:
    ImportReport importFrom(InterchangeImporter& importer, const std::string& target,
                            const UpdateOptions& options) override {
        return importer.importVdir(target, options);
    }
};

class ExportCommand final : public Command {
public:
    ExportCommand(const char* name, const char* usage, const char* summary,
                  std::optional<InterchangeFormat> format)
        : name_(name), usage_(usage), summary_(summary), format_(format) {}
    const char* name() const override { return name_; }
    const char* usage() const override { return usage_; }
    const char* summary() const override { return summary_; }
    const char* details() const override {
        return format_ ? "An existing file of that name is replaced whole; on failure it stays as "
                         "it was.\nPrints the path written and the count of records.\n"
                       : "Contacts go to DIR/contacts/UID.vcf, entries to DIR/calendar/UID.ics "
                         "(each a vdir\ncollection); each file is replaced whole. Files of "
                         "records no longer here stay.\nPrints the folder and the counts of "
                         "records.\n";
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& target = args.positional()[0];
        if (target.empty()) {
            throw UsageError("the file name is empty");
        }
        const ExportResult result = format_ ? exportFile(context.dataDir, *format_, target)
                                            : exportVdir(context.dataDir, target);
        if (!result.ok()) {
            throw std::runtime_error(result.error);
        }
        context.out << target << ": ";
        if (!format_ || *format_ == InterchangeFormat::VCard) {
            context.out << result.contacts << " contacts";
        }
        if (!format_) {
            context.out << ", ";
        }
        if (!format_ || *format_ == InterchangeFormat::ICalendar) {
            context.out << result.entries << " entries";
        }
        context.out << "\n";
        return 0;
    }

private:
    const char* name_;
    const char* usage_;
    const char* summary_;
    std::optional<InterchangeFormat> format_;
};

} // namespace

std::unique_ptr<Command> makeExportVCardCommand() {
    return std::make_unique<ExportCommand>("export-vcard", "export-vcard FILE",
                                           "writes every contact to a vCard 3.0 file (.vcf)",
                                           InterchangeFormat::VCard);
}

std::unique_ptr<Command> makeImportVCardCommand() {
    return std::make_unique<ImportFileCommand>(
        "import-vcard",
        "import-vcard FILE [--new update|prompt|skip] [--changed update|prompt|skip]\n"
        "        [--deleted update|prompt|skip]",
        "merges the contacts of a vCard file (2.1, 3.0 or 4.0) into this diary",
        InterchangeFormat::VCard);
}

std::unique_ptr<Command> makeExportIcsCommand() {
    return std::make_unique<ExportCommand>(
        "export-ics", "export-ics FILE", "writes every calendar entry to an iCalendar file (.ics)",
        InterchangeFormat::ICalendar);
}

std::unique_ptr<Command> makeImportIcsCommand() {
    return std::make_unique<ImportFileCommand>(
        "import-ics",
        "import-ics FILE [--new update|prompt|skip] [--changed update|prompt|skip]\n"
        "        [--deleted update|prompt|skip]",
        "merges the events and to-dos of an iCalendar file into this diary",
        InterchangeFormat::ICalendar);
}

std::unique_ptr<Command> makeExportVdirCommand() {
    return std::make_unique<ExportCommand>(
        "export-vdir", "export-vdir DIR",
        "writes one .vcf file per contact and one .ics file per entry into a vdir folder",
        std::nullopt);
}

std::unique_ptr<Command> makeImportVdirCommand() {
    return std::make_unique<ImportVdirCommand>();
}

} // namespace trevik::cli
