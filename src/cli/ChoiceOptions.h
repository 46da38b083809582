#pragma once

#include "Arguments.h"
#include "exchange/Prompter.h"
#include "exchange/UpdateChoices.h"

namespace trevik::cli {

// The value of --new, --changed or --deleted (update, prompt or skip); `stored` when absent.
// Throws UsageError for any other value.
UpdateChoice choiceOption(const Arguments& args, const char* option, UpdateChoice stored);

// Refuses every question when no one is at the terminal to answer it.
class NoPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Cancel; }
};

} // namespace trevik::cli
