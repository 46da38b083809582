#include "shell/StartArguments.h"

namespace trevik {

StartArguments parseStartArguments(const std::vector<std::string>& arguments) {
    StartArguments parsed;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--new-entry") {
            parsed.newEntry = true;
        } else if (argument == "--today") {
            parsed.today = true;
        } else if (argument == "--help") {
            parsed.help = true;
        } else if (argument == "--version") {
            parsed.version = true;
        } else if (parsed.error.empty()) {
            parsed.error = "unknown option " + argument;
        }
    }
    // As ever: one file opens the Update dialog; none, or several, open nothing.
    if (files.size() == 1) {
        parsed.exchangeFile = files.front();
    }
    return parsed;
}

std::string startUsage() {
    return "Usage: trevik [--new-entry] [--today] [EXCHANGE_FILE]\n"
           "Opens Trevik Diary; a running Trevik is asked to do what the options say.\n"
           "\n"
           "  --new-entry    open the entry editor for a new entry\n"
           "  --today        show today in the day view\n"
           "  EXCHANGE_FILE  open the Update dialog with this exchange file\n"
           "  --help         print this and end\n"
           "  --version      print the version and end\n";
}

} // namespace trevik
