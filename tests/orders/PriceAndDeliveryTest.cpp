#include "orders/PriceAndDelivery.h"
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace cvn {
namespace {

// Every price table, each row there for a row of the cases below.
class PriceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.UseAsAppPath();
        // clang-format off
        Folder.WriteTable("StepTwist.tbl", {"Waveguide|Band|Range|VSWR|Part Number", "090|S|x|x|ST090S", "112|S|x|x|ST112S"});
        Folder.WriteTable("StepTwistPrice.tbl", {"Part Number|Price", "ST090S|420.00"});
        Folder.WriteTable("StraightSectionPrice.tbl", {"Waveguide|Base|Foot|Gray|Delivery|Max",
            "187|100.00|25.50|10.00|2-3 Weeks|5", "137|100.00|1.00|0.50|Stock|5",
            // 9,223,464,271.4974 is the largest price of which 99,999 pieces fit money's
            // 64 bits; one ten-thousandth more does not.
            "062|9223464271.4974|0|0|Stock|99999", "075|9223464271.4975|0|0|Stock|5",
            "112|922337203685477.5807|0|0|Stock|5", "284|1|922337203685477|1|Stock|5"});
        Folder.WriteTable("MiterBendPrice.tbl", {"Waveguide|Text|Base|Delivery|Max|Long|Gray|Band|Legs",
            "090|x|200.00|Stock|10|40.00|12.00|35.00|3.3", "112|x|200.00|Stock|10|40.00|12.00|35.00|3.937"});
        Folder.WriteTable("FlexTwistPrice.tbl", {"Waveguide|Unit|Length|Band|Text|Price|Delivery|Max",
            "028|P|0060|A|x|999.00|x|1", "028|P|0060|S|x|342.00|x|1", "028|P|0060|#|x|367.00|x|1", "028|M|0152|#|x|380.00|x|1"});
        Folder.WriteTable("EBendPrice.tbl", {"Waveguide|Sample|Price|Delivery|Max",
            "042|E042PA020A020SG|295.50|x|1", "042|E042PA020A030AN|300.00|x|1"});
        Folder.WriteTable("HBendPrice.tbl", {"Waveguide|Sample|Price", "042|H042PA020A020SG|410.00|x|1"});
        Folder.WriteTable("CoaxPrice.tbl", {"Waveguide|Band|Unused|Price|Delivery|Max",
            "090|S|not read|150.00|Stock|5", "090|A||160.00|Stock|0",
            "112|S||10.00005|Stock|5", "112|A||10.00015|Stock|5", "112|B||900000000000000|Stock|5"});
        Folder.WriteTable("RigidTwistPrice.tbl", {"Waveguide|Band|Unused|Price|Delivery|Max|Gray", "090|S||200.00|x|1|15.00"});
        Folder.WriteTable("TaperedTransitionPrice.tbl", {"Waveguide|Unused|Price|Delivery|Max|Gray", "090||300.00|x|1|20.00"});
        // clang-format on
    }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
};

constexpr const char* kRep = "Contact Brenmoor Rep.";

