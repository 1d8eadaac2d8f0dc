#include "catalogue/LengthLists.h"
#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/TxtTable.h"

#include "tests/support/Tables.h"

#include <gtest/gtest.h>

#include <cstdint>

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

TEST(LengthLists, AbsurdLengthsAreDataErrorsNamingTheRowNotOverflows) {
    // Each of these once overflowed a signed sum (undefined; Release gave an empty list).
    struct TCase {
        const char* row;
        const char* message; // empty: builds without error
    };
    const TCase cases[] = {
        {"R|187|900000000000000|900000000000000|254|12|305",
         "Length '900000000000000' in Dimensions.tbl row 3, column 3, is out of range"},
        {"R|187|12|24|900000000000000000|18|457",
         "Length '900000000000000000' in Dimensions.tbl row 3, column 5, is out of range"},
        {"R|187|12|24|610|-900000000000000|457",
         "Length '-900000000000000' in Dimensions.tbl row 3, column 6, is out of range"},
        // Near the top of the range the last step would pass it.
        {"R|187|922337203685460|922337203685477|610|18|457",
         "Length '922337203685460' in Dimensions.tbl row 3, column 3, is out of range"},
    };
    for (const TCase& c : cases) {
        const TTxtTable dims = TableOf({"R|090|1|2|51|1|25", c.row});
        try {
            BuildLengthLists(kFamily, 1, dims, "187", true);
            ADD_FAILURE() << c.row;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.row;
        }
    }
}

TEST(Fixed, SumsAndProductsBeyondTheRangeRaiseInsteadOfWrapping) {
    const TFixed top = TFixed::FromRaw(INT64_MAX);
    EXPECT_THROW(top + TFixed::FromRaw(1), EConvertError);
    EXPECT_THROW(TFixed::FromRaw(INT64_MIN) - TFixed::FromRaw(1), EConvertError);
    EXPECT_THROW(top * 2, EConvertError);
    EXPECT_THROW(TFixed::FromInt(TFixed::MaxWhole + 1), EConvertError);
    EXPECT_THROW(TFixed::FromInt(-TFixed::MaxWhole - 1), EConvertError);
    TFixed sum = top - TFixed::FromRaw(5);
    EXPECT_THROW(sum += TFixed::FromRaw(6), EConvertError);
    EXPECT_EQ(sum.Raw, INT64_MAX - 5); // left as it was
    sum += TFixed::FromRaw(5);
    EXPECT_EQ(sum, top);
    EXPECT_EQ(TFixed::FromInt(TFixed::MaxWhole).Raw, TFixed::MaxWhole * TFixed::Scale);
    EXPECT_EQ((TFixed::FromInt(-3) * 4).Format(0), "-12");
}

} // namespace
} // namespace cvn
