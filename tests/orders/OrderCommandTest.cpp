#include "catalogue/Encoding.h"
#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace cvn {
namespace {

// corvane38-cli order on the sample catalogue, with the order kept in order.txt. Which
// line an order replaces is the order list's rule (OrderLinesTest); here: what is
// written, what is printed and the exit codes.
class OrderCommandTest : public ::testing::Test {
protected:
    void SetUp() override { Folder.CopySample("Data"); }

    test::TCliRun Order(std::vector<std::string> args) const {
        args.insert(args.begin(), "order");
        return test::Cli(args, Folder.Path());
    }
    std::string File() const { return Folder.Path() + "order.txt"; }
    // The line as the command prints it: tabs for the file's bars.
    static std::string Printed(std::string line) {
        std::replace(line.begin(), line.end(), '|', '\t');
        return Win1252ToUtf8(line) + "\n";
    }

    test::TTempFolder Folder;
};

TEST_F(OrderCommandTest, WritesTheLineWithCrLfAndPrintsItWithTabs) {
    const test::TCliRun first = Order({File(), "2", "r187pa0125bsg"});
    ASSERT_EQ(first.Exit, 0) << first.Err;
    const std::string file = Folder.Read("order.txt");
    ASSERT_EQ(file.substr(file.size() - 2), "\r\n");
    const std::string line = file.substr(0, file.size() - 2);
    EXPECT_EQ(line.rfind("2|$", 0), 0u) << line;
    EXPECT_NE(line.find("|R187PA0125BSG|Straight Section, WR-187,"), std::string::npos);
    EXPECT_EQ(first.Out, Printed(line));
    EXPECT_EQ(first.Err, "");
}

// --answer decides the confirmation (its text is the wizard's): swap orders, cancel
// fails and leaves the file alone.
TEST_F(OrderCommandTest, ConfirmationIsAnsweredAsTold) {
    const std::string part = "M187PA080C090SG";
    const test::TCliRun swap = Order({"--answer", "swap", File(), "1", part});
    ASSERT_EQ(swap.Exit, 0) << swap.Err;
    EXPECT_EQ(swap.Err.rfind("confirm: ", 0), 0u);
    const std::string before = Folder.Read("order.txt");
    EXPECT_NE(before.find("|M187PC080A090SG|"), std::string::npos);

    const test::TCliRun cancel = Order({"--answer", "cancel", File(), "1", part});
    EXPECT_EQ(cancel.Exit, 1);
    EXPECT_EQ(cancel.Out, "");
    EXPECT_EQ(Folder.Read("order.txt"), before);
}

// The writer's faults are AtomicReplaceFault's; here: what the command says of them.
TEST_F(OrderCommandTest, AnOrderThatCannotBeWrittenFailsAndPrintsNothing) {
    const std::string file = Folder.Path() + "gone/order.txt";
    const test::TCliRun r = Order({file, "7", "R187PA0250BSG"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, "error: Cannot create file " + file + "\n");
}

struct TRefusal {
    std::vector<std::string> Args; // after the order file
    int Exit;
    bool FolderAsOrder = false; // the Data folder given as the order file
};

void PrintTo(const TRefusal& refusal, std::ostream* os) {
    for (const std::string& arg : refusal.Args) {
        *os << arg << ' ';
    }
}

class OrderRefusal : public OrderCommandTest, public ::testing::WithParamInterface<TRefusal> {};

TEST_P(OrderRefusal, LeavesTheFileAlone) {
    Folder.Write("order.txt", "3|$1.00|Stock|X1|kept\r\n");
    std::vector<std::string> args = GetParam().Args;
    args.insert(args.begin(), GetParam().FolderAsOrder ? Folder.Path() + "Data" : File());
    const test::TCliRun r = Order(args);
    EXPECT_EQ(r.Exit, GetParam().Exit);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(Folder.Read("order.txt"), "3|$1.00|Stock|X1|kept\r\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OrderCommand, OrderRefusal, ::testing::Values(
    TRefusal{{"1", "ZZZ"}, 1}, // not recognised: Next refuses
    TRefusal{{"1", "R062MBBSG", "units=M", "length=abc"}, 1}, // no earlier length to go back to
    TRefusal{{"0", "R187PA0125BSG"}, 2},
    TRefusal{{"100000", "R187PA0125BSG"}, 2},
    TRefusal{{"two", "R187PA0125BSG"}, 2},
    TRefusal{{"1", "R187PA0125BSG", "finish=Q"}, 2},
    TRefusal{{"1"}, 2},
    TRefusal{{"1", "R187PA0125BSG"}, 2, true})); // a folder cannot be read as an order
// clang-format on

} // namespace
} // namespace cvn
