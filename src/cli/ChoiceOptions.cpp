#include "ChoiceOptions.h"

#include "CliContext.h"

namespace trevik::cli {

UpdateChoice choiceOption(const Arguments& args, const char* option, UpdateChoice stored) {
    const auto value = args.option(option);
    if (!value) {
        return stored;
    }
    for (const UpdateChoice choice :
         {UpdateChoice::Update, UpdateChoice::Prompt, UpdateChoice::NoUpdate}) {
        if (*value == choiceName(choice)) {
            return choice;
        }
    }
    throw UsageError(std::string("--") + option + " takes update, prompt or skip, not '" + *value +
                     "'");
}

} // namespace trevik::cli
