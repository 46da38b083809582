#include "Command.h"
#include "CommandFactories.h"
#include "exchange/PrepareExchange.h"

#include <stdexcept>

namespace trevik::cli {

namespace {

class PrepareCommand final : public Command {
public:
    const char* name() const override { return "prepare"; }
    const char* usage() const override { return "prepare FILE"; }
    const char* summary() const override {
        return "writes an exchange file of the settings, contacts and calendar entries; prints "
               "the path written";
    }
    const char* details() const override {
        return "FILE: \".tvx\" is appended when it holds no \".\" at all (its directories "
               "included).\nAn existing file of that name is replaced whole; on failure it "
               "stays as it was.\n";
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& file = args.positional()[0];
        if (file.empty()) {
            throw UsageError("FILE is empty");
        }
        const PrepareResult result = PrepareExchange(context.dataDir, context.settings, file);
        if (!result.ok()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.path << "\n";
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makePrepareCommand() {
    return std::make_unique<PrepareCommand>();
}

} // namespace trevik::cli
