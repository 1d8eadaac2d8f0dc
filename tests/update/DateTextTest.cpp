#include "update/DateText.h"

#include <gtest/gtest.h>

#include <climits>

namespace cvn {
namespace {

using namespace std::chrono;

TEST(ShortDates, EveryNumericPatternReadsBackTheDateItWrote) {
    const TDate today = 2026y / December / 6;
    const char* patterns[] = {"M/d/yy",     "M/d/yyyy", "dd/MM/yyyy",    "dd.MM.yy", "yyyy-MM-dd",
                              "yyyy/MM/dd", "d.M.yyyy", "yyyy. MM. dd.", "yyyyMMdd", "dd-MM-yy"};
    // Dates near today, and far enough off that a two-digit year would lose its century.
    const TDate dates[] = {today,
                           2027y / January / 5,
                           2026y / February / 28,
                           2028y / February / 29,
                           1926y / March / 1,
                           2126y / July / 31,
                           1y / January / 1,
                           9999y / December / 31};
    for (const char* pattern : patterns) {
        for (const TDate date : dates) {
            const std::string text = FormatShortDate(date, pattern);
            TDate read{};
            ASSERT_TRUE(TryParseShortDate(text, pattern, today, read)) << pattern << " " << text;
            EXPECT_EQ(read, date) << pattern << " " << text;
        }
    }
}

TEST(ShortDates, AreWrittenInThePatternWithFourDigitYears) {
    const struct {
        const char* Pattern;
        TDate Date;
        const char* Text;
    } cases[] = {
        {"M/d/yy", 2026y / December / 31, "12/31/2026"},
        {"M/d/yyyy", 2027y / January / 5, "1/5/2027"},
        {"dd.MM.yy", 2027y / January / 5, "05.01.2027"},
        {"yyyy-MM-dd", 2027y / January / 5, "2027-01-05"},
        // Names of months cannot be read back everywhere: the numeric US pattern instead.
        {"d MMM yyyy", 2027y / January / 5, "1/5/2027"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatShortDate(c.Date, c.Pattern), c.Text) << c.Pattern;
    }
}

TEST(ShortDates, TwoDigitYearsReadInTheCenturyNearestToday) {
    const struct {
        const char* Text;
        TDate Today;
        TDate Expected;
    } cases[] = {
        {"1/5/27", 2026y / December / 6, 2027y / January / 5},
        {"12/31/26", 2026y / December / 6, 2026y / December / 31},
        {"6/1/75", 2026y / December / 6, 2075y / June / 1},
        {"6/1/77", 2026y / December / 6, 1977y / June / 1},
        {"1/5/00", 2099y / December / 20, 2100y / January / 5},
        {"12/20/99", 2100y / January / 3, 2099y / December / 20},
        {"3/4/5", 2026y / December / 6, 2005y / March / 4},
    };
    for (const auto& c : cases) {
        TDate read{};
        ASSERT_TRUE(TryParseShortDate(c.Text, "M/d/yy", c.Today, read)) << c.Text;
        EXPECT_EQ(read, c.Expected) << c.Text;
    }
}

TEST(ShortDates, TextThatIsNoDateInThePatternIsRefused) {
    const TDate today = 2026y / December / 6;
    const char* texts[] = {"",           "soon",      "13/1/2026",  "2/29/2026", "2/30/2028",
                           "1/1/026",    "1/1/2026x", "1//2026",    "0/1/2026",  "1/0/2026",
                           "1/1/0000",   "1/1/20260", "2026-01-05", "1/5",       "-1/5/2026",
                           "100/1/2026", "1/5/2026/"};
    for (const char* text : texts) {
        TDate read = today;
        EXPECT_FALSE(TryParseShortDate(text, "M/d/yyyy", today, read)) << text;
        EXPECT_EQ(read, today) << text;
    }
    // Blanks around the value are not part of it.
    TDate read{};
    EXPECT_TRUE(TryParseShortDate("  1/5/2027 ", "M/d/yyyy", today, read));
    EXPECT_EQ(read, 2027y / January / 5);
}

TEST(ShortDates, PatternsWithNamesOrMissingFieldsFallBackToTheNumericUsPattern) {
    EXPECT_EQ(NumericDatePattern("d MMM yyyy"), "M/d/yyyy");
    EXPECT_EQ(NumericDatePattern("ddd d/M/yy"), "M/d/yyyy");
    EXPECT_EQ(NumericDatePattern("M/d"), "M/d/yyyy");
    EXPECT_EQ(NumericDatePattern("M/d/M"), "M/d/yyyy");
    EXPECT_EQ(NumericDatePattern("''d/M/yy"), "M/d/yyyy");
    EXPECT_EQ(NumericDatePattern("dd.MM.yy"), "dd.MM.yy");
    EXPECT_EQ(NumericDatePattern("yyyy. MM. dd."), "yyyy. MM. dd.");
}

TEST(ShortDates, PatternsThatCouldNotReadBackTheirOwnDatesFallBack) {
    // Separators of digits, letters or control bytes, blanks trimmed off the ends, and a
    // one-digit field right before another: each would read back another date.
    for (const char* pattern : {"M1d/yyyy", "Mxd/yyyy", "M\td/yyyy", "M/d/yyyy ", " M/d/yyyy",
                                "Md$///yy", "yyyy/Md", "dMyyyy"}) {
        EXPECT_EQ(NumericDatePattern(pattern), "M/d/yyyy") << pattern;
        TDate read{};
        const TDate date = 2026y / November / 12;
        ASSERT_TRUE(TryParseShortDate(FormatShortDate(date, pattern), pattern, date, read));
        EXPECT_EQ(read, date) << pattern;
    }
    EXPECT_EQ(NumericDatePattern("yyyyMMdd"), "yyyyMMdd");
    EXPECT_EQ(NumericDatePattern("ddMMyy"), "ddMMyy");
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
