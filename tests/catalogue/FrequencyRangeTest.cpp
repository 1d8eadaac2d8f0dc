#include "catalogue/FrequencyRange.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cvn {
namespace {

struct TQueryCase {
    std::string Text;
    std::optional<TFrequencySpan> Expected;
};

void PrintTo(const TQueryCase& row, std::ostream* os) {
    *os << '"' << row.Text << '"';
}

class FrequencyQueryTest : public ::testing::TestWithParam<TQueryCase> {};

TEST_P(FrequencyQueryTest, ReadsPointCommaAndRangesAndRefusesTheRest) {
    const auto span = ParseFrequencyQuery(GetParam().Text);
    ASSERT_EQ(span.has_value(), GetParam().Expected.has_value()) << GetParam().Text;
    if (span) {
        EXPECT_DOUBLE_EQ(span->Low, GetParam().Expected->Low);
        EXPECT_DOUBLE_EQ(span->High, GetParam().Expected->High);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FrequencyQueryTest,
    ::testing::Values(TQueryCase{"10", TFrequencySpan{10, 10}},
                      TQueryCase{"10.5", TFrequencySpan{10.5, 10.5}},
                      TQueryCase{"10,5", TFrequencySpan{10.5, 10.5}},
                      TQueryCase{" 8.5 - 9.6 ", TFrequencySpan{8.5, 9.6}},
                      TQueryCase{"9.6-8.5", TFrequencySpan{8.5, 9.6}},
                      TQueryCase{"8,5-9,6", TFrequencySpan{8.5, 9.6}},
                      TQueryCase{"0", std::nullopt}, TQueryCase{"0.0", std::nullopt},
                      TQueryCase{"-5", std::nullopt}, TQueryCase{"", std::nullopt},
                      TQueryCase{".", std::nullopt}, TQueryCase{"1.2.3", std::nullopt},
                      TQueryCase{"1e3", std::nullopt}, TQueryCase{"10 GHz", std::nullopt},
                      TQueryCase{"8-9-10", std::nullopt}, TQueryCase{"8-", std::nullopt},
                      TQueryCase{"nan", std::nullopt}, TQueryCase{"1,5.5", std::nullopt}));

class FrequencyRangeTextTest : public ::testing::TestWithParam<TQueryCase> {};

TEST_P(FrequencyRangeTextTest, ReadsOnlyLowDashHighGHz) {
    const auto span = ParseFrequencyRange(GetParam().Text);
    ASSERT_EQ(span.has_value(), GetParam().Expected.has_value()) << GetParam().Text;
    if (span) {
        EXPECT_DOUBLE_EQ(span->Low, GetParam().Expected->Low);
        EXPECT_DOUBLE_EQ(span->High, GetParam().Expected->High);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FrequencyRangeTextTest,
    ::testing::Values(TQueryCase{"8.2-12.4 GHz", TFrequencySpan{8.2, 12.4}},
                      TQueryCase{"60-90 GHz", TFrequencySpan{60, 90}},
                      TQueryCase{" 8.2 - 12.4  GHz ", TFrequencySpan{8.2, 12.4}},
                      TQueryCase{"8.2-12.4", std::nullopt}, TQueryCase{"8.2-12.4GHz", std::nullopt},
                      TQueryCase{"8.2-12.4 MHz", std::nullopt},
                      TQueryCase{"12.4-8.2 GHz", std::nullopt},
                      TQueryCase{"8,2-12,4 GHz", std::nullopt},
                      TQueryCase{"wide GHz", std::nullopt}, TQueryCase{"8.2 GHz", std::nullopt}));

TEST(FrequencySpanTest, CoversBothEndsIncluded) {
    const TFrequencySpan band{8.2, 12.4};
    EXPECT_TRUE(band.Covers({8.2, 8.2}));
    EXPECT_TRUE(band.Covers({12.4, 12.4}));
    EXPECT_TRUE(band.Covers({8.5, 9.6}));
    EXPECT_FALSE(band.Covers({8.1, 9.0}));
    EXPECT_FALSE(band.Covers({12.0, 12.5}));
}

} // namespace
} // namespace cvn
