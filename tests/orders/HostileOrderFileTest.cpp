// Order files handed over from elsewhere: short lines, and texts that a spreadsheet
// would run.

#include "catalogue/TxtTable.h"
#include "orders/OrderExport.h"
#include "orders/OrderLines.h"
#include "tests/support/Tables.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

struct TOrderFileCase {
    const char* Name;
    std::string Bytes;
    std::string Error; // after the file name; empty when it reads
    std::vector<std::string> Lines;
};

class OrderFileLines : public ::testing::TestWithParam<TOrderFileCase> {};

TEST_P(OrderFileLines, ShortLinesAreAnErrorNamingFileAndLine) {
    test::TTempFolder folder;
    folder.Write("s.ord", GetParam().Bytes);
    const std::string path = folder.Path() + "s.ord";
    TTxtTable order;
    order.Lines = {"kept|when|the|file|fails"};
    std::string error;
    const bool read = ReadOrderFile(path, order, error);
    if (GetParam().Error.empty()) {
        EXPECT_TRUE(read) << error;
        EXPECT_EQ(order.Lines, GetParam().Lines);
    } else {
        EXPECT_FALSE(read);
        EXPECT_EQ(error, path + GetParam().Error);
        EXPECT_EQ(order.Lines, std::vector<std::string>{"kept|when|the|file|fails"});
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, OrderFileLines, ::testing::Values(
    TOrderFileCase{"PartNumberWithoutDescription", "1|$1|R187PA0125BSG\r\n",
        " line 1: 3 fields where an order line has 5 (quantity|price|delivery|part number|description)", {}},
    TOrderFileCase{"SecondLineShort", "1|$1|Stock|R187PA0125BSG|x\r\n2|$2|Stock|R187PA0250BSG\n",
        " line 2: 4 fields where an order line has 5 (quantity|price|delivery|part number|description)", {}},
    TOrderFileCase{"BlankLinesAreSkipped", "\r\n1|$1|Stock|R187PA0125BSG|x\r\n  \r\n2|$2|||\r\n\r\n", "",
        {"1|$1|Stock|R187PA0125BSG|x", "2|$2|||"}}),
    [](const auto& row) { return std::string(row.param.Name); });
// clang-format on

// Cells that start with a formula character (after blanks) get a leading "'";
// every other byte stays as the order holds it.
TEST(SheetExport, FormulaLikeCellsAreWrittenAsText) {
    test::TTempFolder folder;
    const TTxtTable order =
        test::TableOf({"1|$10.00|=HYPERLINK(\"http://x\",\"Stock\")|R187PA0125BSG|WR-187",
                       "2|+1|-2|@SUM(A1)| =1+1", "3|$1.00|1-2 Weeks|R187PA0250BSG|a=b -c"});
    SaveOrderAsSheet(order, folder.Path() + "o.xls");
    EXPECT_EQ(folder.Read("o.xls"),
              "QUANTITY\tPRICE\tDELIVERY TIME\tPART NUMBER\tDESCRIPTION\r\n"
              "1\t$10.00\t'=HYPERLINK(\"http://x\",\"Stock\")\tR187PA0125BSG\tWR-187\r\n"
              "2\t'+1\t'-2\t'@SUM(A1)\t' =1+1\r\n"
              "3\t$1.00\t1-2 Weeks\tR187PA0250BSG\ta=b -c\r\n");
}

} // namespace
} // namespace cvn
