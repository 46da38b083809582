#pragma once

#include "Arguments.h"
#include "CliContext.h"

#include <memory>
#include <string>
#include <vector>

namespace trevik::cli {

class Command {
public:
    virtual ~Command() = default;
    virtual const char* name() const = 0;
    // The command's synopsis line and what it does, for the tool's --help.
    virtual const char* usage() const = 0;
    virtual const char* summary() const = 0;
    // What COMMAND --help adds: what is printed, field by field, and the rules of the input.
    virtual const char* details() const = 0;
    virtual OptionNames options() const { return {}; }
    // Throws UsageError on bad input; returns the exit status otherwise.
    virtual int run(const Arguments& args, CliContext& context) = 0;
};

std::vector<std::unique_ptr<Command>> allCommands();

} // namespace trevik::cli
