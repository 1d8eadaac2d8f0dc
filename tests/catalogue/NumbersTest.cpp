#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/TextUtils.h"

#include <gtest/gtest.h>

#include <clocale>

namespace cvn {
namespace {

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
