// Quoting a customer's list: reading the list, and what the program around it relies
// on. Each line's status and the order it makes: cli/cases/quote-every-status-onto-an-order.

#include "entry/ListQuote.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "orders/OrderTotal.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

struct TListCase {
    const char* Name;
    std::string Bytes;
    std::vector<std::string> Expected; // "LINE|QTY|PART"
};

void PrintTo(const TListCase& row, std::ostream* os) {
    *os << row.Name;
}

class QuoteListParse : public ::testing::TestWithParam<TListCase> {};

TEST_P(QuoteListParse, SplitsEachLineAtItsFirstSeparatorAndSkipsBlankAndHeaderLines) {
    std::vector<std::string> lines;
    for (const TListLine& line : ParseQuoteList(GetParam().Bytes)) {
        lines.push_back(std::to_string(line.Line) + "|" + line.Quantity + "|" + line.Part);
    }
    EXPECT_EQ(lines, GetParam().Expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lists, QuoteListParse, ::testing::Values(
    TListCase{"HeaderAndBlankLinesCountedButSkipped", "\r\nQty;Part\r\n\r\n2;R187PA0125BSG\r\n", {"4|2|R187PA0125BSG"}},
    TListCase{"ANumberFirstIsNoHeader", "1 A\n2 B\n", {"1|1|A", "2|2|B"}},
    TListCase{"OnlyTheFirstNonBlankLineCanBeAHeader", "1 A\nx B\n", {"1|1|A", "2|x|B"}},
    TListCase{"AnyLineEnds", "1,A\r2,B\n3,C\r\n4,D", {"1|1|A", "2|2|B", "3|3|C", "4|4|D"}},
    TListCase{"TheFirstOfTabCommaSemicolonWins", "1\tA,B\n2,A;B\n3;A\tB\n", {"1|1|A,B", "2|2|A;B", "3|3|A\tB"}},
    TListCase{"BlanksSplitOnlyWithoutOtherSeparators", "  2   R187 PA  \n 3 , X Y \n", {"1|2|R187 PA", "2|3|X Y"}},
    TListCase{"AQuantityAloneHasNoPart", "7\n", {"1|7|"}},
    TListCase{"Utf8WithByteOrderMarkBecomesWindows1252", "\xEF\xBB\xBFQty,Part\n1,\xC2\xB5X\n", {"2|1|\xB5X"}},
    TListCase{"Windows1252StaysAsItIs", "1,\xB5X\n", {"1|1|\xB5X"}},
    TListCase{"NothingButAHeader", "Quantity Part\n", {}}),
    test::RowName());
// clang-format on

class ListQuoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.CopySample("Data");
        Folder.UseAsAppPath();
    }
    std::vector<std::string> Quote(const std::string& list) {
        std::vector<std::string> report;
        for (const TQuoteResult& r : QuoteList(Order, ParseQuoteList(list), Prompts)) {
            report.push_back(QuoteReportLine(r));
        }
        return report;
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TTxtTable Order;
};

TEST_F(ListQuoteTest, TheUnitSystemIsLeftAsItWas) {
    IsImperial = false;
    Quote("1 R187PA0125BSG\n");
    EXPECT_FALSE(IsImperial);
    IsImperial = true;
    Quote("1 R187MA0318BSG\n");
    EXPECT_TRUE(IsImperial);
}

TEST_F(ListQuoteTest, TheReportEndsWithTheTotalAndTheMessagesOfTheLines) {
    Folder.Write("list.txt", "1 R187PA0125BSG\n1 R999PA0120ASG\n");
    std::string report;
    ASSERT_TRUE(QuoteListFile(Order, Folder.Path() + "list.txt", Prompts, report));
    const TOrderTotal total = OrderTotal(Order);
    EXPECT_NE(report.find("\r\n" + QuoteTotalLine(total) +
                          "\r\ninformation: Please fill all options to continue.\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(QuoteTotalLine(total),
              "total\t1 lines\t" + Order.GetField(0, 2) + "\t0 lines to quote");
    // The lines' messages went to the report, not to the user.
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(ListQuoteTest, AListThatCannotBeReadLeavesTheOrderAlone) {
    Order.Lines = {"1|$5.00|Stock|R090PA0120ASG|x"};
    std::string report = "before";
    EXPECT_FALSE(QuoteListFile(Order, Folder.Path() + "missing.txt", Prompts, report));
    EXPECT_EQ(Order.RowCount(), 1);
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    EXPECT_NE(Prompts.Texts("error")[0].find("missing.txt"), std::string::npos);
}

} // namespace
} // namespace cvn
