#include "orders/PriceAndDelivery.h"
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace cvn {
namespace {

class PriceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.UseAsAppPath();
        Folder.WriteTable("StepTwist.tbl", {"Waveguide|Band|Range|VSWR|Part Number",
                                            "090|S|x|x|ST090S", "112|S|x|x|ST112S"});
    }
    TPriceTexts Texts(const std::string& part, int quantity = 1) {
        return PriceAndDeliveryTexts(part, quantity, Prompts);
    }
    // Part number and the price text of one piece.
    void ExpectPrices(const std::vector<std::pair<const char*, const char*>>& cases) {
        for (const auto& [part, price] : cases) {
            EXPECT_EQ(Texts(part).Price, price) << part;
        }
        EXPECT_TRUE(Prompts.Messages.empty());
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
};

TEST_F(PriceTest, StraightSectionChargesStartedFeet) {
    Folder.WriteTable("StraightSectionPrice.tbl",
                      {"Waveguide|Base|Foot|Gray|Delivery|Max",
                       "187|100.00|25.50|10.00|2-3 Weeks|5", "137|100.00|1.00|0.50|Stock|5"});
    const TPriceTexts worked = Texts("R187PA0250BSG", 2);
    EXPECT_EQ(worked.Price, "$373.00");
    EXPECT_EQ(worked.Delivery, "2-3 Weeks");
    ExpectPrices({{"R187PA0250BSN", "$176.50"},
                  {"R137PA0120BSN", "$101.00"},
                  {"R137PA0121BSN", "$102.00"},
                  {"R137MA0305BSN", "$102.00"},
                  {"R137MA0304BSN", "$101.00"},
                  {"R137PA0000BSG", "$100.50"}});
}

TEST_F(PriceTest, MiterSurchargesUseAStrictLegThreshold) {
    Folder.WriteTable("MiterBendPrice.tbl", {"Waveguide|Text|Base|Delivery|Max|Long|Gray|Band|Legs",
                                             "090|x|200.00|Stock|10|40.00|12.00|35.00|3.3",
                                             "112|x|200.00|Stock|10|40.00|12.00|35.00|3.937"});
    // 1.1 + 2.2 inches and 100 mm (3.937 inches) sit exactly on their thresholds.
    ExpectPrices({{"M090PA011B022SN", "$200.00"},
                  {"M090PA011B023SN", "$240.00"},
                  {"N090PA011B022AN", "$235.00"},
                  {"N090PA011B022SG", "$212.00"},
                  {"M112MA050B050SN", "$200.00"},
                  {"M112MA050B051SN", "$240.00"}});
}

TEST_F(PriceTest, FlexibleTwistPricesEveryBandButSFromTheHashRow) {
    Folder.WriteTable("FlexTwistPrice.tbl",
                      {"Waveguide|Unit|Length|Band|Text|Price|Delivery|Max",
                       "028|P|0060|A|x|999.00|x|1", "028|P|0060|S|x|342.00|x|1",
                       "028|P|0060|#|x|367.00|x|1", "028|M|0152|#|x|380.00|x|1"});
    ExpectPrices({{"F028PA0060AA", "$367.00"},
                  {"F028PB0060BS", "$342.00"},
                  {"F028MA0152AC", "$380.00"},
                  {"F028PA0090AS", "N/A"}});
}

TEST_F(PriceTest, BendsMatchASamplePartNumberWhateverItsFlanges) {
    Folder.WriteTable("EBendPrice.tbl",
                      {"Waveguide|Sample|Price|Delivery|Max", "042|E042PA020A020SG|295.50|x|1",
                       "042|E042PA020A030AN|300.00|x|1"});
    Folder.WriteTable("HBendPrice.tbl",
                      {"Waveguide|Sample|Price", "042|H042PA020A020SG|410.00|x|1"});
    ExpectPrices({{"E042PC020D020SG", "$295.50"},
                  {"E042PA020A020SN", "N/A"},
                  {"E042PA020A020AG", "N/A"},
                  {"E042PA020A030SG", "N/A"},
                  {"E042MA020A020SG", "N/A"},
                  {"E062PA020A020SG", "N/A"},
                  {"E042PB020B030AN", "$300.00"},
                  {"H042PB020B020SG", "$410.00"}});
}

TEST_F(PriceTest, SizeTablesAddGrayWhereListedAndDeliveryUpToMaxQuantity) {
    Folder.WriteTable("CoaxPrice.tbl", {"Waveguide|Band|Unused|Price|Delivery|Max",
                                        "090|S|not read|150.00|Stock|5", "090|A||160.00|Stock|0"});
    Folder.WriteTable("RigidTwistPrice.tbl",
                      {"Waveguide|Band|Unused|Price|Delivery|Max|Gray", "090|S||200.00|x|1|15.00"});
    Folder.WriteTable("TaperedTransitionPrice.tbl",
                      {"Waveguide|Unused|Price|Delivery|Max|Gray", "090||300.00|x|1|20.00"});
    ExpectPrices({{"C090ANSG", "$150.00"},
                  {"C090ANAG", "$160.00"},
                  {"C090ANBG", "N/A"},
                  {"D090AASG", "$215.00"},
                  {"D090AASN", "$200.00"},
                  {"T090AAG", "$320.00"},
                  {"T090AAN", "$300.00"}});
    EXPECT_EQ(Texts("C090ANSG", 5).Delivery, "Stock");
    const TPriceTexts over = Texts("C090ANSG", 6);
    EXPECT_EQ(over.Price, "$900.00");
    EXPECT_EQ(over.Delivery, "Contact Brenmoor Rep.");
    EXPECT_EQ(Texts("C090ANAG", 1).Delivery, "Contact Brenmoor Rep.");
}

TEST_F(PriceTest, StepTwistIsPricedByItsWholePartNumberWithoutDelivery) {
    Folder.WriteTable("StepTwistPrice.tbl", {"Part Number|Price", "ST090S|420.00"});
    const TPriceTexts texts = Texts("ST090S", 1);
    EXPECT_EQ(texts.Price, "$420.00");
    EXPECT_EQ(texts.Delivery, "Contact Brenmoor Rep.");
    EXPECT_EQ(Texts("ST112S").Price, "N/A");
}

TEST_F(PriceTest, MissingTableIsReportedAndPricesNothing) {
    // No price table exists: pressure windows and unknown parts must not look for one.
    for (const char* part : {"PW090A", "r187PA0250BSG"}) {
        const TPriceTexts texts = Texts(part);
        EXPECT_EQ(texts.Price + "|" + texts.Delivery, "N/A|Contact Brenmoor Rep.") << part;
    }
    EXPECT_EQ(LookupPrice("R187PA0250BSG", FamilyType::PressureWindow, Prompts).Price, TFixed());
    EXPECT_TRUE(Prompts.Messages.empty());

    EXPECT_EQ(Texts("R187PA0250BSG").Price, "N/A");
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_EQ(
        Prompts.Texts("error")[0].rfind(
            "Error loading \"" + DataPath + "StraightSectionPrice.tbl\" with error message, \"", 0),
        0u);
}

// A data error names the table and the row as counted in the file; a long value is
// cut; a negative price is no price at all.
TEST_F(PriceTest, BadValuesOfTheMatchingRowAbandonTheLookupNamingTableAndRow) {
    Folder.WriteTable("CoaxPrice.tbl",
                      {"Waveguide|Band|Unused|Price|Delivery|Max", "090|S||abc|Stock|5",
                       "090|A||10|Stock|ten", "090|B||" + std::string(2000, '9') + "x|Stock|5"});
    Folder.WriteTable("MiterBendPrice.tbl", {"Waveguide|Text|Base|Delivery|Max|Long|Gray|Band|Legs",
                                             "090|x|200.00|Stock|10|40.00|12.00|35.00|six"});
    Folder.WriteTable("StraightSectionPrice.tbl", {"Waveguide|Base|Foot|Gray|Delivery|Max",
                                                   "187|-400.00|25.50|10.00|2-3 Weeks|5"});
    for (const auto& [part, message] :
         {std::pair<std::string, std::string>{
              "C090ANSG", "'abc' is not a valid floating point value in CoaxPrice.tbl row 2"},
          {"C090ANAG", "'ten' is not a valid integer value in CoaxPrice.tbl row 3"},
          {"C090ANBG", "'" + std::string(80, '9') +
                           "...' is not a valid floating point value in CoaxPrice.tbl row 4"},
          {"M090PA011B022SN",
           "'six' is not a valid floating point value in MiterBendPrice.tbl row 2"},
          {"R187PA0120BSG", "Price -$364.50 in StraightSectionPrice.tbl row 2 is negative"}}) {
        try {
            const TPriceTexts texts = Texts(part);
            ADD_FAILURE() << part << " gave the price " << texts.Price;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST_F(PriceTest, TableMoneyIsRoundedHalfToEvenOnceThenExact) {
    Folder.WriteTable("CoaxPrice.tbl",
                      {"Waveguide|Band|Unused|Price|Delivery|Max", "090|S||10.00005|Stock|5",
                       "090|A||10.00015|Stock|5", "090|B||900000000000000|Stock|5"});
    EXPECT_EQ(Texts("C090ANSG", 10000).Price, "$100,000.00");
    EXPECT_EQ(Texts("C090ANAG", 10000).Price, "$100,002.00");
    EXPECT_EQ(Texts("C090ANBG", 1).Price, "$900,000,000,000,000.00");
    // A line total beyond what money holds is an error, not a wrapped-around price.
    EXPECT_THROW(Texts("C090ANBG", 11), EConvertError);
}

} // namespace
} // namespace cvn
