#include "Cli.h"

#include "Command.h"
#include "settings/Settings.h"

#include <algorithm>

namespace trevik::cli {

namespace {

constexpr const char* kTool = "trevik-cli";

void printHelp(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands) {
    out << "Usage: " << kTool << " [--data-dir DIR] COMMAND [ARGUMENTS]\n\n"
        << "Works on the Trevik Diary data in DIR, else in the directory named by [Startup] Dir\n"
        << "of the settings file, else in the current directory. Dates are YYYY-MM-DD, times\n"
        << "H:MM.\n\nCommands:\n";
    for (const auto& command : commands) {
        out << "  " << command->usage() << "\n      " << command->summary() << "\n";
    }
    out << "\n" << kTool << " COMMAND --help describes one command.\n";
}

bool wantsHelp(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--help") != args.end() ||
           std::find(args.begin(), args.end(), "-h") != args.end();
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Clock& clock, const Locale& locale) {
    const auto commands = AllCommands();
    std::vector<std::string> rest = args;
    std::string dataDir;
    if (rest.size() >= 2 && rest[0] == "--data-dir") {
        dataDir = rest[1];
        rest.erase(rest.begin(), rest.begin() + 2);
    }
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h") {
        printHelp(out, commands);
        return rest.empty() ? 2 : 0;
    }
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const auto& c) { return rest[0] == c->name(); });
    if (command == commands.end()) {
        err << kTool << ": unknown command '" << rest[0] << "'; see " << kTool << " --help\n";
        return 2;
    }
    const std::vector<std::string> commandArgs(rest.begin() + 1, rest.end());
    if (wantsHelp(commandArgs)) {
        out << "Usage: " << kTool << " " << (*command)->usage() << "\n  " << (*command)->summary()
            << "\n";
        return 0;
    }
    const SettingsFile settings = SettingsFile::standard();
    if (dataDir.empty()) {
        dataDir = LoadDataDir(settings);
    }
    CliContext context{dataDir.empty() ? std::filesystem::path() : std::filesystem::path(dataDir),
                       settings, clock, locale, out};
    if (!dataDir.empty() && !std::filesystem::is_directory(context.dataDir)) {
        err << kTool << ": the data directory " << dataDir << " does not exist\n";
        return 2;
    }
    try {
        return (*command)->run(commandArgs, context);
    } catch (const UsageError& error) {
        err << kTool << " " << (*command)->name() << ": " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        err << kTool << " " << (*command)->name() << ": " << error.what() << "\n";
        return 1;
    }
}

} // namespace trevik::cli
