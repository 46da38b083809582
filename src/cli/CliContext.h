#pragma once

#include "common/Clock.h"
#include "common/Locale.h"
#include "settings/SettingsFile.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

namespace trevik::cli {

// Bad input: the message goes to standard error and the tool ends with status 2, before
// any file has been changed.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What every command works with.
struct CliContext {
    std::filesystem::path dataDir;
    SettingsFile settings;
    const Clock& clock;
    const Locale& locale;
    std::ostream& out;
    // Where questions are asked and answered: only a terminal may be asked.
    std::istream* in = nullptr;
    std::ostream* questions = nullptr;
    bool inputIsTerminal = false;
};

} // namespace trevik::cli
