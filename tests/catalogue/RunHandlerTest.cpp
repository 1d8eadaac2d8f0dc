#include "catalogue/RunHandler.h"
#include "catalogue/Errors.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(GeneralErrorHandler, ShowsADataErrorOnceAbandoningTheRestAndNothingElse) {
    test::TScriptedPrompts prompts;
    std::vector<int> steps;
    EXPECT_TRUE(RunHandler(prompts, [&] { steps.push_back(0); }));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_FALSE(RunHandler(prompts, [&] {
        steps.push_back(1);
        throw EConvertError("'x' is not a valid floating point value");
        steps.push_back(2);
    }));
    EXPECT_EQ(steps, (std::vector<int>{0, 1}));
    EXPECT_EQ(prompts.Texts("error"),
              std::vector<std::string>{"'x' is not a valid floating point value"});
    EXPECT_EQ(prompts.Messages.size(), 1u);
}

} // namespace
} // namespace cvn
