#include "catalogue/LengthLists.h"
#include "catalogue/Errors.h"
#include "catalogue/TxtTable.h"

#include "tests/support/Tables.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

using test::TableOf;

const TTxtTable kFamily = TableOf({"C|Coax|0.5|5|a|b", "R|Straight|6.0|150|c|d", "E|Bend|0.1|1|e|f",
                                   "M|Miter|0|5|g|h", "N|Miter E|x|5|i|j"});

TEST(LengthLists, StepsFromTheShortestToTheLongestLengthInBothUnits) {
    const TTxtTable dims = TableOf({"R|187|12|24|610|18|457"});
    const TLengthLists l = BuildLengthLists(kFamily, 1, dims, "187", true);
    ASSERT_TRUE(l.Found);
    EXPECT_EQ(l.ImperialItems, (TStrings{"12.0", "18.0", "24.0"}));
    // 12.0 in. is 304.8 mm, rounded 305; then 150 mm steps up to column 5.
    EXPECT_EQ(l.MetricItems, (TStrings{"305", "455", "605"}));
    EXPECT_EQ(l.ImperialDefault, "18.0");
    EXPECT_EQ(l.MetricDefault, "");
    const TLengthLists metric = BuildLengthLists(kFamily, 1, dims, "187", false);
    EXPECT_EQ(metric.MetricItems, l.MetricItems);
    EXPECT_EQ(metric.ImperialDefault, "");
    EXPECT_EQ(metric.MetricDefault, "457");
}

TEST(LengthLists, TenthsAccumulateWithoutDriftAndEndsAreReadAtOneDecimal) {
    // 0.96 reads as 1.0 and 2.04 as 2.0, as the lists show them.
    const TTxtTable dims = TableOf({"E|090|0.96|2.04|51|1.5|38"});
    const TLengthLists l = BuildLengthLists(kFamily, 2, dims, "090", true);
    ASSERT_EQ(l.ImperialItems.size(), 11u);
    EXPECT_EQ(l.ImperialItems.front(), "1.0");
    EXPECT_EQ(l.ImperialItems[7], "1.7");
    EXPECT_EQ(l.ImperialItems.back(), "2.0");
    EXPECT_EQ(l.MetricItems.front(), "25");
    EXPECT_EQ(l.MetricItems.back(), "51");
}

TEST(LengthLists, FirstRowForLetterAndWaveguideWinsAndAMissingRowGivesNoLists) {
    const TTxtTable dims =
        TableOf({"R|090|1|2|51|1|25", "R|187|12|12|305|12|305", "R|187|1|99|999|1|25"});
    EXPECT_EQ(BuildLengthLists(kFamily, 1, dims, "187", true).ImperialItems, TStrings{"12.0"});
    const TLengthLists none = BuildLengthLists(kFamily, 1, dims, "284", true);
    EXPECT_FALSE(none.Found);
    EXPECT_TRUE(none.ImperialItems.empty());
    EXPECT_FALSE(BuildLengthLists(kFamily, 7, dims, "187", true).Found);
}

TEST(LengthLists, OnlyTheDefaultOfTheUnitInForceIsRead) {
    const TTxtTable dims = TableOf({"R|187|12|24|610|18|n/a", "R|090|12|24|610|?|305"});
    EXPECT_EQ(BuildLengthLists(kFamily, 1, dims, "187", true).ImperialDefault, "18.0");
    EXPECT_THROW(BuildLengthLists(kFamily, 1, dims, "187", false), EConvertError);
    EXPECT_EQ(BuildLengthLists(kFamily, 1, dims, "090", false).MetricDefault, "305");
    EXPECT_THROW(BuildLengthLists(kFamily, 1, dims, "090", true), EConvertError);
}

TEST(LengthLists, BadNumbersAndStepsAreDataErrorsNotHangs) {
    const TTxtTable dims = TableOf({"M|187|1|10|254|2|51", "N|187|1|10|254|2|51",
                                    "R|090|one|10|254|2|51", "E|112|1|2000|50800|1|25"});
    try {
        BuildLengthLists(kFamily, 3, dims, "187", true);
        FAIL() << "a zero step never reaches the end";
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("greater than zero"), std::string::npos);
    }
    try {
        BuildLengthLists(kFamily, 4, dims, "187", true);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
    }
    EXPECT_THROW(BuildLengthLists(kFamily, 1, dims, "090", true), EConvertError);
    EXPECT_THROW(BuildLengthLists(kFamily, 2, dims, "112", true), EConvertError); // 20,000 items
}

TEST(LengthTexts, InchesShowOneDecimalAndMillimetresRoundHalvesToEven) {
    EXPECT_EQ(InchText("3.24"), "3.2");
    EXPECT_EQ(InchText(" 4 "), "4.0");
    EXPECT_EQ(MillimetreText(82.296), "82");
    EXPECT_EQ(MillimetreText(101.6), "102");
    EXPECT_EQ(MillimetreText(304.5), "304");
    EXPECT_THROW(InchText("N/A"), EConvertError);
}

} // namespace
} // namespace cvn
