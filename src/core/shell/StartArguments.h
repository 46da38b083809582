#pragma once

#include <string>
#include <vector>

namespace trevik {

// What the window is asked to do by the arguments it is started with, or that a second start
// hands to the running instance: the desktop entry's actions and an exchange file to open.
struct StartArguments {
    bool newEntry = false; // --new-entry: the entry editor, as the tray's "New"
    bool today = false;    // --today: today's day view, as the tray's "Today"
    bool help = false;
    bool version = false;
    // Set when exactly one argument is not an option: the Update dialog opens with it.
    std::string exchangeFile;
    // Why the arguments cannot be taken (an unknown option); empty when they can.
    std::string error;

    bool asksAnything() const { return newEntry || today || !exchangeFile.empty(); }
};

StartArguments parseStartArguments(const std::vector<std::string>& arguments);

// What `trevik --help` prints.
std::string startUsage();

} // namespace trevik
