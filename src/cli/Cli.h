#pragma once

#include "common/Clock.h"
#include "common/Locale.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace trevik::cli {

// Runs `trevik-cli` with its arguments (without the program name). Returns the exit status:
// 0 on success; 2 on bad input, with one line on `err` and no file changed; 1 when a file
// could not be read or written or `out` could not be written, with the reason on one line
// of `err`.
// `in` answers the questions of a command that asks them, on `err`; it is used only when
// `inputIsTerminal`. `settingsFile` is the settings file to use; empty, the user's standard one.
struct CliSetup {
    std::istream* in = nullptr;
    bool inputIsTerminal = false;
    std::filesystem::path settingsFile = {};
};

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Clock& clock, const Locale& locale, const CliSetup& setup = {});

} // namespace trevik::cli
