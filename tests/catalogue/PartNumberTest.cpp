#include "catalogue/PartNumber.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace cvn {
namespace {

class PartNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        folder.UseAsAppPath();
        folder.WriteTable("StepTwist.tbl", {"WG|Band|Range|VSWR|Part Number|Length",
                                            "187|S|3.95 - 5.85 GHz|1.10|ST90187A|4.5",
                                            "090|S|8.2 - 12.4 GHz|1.10|RX-090B|2.0",
                                            "090|S|8.2 - 12.4 GHz|1.10|st90090a|2.0"});
    }
    test::TTempFolder folder;
    test::TScriptedPrompts prompts;
};

TEST_F(PartNumbers, LettersClassTheFamiliesWithoutReadingAnyTable) {
    folder.Write("Data/StepTwist.tbl", "garbage"); // never consulted for these
    const std::vector<std::pair<std::string, int>> cases = {
        {"C187BNSG", 0},        {"D187ABSG", 1},        {"E187PA040B040SG", 2},
        {"F187PA0120BS", 3},    {"H187PA040B040SG", 4}, {"M187PA040B060SG", 5},
        {"N187PA040B060SG", 6}, {"R187PA0125BSG", 8},   {"T137ABG", 10},
        {"RST90187A", 8},
    };
    for (const auto& [part, type] : cases) {
        EXPECT_EQ(FamilyTypeOf(part, prompts), type) << part;
    }
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(PartNumbers, OtherStartsAreStepTwistsOnlyWhenTheTableHoldsThemWhole) {
    EXPECT_EQ(FamilyTypeOf("ST90187A", prompts), FamilyType::StepTwist);
    EXPECT_EQ(FamilyTypeOf("st90090a", prompts), FamilyType::StepTwist);
    EXPECT_EQ(FamilyTypeOf("ST90090A", prompts), FamilyType::Unknown); // exact case
    EXPECT_EQ(FamilyTypeOf("ST90187", prompts), FamilyType::Unknown);
    EXPECT_EQ(FamilyTypeOf("r187PA0125BSG", prompts), FamilyType::Unknown);
    EXPECT_EQ(FamilyTypeOf("Part Number", prompts), FamilyType::StepTwist); // header kept
    EXPECT_EQ(FamilyTypeOf("PW187A", prompts), FamilyType::Unknown);
    EXPECT_EQ(FamilyTypeOf("", prompts), FamilyType::Unknown);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(PartNumbers, AMissingStepTwistTableIsReported) {
    std::filesystem::remove(folder.Path() + "Data/StepTwist.tbl");
    EXPECT_EQ(FamilyTypeOf("SX-NEW-1", prompts), FamilyType::Unknown);
    EXPECT_EQ(prompts.Texts("error").size(), 1u);
}

} // namespace
} // namespace cvn
