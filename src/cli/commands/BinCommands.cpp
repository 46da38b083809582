#include "Arguments.h"
#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "TabSeparated.h"
#include "exchange/BinRestore.h"
#include "exchange/RecycleBin.h"

#include <stdexcept>

namespace trevik::cli {

namespace {

void printTsv(std::ostream& out, const RecycleBin& bin) {
    for (const BinEntry& entry : bin.entries) {
        std::string line(1, char(entry.tag));
        if (entry.isContact()) {
            for (const ContactTextField& field : kContactTexts) {
                line += "\t" + tsvField(entry.contact.*field.member);
            }
        } else {
            line += "\t" + tsvField(entry.entry.comment) + "\t" + tsvField(entry.entry.fileLink);
        }
        print(out, line + "\n");
    }
}

void printJson(std::ostream& out, const RecycleBin& bin) {
    JsonList list(out);
    std::int64_t n = 0;
    for (const BinEntry& entry : bin.entries) {
        list.beginObject();
        list.number("n", ++n);
        list.text("tag", std::string(1, char(entry.tag)));
        if (entry.isContact()) {
            for (const ContactTextField& field : kContactTexts) {
                list.text(field.key, entry.contact.*field.member);
            }
        } else {
            list.text("comment", entry.entry.comment);
            list.text("file", entry.entry.fileLink);
        }
        list.endObject();
    }
    list.finish();
}

class BinCommand final : public Command {
public:
    const char* name() const override { return "bin"; }
    const char* usage() const override { return "bin [--format tsv|json]"; }
    const char* summary() const override {
        return "the recycle bin's entries in the order of deletion";
    }
    const char* details() const override {
        return "TSV fields: the tag (A a contact, B a calendar entry), then the record's texts:\n"
               "for A name, home, work, fax, mobile, email, www, address, misc; for B comment,\n"
               "file.\n"
               "JSON fields: n (number, as restore takes it), tag, and the texts by those names.\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 0);
        const OutputFormat format = outputFormat(args);
        const RecycleBin bin = readRecycleBin(context.dataDir);
        if (format == OutputFormat::Json) {
            printJson(context.out, bin);
        } else {
            printTsv(context.out, bin);
        }
        return 0;
    }
};

class RestoreCommand final : public Command {
public:
    const char* name() const override { return "restore"; }
    const char* usage() const override { return "restore N"; }
    const char* summary() const override {
        return "puts the recycle bin's N-th entry back as a new record; prints its id";
    }
    const char* details() const override {
        return "N: 1 for the first entry that bin lists. The copy stays in the bin. A calendar\n"
               "entry comes back without its contact link. A record that is here already is\n"
               "not added again.\n";
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::int32_t n = parseId(args.positional()[0], "an entry number");
        const RecycleBin bin = readRecycleBin(context.dataDir);
        if (n < 1 || std::size_t(n) > bin.entries.size()) {
            throw UsageError("the recycle bin holds " + std::to_string(bin.entries.size()) +
                             " entries; there is no entry " + args.positional()[0]);
        }
        const BinEntry& entry = bin.entries[std::size_t(n - 1)];
        const RestoreResult result = restoreFromBin(context.dataDir, entry);
        if (!result.record.error.empty()) {
            throw std::runtime_error(result.record.error);
        }
        if (result.alreadyHere) {
            throw UsageError("entry " + args.positional()[0] + " is here already, as " +
                             (entry.isContact() ? "contact " : "calendar entry ") +
                             std::to_string(result.record.id));
        }
        context.out << result.record.id << "\n";
        return 0;
    }
};

class EmptyBinCommand final : public Command {
public:
    const char* name() const override { return "empty-bin"; }
    const char* usage() const override { return "empty-bin"; }
    const char* summary() const override { return "empties the recycle bin, without questions"; }
    const char* details() const override { return ""; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 0);
        if (const std::string error = EmptyRecycleBin(context.dataDir); !error.empty()) {
            throw std::runtime_error(error);
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeBinCommand() {
    return std::make_unique<BinCommand>();
}

std::unique_ptr<Command> makeRestoreCommand() {
    return std::make_unique<RestoreCommand>();
}

std::unique_ptr<Command> makeEmptyBinCommand() {
    return std::make_unique<EmptyBinCommand>();
}

} // namespace trevik::cli
