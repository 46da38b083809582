#pragma once

#include "exchange/Prompter.h"

#include <istream>
#include <ostream>

namespace trevik::cli {

// Asks at the terminal: the question and both records on `questions`, one answer a line from
// `answers` (y, n, a = yes to all, s = no to all, q = cancel). The end of input cancels.
class TerminalPrompter final : public Prompter {
public:
    TerminalPrompter(std::istream& answers, std::ostream& questions)
        : answers_(answers), questions_(questions) {}
    PromptAnswer ask(const Prompt& prompt) override;

private:
    std::istream& answers_;
    std::ostream& questions_;
};

} // namespace trevik::cli
