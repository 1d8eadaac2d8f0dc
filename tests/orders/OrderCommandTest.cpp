#include "catalogue/Encoding.h"
#include "cli/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace cvn {
namespace {

// corvane38-cli order on the sample catalogue, with the order kept in order.txt.
class OrderCommandTest : public ::testing::Test {
protected:
    void SetUp() override { Folder.CopySample("Data"); }

    int Run(std::vector<std::string> args) {
        Out.str("");
        Err.str("");
        args.insert(args.begin(), {"--app-dir", Folder.Path(), "order"});
        return RunCli(args, Out, Err);
    }
    int Order(const std::string& quantity, const std::string& part,
              std::vector<std::string> more = {}) {
        std::vector<std::string> args{File(), quantity, part};
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }
    std::string File() const { return Folder.Path() + "order.txt"; }
    std::string Price(const std::string& part, const std::string& quantity) {
        std::ostringstream out;
        std::ostringstream err;
        RunCli({"--app-dir", Folder.Path(), "price", part, quantity}, out, err);
        return out.str();
    }
    // The line as the command prints it: tabs for the file's bars.
    static std::string Printed(std::string line) {
        std::replace(line.begin(), line.end(), '|', '\t');
        return Win1252ToUtf8(line) + "\n";
    }

    test::TTempFolder Folder;
    std::ostringstream Out, Err;
};

TEST_F(OrderCommandTest, AddsANewLineThenReplacesTheQuantityOfAListedPart) {
    ASSERT_EQ(Order("2", "r187pa0125bsg"), 0) << Err.str();
    const std::string priceOf2 = Price("R187PA0125BSG", "2");
    const std::string first = Folder.Read("order.txt");
    ASSERT_EQ(first.substr(first.size() - 2), "\r\n");
    const std::string line1 = first.substr(0, first.size() - 2);
    EXPECT_EQ(line1.rfind("2|" + priceOf2.substr(0, priceOf2.find('\t')) + "|", 0), 0u) << line1;
    EXPECT_NE(line1.find("|R187PA0125BSG|Straight Section, WR-187,"), std::string::npos);
    EXPECT_EQ(Out.str(), Printed(line1));
    EXPECT_EQ(Err.str(), "");

    // A second part is appended; the first again gets the new quantity (never the
    // sum) with its own description kept, even where the file's differs.
    ASSERT_EQ(Order("1", "ST090A"), 0) << Err.str();
    std::string edited = Folder.Read("order.txt");
    const std::string description = line1.substr(line1.rfind('|') + 1);
    edited.replace(edited.find(description), description.size(), "as quoted");
    Folder.Write("order.txt", edited);
    ASSERT_EQ(Order("7", "R187PA0125BSG"), 0) << Err.str();
    const std::string priceOf7 = Price("R187PA0125BSG", "7");
    const std::string expected = "7|" + priceOf7.substr(0, priceOf7.find('\t')) + "|" +
                                 priceOf7.substr(priceOf7.find('\t') + 1, std::string::npos);
    const std::string after = Folder.Read("order.txt");
    const std::string newLine1 = after.substr(0, after.find("\r\n"));
    EXPECT_EQ(newLine1, expected.substr(0, expected.size() - 1) + "|R187PA0125BSG|as quoted");
    EXPECT_EQ(after.substr(after.find("\r\n") + 2), edited.substr(edited.find("\r\n") + 2));
    EXPECT_EQ(Out.str(), Printed(newLine1));
}

TEST_F(OrderCommandTest, ConfirmationIsAnsweredAsTold) {
    // A miter whose legs and flanges differ asks before composing.
    const std::string part = "M187PA080C090SG";
    ASSERT_EQ(Run({"--answer", "swap", File(), "1", part}), 0) << Err.str();
    EXPECT_NE(Err.str().find("confirm: The flange and corresponding length"), std::string::npos);
    EXPECT_NE(Folder.Read("order.txt").find("|M187PC080A090SG|"), std::string::npos);
    const std::string before = Folder.Read("order.txt");

    EXPECT_EQ(Run({"--answer", "cancel", File(), "1", part}), 1);
    EXPECT_EQ(Out.str(), "");
    EXPECT_EQ(Folder.Read("order.txt"), before);

    ASSERT_EQ(Run({File(), "1", part}), 0);
    EXPECT_NE(Folder.Read("order.txt").find("\r\n1|$"), std::string::npos);
}

TEST_F(OrderCommandTest, NothingComposedOrBadUsageLeavesTheFileAlone) {
    Folder.Write("order.txt", "3|$1.00|Stock|X1|kept\r\n");
    const std::string before = Folder.Read("order.txt");
    const struct {
        std::vector<std::string> Args;
        int Exit;
    } cases[] = {
        // Not recognised: Next refuses.
        {{File(), "1", "ZZZ"}, 1},
        // A typed length refused with no earlier length to go back to.
        {{File(), "1", "R062MBBSG", "units=M", "length=abc"}, 1},
        {{File(), "0", "R187PA0125BSG"}, 2},
        {{File(), "100000", "R187PA0125BSG"}, 2},
        {{File(), "two", "R187PA0125BSG"}, 2},
        {{File(), "1", "R187PA0125BSG", "finish=Q"}, 2},
        {{File(), "1"}, 2},
        // A folder cannot be read as an order.
        {{Folder.Path() + "Data", "1", "R187PA0125BSG"}, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Args), c.Exit) << c.Args.back();
        EXPECT_EQ(Out.str(), "") << c.Args.back();
        EXPECT_EQ(Folder.Read("order.txt"), before);
    }
}

TEST_F(OrderCommandTest, LargestQuantityAtTheHighestPriceIsPricedInFull) {
    Folder.WriteTable("StraightSectionPrice.tbl",
                      {"Waveguide|Base Price|Price Per Foot|Gray Surcharge|Delivery|Max Qty",
                       "187|999999.99|0|0|Stock|5"});
    ASSERT_EQ(Order("99999", "R187PA0125BSG"), 0) << Err.str();
    EXPECT_EQ(Out.str().rfind("99999\t$99,998,999,000.01\tContact Brenmoor Rep.\tR187PA0125BSG", 0),
              0u)
        << Out.str();
}

} // namespace
} // namespace cvn
