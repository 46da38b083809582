#include "TerminalPrompter.h"

#include "Output.h"
#include "TabSeparated.h"

#include <string>

namespace trevik::cli {

namespace {

void printLines(std::ostream& out, const char* heading, const std::vector<std::string>& lines) {
    out << heading << "\n";
    for (const std::string& line : lines) {
        // A text from another machine is shown as one line whatever it holds.
        out << "  ";
        print(out, tsvField(line));
        out << "\n";
    }
}

} // namespace

PromptAnswer TerminalPrompter::ask(const Prompt& prompt) {
    questions_ << "\n" << prompt.caption << "\n";
    if (prompt.item2.empty()) {
        printLines(questions_, "Item:", prompt.item1);
    } else {
        printLines(questions_, "Item 1 (here):", prompt.item1);
        printLines(questions_, "Item 2 (incoming):", prompt.item2);
    }
    for (;;) {
        questions_ << "[y]es, [n]o, yes to [a]ll, no to all [s], [q] cancel: " << std::flush;
        std::string line;
        if (!std::getline(answers_, line)) {
            questions_ << "\n";
            return PromptAnswer::Cancel;
        }
        const std::string answer = line.substr(0, line.find_last_not_of(" \t\r") + 1);
        if (answer == "y") {
            return PromptAnswer::Yes;
        }
        if (answer == "n") {
            return PromptAnswer::No;
        }
        if (answer == "a") {
            return PromptAnswer::YesToAll;
        }
        if (answer == "s") {
            return PromptAnswer::NoToAll;
        }
        if (answer == "q") {
            return PromptAnswer::Cancel;
        }
    }
}

} // namespace trevik::cli
