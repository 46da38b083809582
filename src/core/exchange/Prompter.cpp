#include "exchange/Prompter.h"

namespace trevik {

PromptDecision RememberedAnswer::decide(Prompter& prompter, const Prompt& prompt) {
    switch (remembered_) {
    case Remembered::YesToAll:
        return PromptDecision::Apply;
    case Remembered::NoToAll:
        return PromptDecision::Skip;
    case Remembered::None:
        break;
    }
    switch (prompter.ask(prompt)) {
    case PromptAnswer::YesToAll:
        remembered_ = Remembered::YesToAll;
        return PromptDecision::Apply;
    case PromptAnswer::Yes:
        return PromptDecision::Apply;
    case PromptAnswer::NoToAll:
        remembered_ = Remembered::NoToAll;
        return PromptDecision::Skip;
    case PromptAnswer::No:
        return PromptDecision::Skip;
    case PromptAnswer::Cancel:
        break;
    }
    return PromptDecision::Stop;
}

} // namespace trevik
