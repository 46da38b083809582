#pragma once

#include <string>
#include <vector>

namespace trevik {

enum class PromptAnswer { Yes, No, YesToAll, NoToAll, Cancel };

// One question of applying an update: add a new record, or replace a local one by the
// incoming one. `item1` is the local record's lines (the new one's when there is no `item2`).
struct Prompt {
    std::string caption;
    std::vector<std::string> item1;
    std::vector<std::string> item2;
};

// Asks the user. The window answers through its prompt dialog, the command line with a fixed
// choice or at the terminal, tests from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

enum class PromptDecision { Apply, Skip, Stop };

// The answer to one kind of question (new records, or changed ones) within one pass: a
// "to all" answer is remembered and asks nothing more until reset.
class RememberedAnswer {
public:
    PromptDecision decide(Prompter& prompter, const Prompt& prompt);
    void reset() { remembered_ = Remembered::None; }

private:
    enum class Remembered { None, YesToAll, NoToAll };
    Remembered remembered_ = Remembered::None;
};

} // namespace trevik
