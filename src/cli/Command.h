#pragma once

#include "CliContext.h"

#include <memory>
#include <string>
#include <vector>

namespace trevik::cli {

class Command {
public:
    virtual ~Command() = default;
    virtual const char* name() const = 0;
    // The command's synopsis line and what it does.
    virtual const char* usage() const = 0;
    virtual const char* summary() const = 0;
    // Throws UsageError on bad input; returns the exit status otherwise.
    virtual int run(const std::vector<std::string>& args, CliContext& context) = 0;
};

std::vector<std::unique_ptr<Command>> AllCommands();

} // namespace trevik::cli
