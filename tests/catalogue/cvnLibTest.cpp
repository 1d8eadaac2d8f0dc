#include "catalogue/cvnLib.h"
#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/TextUtils.h"

#include <gtest/gtest.h>

#include <clocale>

namespace cvn {
namespace {

TEST(UnitConversion, UsesTheCataloguesFactorsRoundedOnce) {
    EXPECT_DOUBLE_EQ(InchesToMm(4.0), 101.6);
    EXPECT_NEAR(MmToInches(102), 4.01574, 1e-12); // the catalogue's 0.03937, not 1/25.4
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

TEST(FixedParse, RoundsTheWrittenDecimalToFourPlacesHalvesToEven) {
    struct Case {
        const char* text;
        std::int64_t raw;
    } cases[] = {
        {"125.5", 1255000},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.00025", 2},
        {"0.000251", 3},
        {"-0.00015", -2},
        {"  12  ", 120000},
        {"1e2", 1000000},
        {"2.5E-4", 2},
        {"3.5e-4", 4},
        {".5", 5000},
        {"7.", 70000},
        {"+3", 30000},
        {"0.1", 1000},
        {"-0", 0},
        {"000123.4500", 1234500},
        {"922337203685477.5807", INT64_MAX},
    };
    for (const Case& c : cases) {
        TFixed f;
        ASSERT_TRUE(TFixed::TryParse(c.text, f)) << c.text;
        EXPECT_EQ(f.Raw, c.raw) << c.text;
    }
}

TEST(FixedParse, RejectsWhatIsNotADecimalNumberWithTheStandardText) {
    for (const char* bad : {"", " ", ".", "1,5", "12,50", "$5", "1e", "e5", "--1", "1 2", "0x10",
                            "922337203685477.5808", "1e30", "nan", "inf"}) {
        TFixed f;
        EXPECT_FALSE(TFixed::TryParse(bad, f)) << bad;
    }
    try {
        TFixed::Parse("12,50");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12,50' is not a valid floating point value");
    }
}

TEST(FixedFormat, OneDecimalRoundsHalvesAwayFromZeroAndMoneyGroupsThousands) {
    EXPECT_EQ(TFixed::Parse("12.25").Format(1), "12.3");
    EXPECT_EQ(TFixed::Parse("12.2499").Format(1), "12.2");
    EXPECT_EQ(TFixed::Parse("-0.04").Format(1), "0.0");
    EXPECT_EQ(TFixed::Parse("-1.25").Format(1), "-1.3");
    EXPECT_EQ(TFixed::Parse("4").Format(1), "4.0");
    EXPECT_EQ(TFixed::Parse("101.6").Format(0), "102");
    EXPECT_EQ(TFixed::Parse("3.14159").Format(4), "3.1416");
    EXPECT_EQ(TFixed::Parse("186.5").FormatMoney(), "$186.50");
    EXPECT_EQ((TFixed::Parse("186.5") * 2).FormatMoney(), "$373.00");
    EXPECT_EQ(TFixed::Parse("1234567.005").FormatMoney(), "$1,234,567.01");
    EXPECT_EQ(TFixed::Parse("999.995").FormatMoney(), "$1,000.00");
    EXPECT_EQ(TFixed().FormatMoney(), "$0.00");
    EXPECT_EQ(FormatInches(102 * 0.03937), "4.0");
    EXPECT_EQ(FormatInches(3.24), "3.2");
}

TEST(FixedFormat, IgnoresTheUsersRegionalSettings) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    double d = 0;
    EXPECT_TRUE(TryStrToFloat("12.5", d));
    EXPECT_DOUBLE_EQ(d, 12.5);
    EXPECT_FALSE(TryStrToFloat("12,5", d));
    EXPECT_EQ(TFixed::Parse("1234.5").FormatMoney(), "$1,234.50");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Integers, WholeNumbersInTheThirtyTwoBitRangeOnly) {
    int v = 0;
    EXPECT_TRUE(TryStrToInt(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(TryStrToInt("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(TryStrToInt("+2147483647", v));
    EXPECT_EQ(v, 2147483647);
    for (const char* bad : {"", "4.0", "2147483648", "1e3", "12a", "+-1", "+", "- 1"}) {
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    }
    try {
        StrToInt("ten");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'ten' is not a valid integer value");
    }
}

TEST(Rounding, WholeNumbersRoundHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(304.8), 305);
    EXPECT_EQ(RoundHalfEven(82.296), 82);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

} // namespace
} // namespace cvn
