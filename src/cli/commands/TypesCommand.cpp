#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "StoredText.h"
#include "TabSeparated.h"
#include "storage/TypeRecords.h"

#include <stdexcept>

namespace trevik::cli {

namespace {

class TypesCommand final : public Command {
public:
    const char* name() const override { return "types"; }
    const char* usage() const override { return "types [--format tsv|json]"; }
    const char* summary() const override { return "the entry types: code, tab, name"; }
    const char* details() const override {
        return "Types in file order.\n"
               "TSV fields: code, name.\n"
               "JSON fields: code (number), name (string).\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 0);
        const OutputFormat format = outputFormat(args);
        const std::vector<EntryType> types = listTypes(context.dataDir);
        if (format == OutputFormat::Json) {
            JsonList list(context.out);
            for (const EntryType& type : types) {
                list.beginObject();
                list.number("code", type.code);
                list.text("name", type.name);
                list.endObject();
            }
            list.finish();
            return 0;
        }
        for (const EntryType& type : types) {
            context.out << type.code << '\t';
            print(context.out, tsvField(type.name));
            context.out << '\n';
        }
        return 0;
    }
};

class AddTypeCommand final : public Command {
public:
    const char* name() const override { return "add-type"; }
    const char* usage() const override { return "add-type NAME [--replace-unsupported]"; }
    const char* summary() const override { return "adds an entry type; prints its code"; }
    const char* details() const override {
        return "NAME: at most 30 characters, one line.\n"
               "--replace-unsupported: store a character Windows-1252 lacks as \"?\" instead of\n"
               "refusing the name.\n";
    }
    OptionNames options() const override { return {{}, {kReplaceUnsupported}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const TextRules rules{30, false, args.flag(kReplaceUnsupported)};
        const std::string name = storedText(args.positional()[0], "NAME", rules);
        const RecordResult result = addType(context.dataDir, name);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeTypesCommand() {
    return std::make_unique<TypesCommand>();
}

std::unique_ptr<Command> makeAddTypeCommand() {
    return std::make_unique<AddTypeCommand>();
}

} // namespace trevik::cli
