#include "orders/OrderTotal.h"
#include "catalogue/Errors.h"
#include "catalogue/TxtTable.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

struct TTotalCase {
    const char* Name;
    std::vector<std::string> Lines;
    std::string Total;
    std::string ToQuote;
    int Lines_ = 0;
};

class OrderTotalTest : public ::testing::TestWithParam<TTotalCase> {};

TEST_P(OrderTotalTest, SumsThePricedLinesAndCountsThoseLeftToQuote) {
    TTxtTable order;
    order.Lines = GetParam().Lines;
    const TOrderTotal total = OrderTotal(order);
    EXPECT_EQ(TotalText(total), GetParam().Total);
    EXPECT_EQ(ToQuoteText(total), GetParam().ToQuote);
    EXPECT_EQ(total.Lines, static_cast<int>(GetParam().Lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Orders, OrderTotalTest,
    ::testing::Values(
        TTotalCase{"Empty", {}, "Total: $0.00", "0 lines to quote"},
        TTotalCase{"ThousandsAndCents",
                   {"2|$1,234.50|Stock|A|a", "1|$0.75|Stock|B|b", "3|$10,000.00|4 weeks|C|c"},
                   "Total: $11,235.25",
                   "0 lines to quote"},
        TTotalCase{"NotAvailableIsLeftOutAndCounted",
                   {"1|N/A|Contact Brenmoor Rep.|A|a", "1|$5.00|Stock|B|b"},
                   "Total: $5.00",
                   "1 lines to quote"},
        // A price with a delivery left to the representative is summed and still counted.
        TTotalCase{"PricedButContactRep",
                   {"1|$5.00|Contact Brenmoor Rep.|A|a", "1|$5.00|Stock|B|b"},
                   "Total: $10.00",
                   "1 lines to quote"},
        TTotalCase{"FourDecimalsKept",
                   {"1|$0.0050|Stock|A|a", "1|$0.0050|Stock|B|b"},
                   "Total: $0.01",
                   "0 lines to quote"}),
    test::RowName());

TEST(OrderTotalOverflow, ASumBeyondWhatMoneyHoldsIsRefused) {
    // Each price fits; their sum does not.
    const std::string huge = "$900,000,000,000,000.00";
    TTxtTable order;
    order.Lines = {"1|" + huge + "|Stock|A|a", "1|" + huge + "|Stock|B|b"};
    EXPECT_THROW(OrderTotal(order), EConvertError);
}

} // namespace
} // namespace cvn
