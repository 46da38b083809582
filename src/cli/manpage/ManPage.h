#pragma once

#include "Command.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace trevik::cli {

// trevik-cli's manual page in man(7) markup, written from the commands themselves (their
// usage, summary and details), so the page names every command and option that --help does.
void writeManPage(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands,
                  const std::string& version, const std::string& date);

// A text as roff input: backslashes and option dashes escaped, a leading dot or quote made
// harmless. roffCode escapes every dash, for command names and synopses typed as they stand.
std::string roffText(const std::string& text);
std::string roffCode(const std::string& text);

} // namespace trevik::cli
