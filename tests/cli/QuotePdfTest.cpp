#include "catalogue/TxtTable.h"
#include "cli/Commands.h"
#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

// The program hands quote its PDF writer; the order it prints is the one it wrote.
TEST(QuoteCommand, PrintsTheFinalOrderThroughThePdfWriterItIsGiven) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    folder.Write("list.txt", "1 R187PA0125BSG\n");
    std::string printedTo;
    std::vector<std::string> printed;
    const std::map<std::string, TCliCommand> extra = {
        {"quote", [&](TCliContext& ctx) {
             return CmdQuoteWith(ctx, [&](const std::string& file, const TTxtTable& order) {
                 printedTo = file;
                 printed = order.Lines;
             });
         }}};
    const std::string dir = folder.Path();
    const test::TCliRun r =
        test::Cli({"quote", dir + "list.txt", dir + "order.txt", dir + "o.pdf"}, dir, extra);
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(printedTo, dir + "o.pdf");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0] + "\r\n", folder.Read("order.txt"));
}

} // namespace
} // namespace cvn
