#include "entry/SetupFromPartNumber.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

// The wizard on the sample catalogue, as the program starts it.
class SetupFromPartNumberTest : public ::testing::Test {
protected:
    void SetUp() override {
        IsImperial = true;
        wizard.FormCreate(CORVANE_SAMPLE_APP_DIR);
    }

    std::string Code(const TTxtTable& list, int index) const {
        return index < 0 ? std::string("(none)") : list.GetField(index, 1);
    }
    test::TScriptedPrompts prompts;
    TConfigurator wizard{prompts};
};

// What each list gets is seen by RoundTrip, which composes it again.
TEST_F(SetupFromPartNumberTest,
       ItEndsOnScreenOneWithNothingLeftApplyingAndKeepsUnitsWithoutLengths) {
    wizard.Screen = 2;
    SetupFromPartNumber(wizard, "R187PA0125BSG", prompts);
    EXPECT_EQ(Code(wizard.WaveguideList, wizard.WaveguideIndex), "187");
    EXPECT_EQ(wizard.Screen, 1);
    EXPECT_FALSE(ApplyingPartNumber);
    // "N" in the unit position of a family without lengths leaves the units alone.
    SetupFromPartNumber(wizard, "R187MA0302BSN", prompts);
    SetupFromPartNumber(wizard, "D090ABSG", prompts);
    EXPECT_FALSE(IsImperial);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(SetupFromPartNumberTest, UnrecognisedOrUnmatchedFieldsLeaveTheListsAsTheyAre) {
    SetupFromPartNumber(wizard, "R187PA0125BSG", prompts);
    wizard.Screen = 2;
    SetupFromPartNumber(wizard, "XR187", prompts);
    EXPECT_EQ(wizard.ProductTypeIndex, -1);
    EXPECT_EQ(wizard.Screen, 1);

    SetupFromPartNumber(wizard, "R187PZ9999ZSG", prompts); // no such flanges or length
    EXPECT_EQ(Code(wizard.WaveguideList, wizard.WaveguideIndex), "187");
    EXPECT_EQ(wizard.FlangeAIndex, -1);
    EXPECT_EQ(wizard.FlangeBIndex, -1);

    const int before = wizard.ProductTypeIndex;
    SetupFromPartNumber(wizard, "", prompts);
    EXPECT_EQ(wizard.ProductTypeIndex, before);
    EXPECT_TRUE(prompts.Messages.empty());
}

} // namespace
} // namespace cvn
