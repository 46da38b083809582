#include "Cli.h"

#include "Command.h"
#include "DescriptorBuffer.h"
#include "settings/Settings.h"

#include <algorithm>

namespace trevik::cli {

namespace {

constexpr const char* kTool = "trevik-cli";

void printHelp(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands) {
    out << "Usage: " << kTool << " [--data-dir DIR] COMMAND [ARGUMENTS]\n\n"
        << "Works on the Trevik Diary data in DIR, else in the directory named by [Startup] Dir\n"
        << "of the settings file, else in the current directory. Dates are YYYY-MM-DD (a real\n"
        << "day from 1900 to 9999), times H:MM.\n\nCommands:\n";
    for (const auto& command : commands) {
        out << "  " << command->usage() << "\n      " << command->summary() << "\n";
    }
    out << "\n"
        << "Output of the read commands:\n"
        << "  --format tsv    one row a line, its fields separated by tabs (the default); in a\n"
        << "                  field a line break is printed as \\n, a tab as \\t and a backslash "
           "as \\\\\n"
        << "  --format json   a JSON array of objects in UTF-8; each command's --help names the\n"
        << "                  fields\n\n"
        << "Texts are stored in Windows-1252. A text holding a tab or another control character\n"
        << "is refused, and so is a line break, except CR LF in a comment, --address and --misc.\n"
        << "A character Windows-1252 lacks is refused too, unless --replace-unsupported is given:\n"
        << "then it is stored as \"?\".\n\n"
        << "Words after \"--\" are arguments even when they start with \"-\". \"--help\" asks for\n"
        << "help wherever an option may stand; \"-h\" only as the command's one argument.\n\n"
        << "Exit status: 0 done; 1 a file or the output could not be used (the reason on standard\n"
        << "error); 2 bad input (one line on standard error, no file changed).\n\n"
        << kTool << " COMMAND --help describes one command.\n";
}

void printCommandHelp(std::ostream& out, const Command& command) {
    out << "Usage: " << kTool << " " << command.usage() << "\n  " << command.summary() << "\n";
    if (*command.details() != '\0') {
        out << "\n" << command.details();
    }
}

// A message as one line, whatever a file name in it holds.
std::string oneLine(std::string message) {
    for (char& c : message) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return message;
}

// The options before the command; false, with the reason on `err`, when one is wrong.
struct GlobalOptions {
    std::string dataDir;
    bool help = false;
};

bool readGlobalOptions(std::vector<std::string>& rest, GlobalOptions& options, std::ostream& err) {
    static const std::string kDataDir = "--data-dir";
    while (!rest.empty() && rest[0].starts_with("-")) {
        const std::string word = rest[0];
        if (word == kDataDir || word.starts_with(kDataDir + "=")) {
            const bool separate = word == kDataDir;
            const std::string value = !separate         ? word.substr(kDataDir.size() + 1)
                                      : rest.size() > 1 ? rest[1]
                                                        : std::string();
            if (value.empty()) {
                err << kTool << ": option '--data-dir' needs a value\n";
                return false;
            }
            options.dataDir = value;
            rest.erase(rest.begin(), rest.begin() + (separate ? 2 : 1));
        } else if (word == "--help" || word == "-h") {
            options.help = true;
            rest.erase(rest.begin());
        } else {
            err << kTool << ": unknown option '" << oneLine(word) << "'; see " << kTool
                << " --help\n";
            return false;
        }
    }
    return true;
}

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const Clock& clock, const Locale& locale, const CliSetup& setup) {
    const auto commands = allCommands();
    std::vector<std::string> rest = args;
    GlobalOptions global;
    if (!readGlobalOptions(rest, global, err)) {
        return 2;
    }
    std::string dataDir = global.dataDir;
    if (rest.empty() || global.help) {
        printHelp(out, commands);
        return global.help ? 0 : 2;
    }
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const auto& c) { return rest[0] == c->name(); });
    if (found == commands.end()) {
        err << kTool << ": unknown command '" << oneLine(rest[0]) << "'; see " << kTool
            << " --help\n";
        return 2;
    }
    Command& command = **found;
    const auto fail = [&](const std::exception& error, int status) {
        err << kTool << " " << command.name() << ": " << oneLine(error.what()) << "\n";
        return status;
    };
    try {
        const Arguments arguments(std::vector<std::string>(rest.begin() + 1, rest.end()),
                                  command.options());
        if (arguments.helpRequested()) {
            printCommandHelp(out, command);
            return 0;
        }
        const SettingsFile settings = setup.settingsFile.empty() ? SettingsFile::standard()
                                                                 : SettingsFile(setup.settingsFile);
        if (dataDir.empty()) {
            dataDir = loadDataDir(settings);
        }
        CliContext context{dataDir.empty() ? std::filesystem::current_path()
                                           : std::filesystem::path(dataDir),
                           settings,
                           clock,
                           locale,
                           out,
                           setup.in,
                           &err,
                           setup.inputIsTerminal && setup.in != nullptr};
        if (!dataDir.empty() && !std::filesystem::is_directory(context.dataDir)) {
            err << kTool << ": the data directory " << oneLine(dataDir) << " does not exist\n";
            return 2;
        }
        return command.run(arguments, context);
    } catch (const UsageError& error) {
        return fail(error, 2);
    } catch (const std::exception& error) {
        return fail(error, 1);
    }
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Clock& clock, const Locale& locale, const CliSetup& setup) {
    const int status = runTool(args, out, err, clock, locale, setup);
    // What was printed only counts once it is out: a full disk shows at the last flush.
    if (!out.flush()) {
        err << kTool << ": cannot write to standard output" << writeFailureReason(out) << "\n";
        return status == 0 ? 1 : status;
    }
    return status;
}

} // namespace trevik::cli
