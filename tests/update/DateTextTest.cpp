#include "update/DateText.h"

#include <gtest/gtest.h>

#include <climits>

namespace cvn {
namespace {

using namespace std::chrono;

// Each pattern as the desktop may give it, the one dates are written in (names, missing
// fields, separators of digits, letters or blanks, or a one-digit field right before
// another would read back another date: the numeric US pattern instead), and a date in it.
TEST(ShortDates, ArePatternsOfNumericFieldsWrittenWithFourDigitYears) {
    const TDate jan5 = 2027y / January / 5;
    const struct {
        const char* Pattern;
        const char* Numeric;
        const char* Jan5;
    } cases[] = {
        // clang-format off
        {"M/d/yy", "M/d/yy", "1/5/2027"},
        {"dd.MM.yy", "dd.MM.yy", "05.01.2027"},
        {"yyyy-MM-dd", "yyyy-MM-dd", "2027-01-05"},
        {"yyyy. MM. dd.", "yyyy. MM. dd.", "2027. 01. 05."},
        {"yyyyMMdd", "yyyyMMdd", "20270105"},
        {"ddMMyy", "ddMMyy", "05012027"},
        {"d MMM yyyy", "M/d/yyyy", "1/5/2027"},
        {"M/d", "M/d/yyyy", "1/5/2027"},
        {"M/d/M", "M/d/yyyy", "1/5/2027"},
        {"''d/M/yy", "M/d/yyyy", "1/5/2027"},
        {"M1d/yyyy", "M/d/yyyy", "1/5/2027"},
        {"M\td/yyyy", "M/d/yyyy", "1/5/2027"},
        {"M/d/yyyy ", "M/d/yyyy", "1/5/2027"},
        {"yyyy/Md", "M/d/yyyy", "1/5/2027"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumericDatePattern(c.Pattern), c.Numeric) << c.Pattern;
        EXPECT_EQ(FormatShortDate(jan5, c.Pattern), c.Jan5) << c.Pattern;
    }
}

TEST(ShortDates, EveryPatternReadsBackTheDateItWrote) {
    const TDate today = 2026y / December / 6;
    // Near today, and far enough off that a two-digit year would lose its century.
    const TDate dates[] = {today,
                           2028y / February / 29,
                           1926y / March / 1,
                           2126y / July / 31,
                           1y / January / 1,
                           9999y / December / 31};
    for (const char* pattern : {"M/d/yy", "M/d/yyyy", "dd/MM/yyyy", "dd.MM.yy", "yyyy-MM-dd",
                                "yyyy. MM. dd.", "yyyyMMdd", "dd-MM-yy", "M1d/yyyy", "yyyy/Md"}) {
        for (const TDate date : dates) {
            const std::string text = FormatShortDate(date, pattern);
            TDate read{};
            ASSERT_TRUE(TryParseShortDate(text, pattern, today, read)) << pattern << " " << text;
            EXPECT_EQ(read, date) << pattern << " " << text;
        }
    }
}

// Two digits of year are read in the century nearest today; blanks around are no part of it.
TEST(ShortDates, TwoDigitYearsReadInTheCenturyNearestToday) {
    const TDate dec6 = 2026y / December / 6;
    const struct {
        const char* Text;
        TDate Today;
        TDate Read;
    } cases[] = {
        {"1/5/27", dec6, 2027y / January / 5},
        {"12/31/26", dec6, 2026y / December / 31},
        {"6/1/75", dec6, 2075y / June / 1},
        {"6/1/77", dec6, 1977y / June / 1},
        {"1/5/00", 2099y / December / 20, 2100y / January / 5},
        {"12/20/99", 2100y / January / 3, 2099y / December / 20},
        {"3/4/5", dec6, 2005y / March / 4},
        {"  1/5/27 ", dec6, 2027y / January / 5},
    };
    for (const auto& c : cases) {
        TDate read{};
        ASSERT_TRUE(TryParseShortDate(c.Text, "M/d/yy", c.Today, read)) << c.Text;
        EXPECT_EQ(read, c.Read) << c.Text;
    }
}

TEST(ShortDates, TextThatIsNoDateInThePatternIsRefusedAndLeavesTheDateAlone) {
    const TDate today = 2026y / December / 6;
    for (const char* text :
         {"", "soon", "13/1/2026", "2/29/2026", "2/30/2028", "1/1/026", "1/1/2026x", "1//2026",
          "0/1/2026", "1/0/2026", "1/1/0000", "1/1/20260", "2026-01-05", "1/5", "-1/5/2026",
          "100/1/2026", "1/5/2026/"}) {
        TDate read = today;
        EXPECT_FALSE(TryParseShortDate(text, "M/d/yyyy", today, read)) << text;
        EXPECT_EQ(read, today) << text;
    }
}

TEST(ShortDates, AddingDaysCrossesMonthsAndYearsAndStopsAtTheCalendarsEnds) {
    EXPECT_EQ(AddDays(2026y / December / 6, 30), 2027y / January / 5);
    EXPECT_EQ(AddDays(2028y / February / 28, 1), 2028y / February / 29);
    EXPECT_EQ(AddDays(2026y / March / 1, -1), 2026y / February / 28);
    EXPECT_EQ(AddDays(9999y / December / 1, 100), 9999y / December / 31);
    EXPECT_EQ(AddDays(2026y / December / 6, LLONG_MAX), 9999y / December / 31);
    EXPECT_EQ(AddDays(2026y / December / 6, LLONG_MIN), 1y / January / 1);
}

} // namespace
} // namespace cvn
