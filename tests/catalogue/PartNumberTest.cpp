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

struct TFieldCase {
    std::string Part;
    int Type;
    std::vector<std::string> Fields; // 0..9
};

TEST(PartFields, EveryFamilyEveryField) {
    const std::vector<TFieldCase> cases = {
        {"C187BNSG", 0, {"C", "187", "B", "N", "S", "G", "BNS", "", "", "N"}},
        {"D187ABSG", 1, {"D", "187", "A", "B", "S", "G", "ABS", "", "", "N"}},
        {"E187PC010A020SG", 2, {"E", "187", "C", "A", "S", "G", "20S", "010", "020", "P"}},
        {"F187MA0610BX", 3, {"F", "187", "A", "B", "X", "", "10B", "0610", "", "M"}},
        {"H090PA040B040XN", 4, {"H", "090", "A", "B", "X", "N", "40X", "040", "040", "P"}},
        {"M187PA040B060SG", 5, {"M", "187", "A", "B", "S", "G", "60S", "040", "060", "P"}},
        {"N187MA102B152SN", 6, {"N", "187", "A", "B", "S", "N", "52S", "102", "152", "M"}},
        {"PW187A", 7, {"P", "W18", "", "", "", "", "187", "", "", "N"}},
        {"R187PA0125BSG", 8, {"R", "187", "A", "B", "S", "G", "5BS", "0125", "", "P"}},
        {"ST90187A", 9, {"S", "T90", "", "", "", "", "187", "", "", "N"}},
        {"T137ABG", 10, {"T", "137", "A", "B", "", "G", "7AB", "", "", "N"}},
        {"XYZ", 11, {"X", "YZ", "", "", "", "", "XYZ", "", "", "N"}},
    };
    for (const TFieldCase& c : cases) {
        for (int f = 0; f <= 9; ++f) {
            EXPECT_EQ(PartField(c.Part, c.Type, f), c.Fields[static_cast<std::size_t>(f)])
                << c.Part << " field " << f;
        }
        EXPECT_EQ(PartField(c.Part, c.Type, 10), "");
        EXPECT_EQ(PartField(c.Part, c.Type, -1), "");
    }
}

TEST(PartFields, ShortPartNumbersGiveWhatExists) {
    EXPECT_EQ(PartField("R18", 8, 1), "18");
    EXPECT_EQ(PartField("R187PA01", 8, 7), "01");
    EXPECT_EQ(PartField("R187PA01", 8, 3), "");
    EXPECT_EQ(PartField("C1234", 0, 9), "N"); // whatever the fifth character
    EXPECT_EQ(PartField("E", 2, 9), "");
    EXPECT_EQ(PartField("", 8, 6), "");
    EXPECT_EQ(PartField("AB", 11, 6), "AB");
    // A four-digit leg code shifts every later position.
    EXPECT_EQ(PartField("E187MA1250B040SG", 2, 8), "B04");
}

} // namespace
} // namespace cvn
