#include "Arguments.h"
#include "Command.h"
#include "Output.h"
#include "storage/TypeRecords.h"

namespace trevik::cli {

namespace {

class TypesCommand final : public Command {
public:
    const char* name() const override { return "types"; }
    const char* usage() const override { return "types"; }
    const char* summary() const override { return "the entry types: code, tab, name"; }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        Arguments(words, {}).expectPositional(0, 0);
        for (const EntryType& type : ListTypes(context.dataDir)) {
            context.out << type.code << '\t';
            print(context.out, type.name);
            context.out << '\n';
        }
        return 0;
    }
};

class AddTypeCommand final : public Command {
public:
    const char* name() const override { return "add-type"; }
    const char* usage() const override { return "add-type NAME"; }
    const char* summary() const override { return "adds an entry type; prints its code"; }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(1, 1);
        const std::string name = storedText(args.positional()[0], 30, "NAME");
        const RecordResult result = AddType(context.dataDir, name);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeTypesCommand() {
    return std::make_unique<TypesCommand>();
}

std::unique_ptr<Command> MakeAddTypeCommand() {
    return std::make_unique<AddTypeCommand>();
}

} // namespace trevik::cli
