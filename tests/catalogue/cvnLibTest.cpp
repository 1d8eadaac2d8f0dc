#include "catalogue/cvnLib.h"
#include "catalogue/Errors.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(UnitConversion, UsesTheCataloguesFactorsRoundedOnce) {
    EXPECT_DOUBLE_EQ(InchesToMm(4.0), 101.6);
    EXPECT_DOUBLE_EQ(MmToInches(102), 102 * 0.03937);
    EXPECT_NEAR(MmToInches(102), 4.01574, 1e-12);
    EXPECT_NE(MmToInches(25.4), 1.0); // not 1/25.4
}

TEST(SplitTaperText, SplitsAtTheFirstHyphenAndTrims) {
    TTaperedWaveguide t = SplitTaper("90 - 75");
    EXPECT_EQ(t.Smaller, "90");
    EXPECT_EQ(t.Larger, "75");
    t = SplitTaper(" WR-90 - WR-75 ");
    EXPECT_EQ(t.Smaller, "WR");
    EXPECT_EQ(t.Larger, "90 - WR-75");
    t = SplitTaper("  WR90  ");
    EXPECT_EQ(t.Smaller, "");
    EXPECT_EQ(t.Larger, "WR90");
}

TEST(Lists, SortUniqueIgnoresCaseAndKeepsTheFirstOfEqualTexts) {
    TStrings l = {"b", "A", "a", "c"};
    SortUnique(l);
    EXPECT_EQ(l, (TStrings{"A", "b", "c"}));
    l = {"N|N Female", "2|SMA", "n|n female", "10|x"};
    SortUnique(l);
    EXPECT_EQ(l, (TStrings{"10|x", "2|SMA", "N|N Female"}));
    TStrings empty;
    SortUnique(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(Lists, SortNumericIsStableForEqualValues) {
    TStrings l = {"24", "12", "12.0", "36", "0.5", "24.00"};
    SortNumeric(l);
    EXPECT_EQ(l, (TStrings{"0.5", "12", "12.0", "24", "24.00", "36"}));
    TStrings bad = {"1", "x"};
    EXPECT_THROW(SortNumeric(bad), EConvertError);
}

TEST(Lists, ListContainsIgnoresCase) {
    EXPECT_TRUE(ListContains("wr-90", {"WR-75", "WR-90"}));
    EXPECT_FALSE(ListContains("WR-9", {"WR-90"}));
    EXPECT_FALSE(ListContains("", {}));
}

TEST(Numbers, IsNumberAcceptsBlanksButNotALoneStopOrACommaDecimal) {
    EXPECT_TRUE(IsNumber(" 12.5 "));
    EXPECT_TRUE(IsNumber("12"));
    EXPECT_TRUE(IsNumber("-1.5e1"));
    EXPECT_FALSE(IsNumber("."));
    EXPECT_FALSE(IsNumber(" . "));
    EXPECT_FALSE(IsNumber(""));
    EXPECT_FALSE(IsNumber("12,5"));
    EXPECT_FALSE(IsNumber("N/A"));
}

TEST(Numbers, IndexOfValueFindsTheFirstEntryNotBelowTheRoundedValue) {
    const TStrings l = {"2.0", "4.0", "6.0"};
    EXPECT_EQ(IndexOfValue("4", l), 1);
    EXPECT_EQ(IndexOfValue("5", l), 2);
    EXPECT_EQ(IndexOfValue("0", l), 0);
    EXPECT_EQ(IndexOfValue("6.00001", l), 2); // rounded to four decimals first
    EXPECT_EQ(IndexOfValue("6.0001", l), -1);
    EXPECT_EQ(IndexOfValue("7", l), -1);
    EXPECT_EQ(IndexOfValue("1", {}), -1);
    EXPECT_THROW(IndexOfValue("abc", l), EConvertError);
}

TEST(Numbers, ParseDecimalInsertsThePointAndTurnsFailuresIntoZero) {
    EXPECT_DOUBLE_EQ(ParseDecimal("1234", true), 123.4);
    EXPECT_DOUBLE_EQ(ParseDecimal("0125", true), 12.5);
    EXPECT_DOUBLE_EQ(ParseDecimal("0305", false), 305);
    EXPECT_DOUBLE_EQ(ParseDecimal("12a4", true), 0);
    EXPECT_DOUBLE_EQ(ParseDecimal("", true), 0);
    EXPECT_DOUBLE_EQ(ParseDecimal("", false), 0);
}

TEST(Paths, AppPathPutsDataAndImagesBesideIt) {
    SetAppPath("/opt/corvane");
    EXPECT_EQ(AppPath, "/opt/corvane/");
    EXPECT_EQ(DataPath, "/opt/corvane/Data/");
    EXPECT_EQ(ImagesPath, "/opt/corvane/Images/");
    SetAppPath("C:\\Corvane\\");
    EXPECT_EQ(AppPath, "C:/Corvane/");
}

} // namespace
} // namespace cvn
