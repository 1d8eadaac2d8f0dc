#include "orders/SiteList.h"
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/orders/OrderCases.h"
#include "tests/support/ScriptedPrompts.h"

namespace cvn {
namespace {

class SiteListTest : public ::testing::Test {
protected:
    void SetUp() override { test::UseForCaseOrder(Folder); }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
};

TEST_F(SiteListTest, StripPriceLeavesAPlainNumber) {
    EXPECT_EQ(StripPrice("$1,234,567.50"), "1234567.50");
    EXPECT_EQ(StripPrice("N/A"), "0");
    EXPECT_EQ(StripPrice("$N/A"), "0");
    EXPECT_EQ(StripPrice("$$5"), "$5");
}

TEST_F(SiteListTest, OrderLineFieldsAreTrimmedAndTheUnitFollowsThePartNumber) {
    const TQVMasterData data =
        OrderLineToMasterData(" 4 | $10.00 |x| R137MA0305BSN | A b ", Prompts);
    EXPECT_EQ(data.Quantity + "|" + data.Price + "|" + data.PartNumber + "|" + data.Model + "|" +
                  data.Description + "|" + data.LengthUnit,
              "4|$10.00|R137MA0305BSN|R137MA0305BSN|A b|meter");
    // Only families with lengths read the unit letter; "M" elsewhere means nothing.
    for (const char* part : {"R137PA0305BSN", "C090MNSG", "D090MASG", "PW0MM", "WST090S"}) {
        EXPECT_EQ(OrderLineToMasterData(std::string("1|N/A||") + part + "|x", Prompts).LengthUnit,
                  "feet")
            << part;
    }
    EXPECT_EQ(OrderLineToMasterData("1|N/A||E042MA102A102SG|x", Prompts).LengthUnit, "meter");
}

TEST_F(SiteListTest, IsWrittenBesideTheProgramAsExpected) {
    for (const auto& [input, expected] :
         {std::pair{"", "empty.lom"}, {"order-lines.in", "order.lom"}}) {
        WriteSiteList(test::CaseOrder(input), Prompts);
        EXPECT_EQ(Folder.Read("corvane38.lom"), test::CaseFile(expected)) << expected;
    }
    EXPECT_TRUE(Prompts.Messages.empty());
    SetAppPath(Folder.Path() + "gone");
    EXPECT_THROW(WriteSiteList(TTxtTable(), Prompts), EFCreateError);
}

} // namespace
} // namespace cvn
