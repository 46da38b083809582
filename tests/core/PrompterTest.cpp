#include "exchange/Prompter.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(RememberedAnswer, EachAnswerDecidesAndOnlyToAllAnswersAreRemembered) {
    test::ScriptedPrompter prompter(
        {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::YesToAll, PromptAnswer::Cancel});
    RememberedAnswer answer;
    const Prompt question{"Add new item?", {"Name: Ida"}, {}};
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Apply);
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Skip);
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Apply);
    // Remembered: nothing more is asked until the pass ends.
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Apply);
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Apply);
    EXPECT_EQ(prompter.asked.size(), 3u);
    answer.reset();
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Stop);
    EXPECT_EQ(prompter.asked.size(), 4u);
}

TEST(RememberedAnswer, NoToAllSkipsTheRestOfThePass) {
    test::ScriptedPrompter prompter({PromptAnswer::NoToAll, PromptAnswer::Yes});
    RememberedAnswer answer;
    const Prompt question{"Replace Item 1 with Item 2?", {"Name: Ida"}, {"Name: Ida B."}};
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Skip);
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Skip);
    EXPECT_EQ(prompter.asked.size(), 1u);
    answer.reset();
    EXPECT_EQ(answer.decide(prompter, question), PromptDecision::Apply);
    EXPECT_EQ(prompter.asked[1].item2, std::vector<std::string>{"Name: Ida B."});
}
