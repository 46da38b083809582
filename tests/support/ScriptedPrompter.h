#pragma once

#include "exchange/Prompter.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace trevik::test {

// Answers from a script and records every question; a question past the script's end is a
// test failure, not a silent answer.
class ScriptedPrompter final : public Prompter {
public:
    explicit ScriptedPrompter(std::deque<PromptAnswer> script = {}) : script_(std::move(script)) {}

    PromptAnswer ask(const Prompt& prompt) override {
        asked.push_back(prompt);
        if (script_.empty()) {
            throw std::logic_error("unexpected question: " + prompt.caption);
        }
        const PromptAnswer answer = script_.front();
        script_.pop_front();
        return answer;
    }

    std::vector<Prompt> asked;

private:
    std::deque<PromptAnswer> script_;
};

} // namespace trevik::test
