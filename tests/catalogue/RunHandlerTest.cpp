#include "catalogue/RunHandler.h"
#include "catalogue/Errors.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(GeneralErrorHandler, ADataErrorIsShownOnceAndTheRestOfTheHandlerIsAbandoned) {
    test::TScriptedPrompts prompts;
    std::vector<int> steps;
    const bool ok = RunHandler(prompts, [&] {
        steps.push_back(1);
        throw EConvertError("'x' is not a valid floating point value");
        steps.push_back(2);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(steps, std::vector<int>{1});
    EXPECT_EQ(prompts.Texts("error"),
              std::vector<std::string>{"'x' is not a valid floating point value"});
    EXPECT_EQ(prompts.Messages.size(), 1u);
}

TEST(GeneralErrorHandler, AHandlerThatEndsNormallyShowsNothing) {
    test::TScriptedPrompts prompts;
    bool ran = false;
    EXPECT_TRUE(RunHandler(prompts, [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(prompts.Messages.empty());
}

} // namespace
} // namespace cvn