TEST_F(PriceTest, EachFamilyIsPricedFromItsTable) {
    struct TCase {
        const char* Part;
        int Quantity;
        const char* Price;              // nullptr: a conversion error, no price
        const char* Delivery = nullptr; // nullptr: not looked at
    };
    // clang-format off
    const TCase cases[] = {
        // Straight sections charge started feet, in either unit, gray on top.
        {"R187PA0250BSG", 2, "$373.00", "2-3 Weeks"}, {"R187PA0250BSN", 1, "$176.50"},
        {"R137PA0120BSN", 1, "$101.00"}, {"R137PA0121BSN", 1, "$102.00"}, {"R137MA0305BSN", 1, "$102.00"},
        {"R137MA0304BSN", 1, "$101.00"}, {"R137PA0000BSG", 1, "$100.50"},
        // Miters: legs over the threshold (1.1 + 2.2 in., 100 mm = 3.937 in. sit on it) cost more.
        {"M090PA011B022SN", 1, "$200.00"}, {"M090PA011B023SN", 1, "$240.00"}, {"N090PA011B022AN", 1, "$235.00"},
        {"N090PA011B022SG", 1, "$212.00"}, {"M112MA050B050SN", 1, "$200.00"}, {"M112MA050B051SN", 1, "$240.00"},
        // Flexible twists price every band but S from the "#" row.
        {"F028PA0060AA", 1, "$367.00"}, {"F028PB0060BS", 1, "$342.00"}, {"F028MA0152AC", 1, "$380.00"},
        {"F028PA0090AS", 1, "N/A", kRep},
        // Bends match a sample part number whatever its flanges.
        {"E042PC020D020SG", 1, "$295.50"}, {"E042PA020A020SN", 1, "N/A"}, {"E042PA020A020AG", 1, "N/A"},
        {"E042PA020A030SG", 1, "N/A"}, {"E042MA020A020SG", 1, "N/A"}, {"E062PA020A020SG", 1, "N/A"},
        {"E042PB020B030AN", 1, "$300.00"}, {"H042PB020B020SG", 1, "$410.00"},
        // Size tables add gray where listed; delivery holds up to the max quantity.
        {"C090ANSG", 5, "$750.00", "Stock"}, {"C090ANSG", 6, "$900.00", kRep}, {"C090ANAG", 1, "$160.00", kRep},
        {"C090ANBG", 1, "N/A"}, {"D090AASG", 1, "$215.00"}, {"D090AASN", 1, "$200.00"},
        {"T090AAG", 1, "$320.00"}, {"T090AAN", 1, "$300.00"},
        // Step-twists by their whole part number, never with a delivery.
        {"ST090S", 1, "$420.00", kRep}, {"ST112S", 1, "N/A"},
        // Table money is rounded half to even once, then exact; a total beyond money's
        // 64 bits is an error, not a wrapped-around price.
        {"C112ANSG", 10000, "$100,000.00"}, {"C112ANAG", 10000, "$100,002.00"},
        {"C112ANBG", 1, "$900,000,000,000,000.00", "Stock"}, {"C112ANBG", 11, nullptr},
        {"R062PA0120BSN", 99999, "$922,337,203,685,468.50", "Stock"}, {"R075PA0120BSN", 99999, nullptr},
        {"R112PA0120BSN", 99999, nullptr}, {"R284PA9990BSG", 1, nullptr}, // started feet multiply wide
    };
    // clang-format on
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Part) + " x " + std::to_string(c.Quantity));
        if (!c.Price) {
            EXPECT_THROW(PriceAndDeliveryTexts(c.Part, c.Quantity, Prompts), EConvertError);
            continue;
        }
        const TPriceTexts texts = PriceAndDeliveryTexts(c.Part, c.Quantity, Prompts);
        EXPECT_EQ(texts.Price, c.Price);
        if (c.Delivery) {
            EXPECT_EQ(texts.Delivery, c.Delivery);
        }
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

// Pressure windows and unknown parts look for no table, so a missing one says nothing
// (what a missing table says is cli/cases/fault-price-without-its-table's).
TEST_F(PriceTest, PartsWithoutAPriceTableLookForNone) {
    ASSERT_EQ(std::remove((DataPath + "StraightSectionPrice.tbl").c_str()), 0);
    for (const char* part : {"PW090A", "r187PA0250BSG"}) {
        const TPriceTexts texts = PriceAndDeliveryTexts(part, 1, Prompts);
        EXPECT_EQ(texts.Price + "|" + texts.Delivery, std::string("N/A|") + kRep) << part;
    }
    EXPECT_EQ(LookupPrice("R187PA0250BSG", FamilyType::PressureWindow, Prompts).Price, TFixed());
    EXPECT_TRUE(Prompts.Messages.empty());
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
            const TPriceTexts texts = PriceAndDeliveryTexts(part, 1, Prompts);
            ADD_FAILURE() << part << " gave the price " << texts.Price;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

} // namespace
} // namespace cvn
