#pragma once

#include "common/Clock.h"
#include "common/Locale.h"

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
// `inputIsTerminal`.
struct CliInput {
    std::istream* in = nullptr;
    bool inputIsTerminal = false;
};

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Clock& clock, const Locale& locale, const CliInput& input = {});

} // namespace trevik::cli
