// corvane38-cli find and quote: output formats and exit codes.

#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace cvn {
namespace {

using TRun = test::TCliRun;

class FindQuoteCli : public ::testing::Test {
protected:
    void SetUp() override { Folder.CopySample("Data"); }
    TRun Run(std::vector<std::string> args, const std::map<std::string, TCliCommand>& extra = {}) {
        return test::Cli(std::move(args), Folder.Path(), extra);
    }
    std::string Path(const std::string& name) const { return Folder.Path() + name; }

    test::TTempFolder Folder;
};

struct TFindCliCase {
    const char* Name;
    std::vector<std::string> Args;
    int Exit;
    std::string Out;
};

class FindCli : public FindQuoteCli, public ::testing::WithParamInterface<TFindCliCase> {};

TEST_P(FindCli, PrintsOneTabSeparatedLinePerMatchAndExitsByTheAnswer) {
    std::vector<std::string> args{"find"};
    args.insert(args.end(), GetParam().Args.begin(), GetParam().Args.end());
    const TRun r = Run(args);
    EXPECT_EQ(r.Exit, GetParam().Exit) << r.Err;
    EXPECT_EQ(r.Out, GetParam().Out);
    if (GetParam().Exit == 2) {
        EXPECT_NE(r.Err.find("usage: corvane38-cli find"), std::string::npos);
    } else {
        EXPECT_EQ(r.Err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Args, FindCli,
    ::testing::Values(TFindCliCase{"NoFamilyDashes",
                                   {"9"},
                                   0,
                                   "090\tWR-90\tS\t8.2-12.4 GHz\t-\t-\n"
                                   "090\tWR-90\tA\t8.5-9.6 GHz\t-\t-\n"
                                   "112\tWR-112\tS\t7.05-10.0 GHz\t-\t-\n"},
                      TFindCliCase{"FamilyVswrAndStatus",
                                   {"9", "family=8"},
                                   0,
                                   "090\tWR-90\tA\t8.5-9.6 GHz\t1.02:1\toffered\n"
                                   "090\tWR-90\tS\t8.2-12.4 GHz\t1.05:1\toffered\n"
                                   "112\tWR-112\tS\t7.05-10.0 GHz\t1.05:1\toffered\n"},
                      TFindCliCase{"CommaAndRange",
                                   {"8,5-9,6", "family=8"},
                                   0,
                                   "090\tWR-90\tA\t8.5-9.6 GHz\t1.02:1\toffered\n"
                                   "090\tWR-90\tS\t8.2-12.4 GHz\t1.05:1\toffered\n"
                                   "112\tWR-112\tS\t7.05-10.0 GHz\t1.05:1\toffered\n"},
                      TFindCliCase{"SpecialQuote",
                                   {"30", "family=8"},
                                   0,
                                   "028\tWR-28\tS\t26.5-40.0 GHz\t-\tspecial quote\n"
                                   "028\tWR-28\tA\t27.5-31.0 GHz\t-\tspecial quote\n"},
                      TFindCliCase{"NoMatch", {"500"}, 1, ""},
                      TFindCliCase{"NoMatchWithFamily", {"0.5", "family=0"}, 1, ""},
                      TFindCliCase{"ZeroIsNoFrequency", {"0"}, 2, ""},
                      TFindCliCase{"TextIsNoFrequency", {"ten"}, 2, ""},
                      TFindCliCase{"NegativeIsNoFrequency", {"-9"}, 2, ""},
                      TFindCliCase{"FamilyOutOfRange", {"9", "family=11"}, 2, ""},
                      TFindCliCase{"FamilyNotANumber", {"9", "family=x"}, 2, ""},
                      TFindCliCase{"UnknownChoice", {"9", "waveguide=090"}, 2, ""},
                      TFindCliCase{"NoFrequency", {}, 2, ""}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST_F(FindQuoteCli, FindEndsWithExitOneWhenATableCannotBeRead) {
    std::remove(Path("Data/WGVSWR.tbl").c_str());
    const TRun r = Run({"find", "9", "family=8"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("error: Error loading"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("WGVSWR.tbl"), std::string::npos) << r.Err;
}

TEST_F(FindQuoteCli, CheckNamesTheRowOfAnUnreadableRange) {
    std::string table = Folder.Read("Data/Frequency.tbl");
    const std::string old = "090|A|8.5-9.6 GHz";
    table.replace(table.find(old), old.size(), "090|A|8.5 - 9.6");
    Folder.Write("Data/Frequency.tbl", table);
    const TRun r = Run({"check"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Out.find("Frequency.tbl:16: range '8.5 - 9.6' cannot be read as \"a-b GHz\"\n"),
              std::string::npos)
        << r.Out;
}

// The order's lines, with the description left out (it is order's business).
std::vector<std::string> QtyPricePart(const std::string& file) {
    TTxtTable order;
    order.Lines = SplitLines(file);
    std::vector<std::string> lines;
    for (int i = 0; i < order.RowCount(); ++i) {
        lines.push_back(order.GetField(i, 1) + "|" + order.GetField(i, 4));
    }
    return lines;
}

TEST_F(FindQuoteCli, QuoteReportsEveryLineThenTheTotalAndWritesTheOrderOnce) {
    Folder.Write("list.csv", "Qty,Part\r\n2,R187PA0125BSG\r\n\r\n1,WS-90-120\r\n1,ZZZ\r\n");
    const TRun r = Run({"quote", Path("list.csv"), Path("order.txt")});
    EXPECT_EQ(r.Exit, 1) << "one line was not recognised";
    std::istringstream lines(r.Out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) {
        out.push_back(line);
    }
    ASSERT_EQ(out.size(), 4u) << r.Out;
    EXPECT_EQ(out[0].rfind("2\tadded\t2\tR187PA0125BSG\t$", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind("4\tconverted\t1\tR090PA0120ASG\t$", 0), 0u) << out[1];
    EXPECT_EQ(out[2], "5\tnot recognised\t1\tZZZ\t\t");
    EXPECT_EQ(out[3].rfind("total\t2 lines\t$", 0), 0u) << out[3];
    EXPECT_EQ(out[3].substr(out[3].size() - 17), "\t0 lines to quote");
    EXPECT_EQ(QtyPricePart(Folder.Read("order.txt")),
              (std::vector<std::string>{"2|R187PA0125BSG", "1|R090PA0120ASG"}));
    EXPECT_EQ(Folder.Read("order.txt").find('\n'), Folder.Read("order.txt").find("\r\n") + 1);

    // Quoted again onto the same order: replaced, and every line good.
    Folder.Write("again.txt", "3 R187PA0125BSG\n");
    const TRun again = Run({"quote", Path("again.txt"), Path("order.txt")});
    EXPECT_EQ(again.Exit, 0) << again.Err;
    EXPECT_EQ(again.Out.rfind("1\treplaced\t3\tR187PA0125BSG\t$", 0), 0u) << again.Out;
    EXPECT_EQ(QtyPricePart(Folder.Read("order.txt")),
              (std::vector<std::string>{"3|R187PA0125BSG", "1|R090PA0120ASG"}));
}

TEST_F(FindQuoteCli, QuoteWritesTheOrderThatOrderCommandsOneByOneWrite) {
    // Metric and inch parts in turn: each line starts from the program's own units.
    const std::vector<std::pair<std::string, std::string>> parts = {
        {"2", "R187MA0318BSG"},   {"1", "F090PA0120AS"},  {"3", "C090AASG"},
        {"1", "E090MA100B100SG"}, {"4", "R187PA0125BSG"}, {"2", "R187MA0318BSG"}};
    std::string list;
    for (const auto& [qty, part] : parts) {
        list += qty + ";" + part + "\n";
        Run({"order", Path("one-by-one.txt"), qty, part});
    }
    Folder.Write("list.txt", list);
    const TRun r = Run({"quote", Path("list.txt"), Path("quoted.txt")});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(Folder.Read("quoted.txt"), Folder.Read("one-by-one.txt"));
    EXPECT_GE(QtyPricePart(Folder.Read("quoted.txt")).size(), 4u);
}

TEST_F(FindQuoteCli, QuoteLeavesTheOrderFileAloneWhenNoLineWasAdded) {
    Folder.Write("list.txt", "1 ZZZ\n0 R187PA0125BSG\n");
    const TRun r = Run({"quote", Path("list.txt"), Path("order.txt")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_FALSE(Folder.Exists("order.txt"));
    EXPECT_EQ(r.Out.substr(r.Out.find("total")), "total\t0 lines\t$0.00\t0 lines to quote\n");
}

TEST_F(FindQuoteCli, QuoteBadUsageAndUnreadableFilesExitTwoAndWriteNothing) {
    Folder.Write("list.txt", "1 R187PA0125BSG\n");
    Folder.Write("Data/sub/x", "");
    struct {
        const char* Name;
        std::vector<std::string> Args;
    } const cases[] = {
        {"TooFew", {"quote", Path("list.txt")}},
        {"TooMany", {"quote", Path("list.txt"), Path("order.txt"), Path("o.pdf"), "x"}},
        {"MissingList", {"quote", Path("none.txt"), Path("order.txt")}},
        {"ListIsAFolder", {"quote", Path("Data"), Path("order.txt")}},
        {"OrderIsAFolder", {"quote", Path("list.txt"), Path("Data/sub")}},
        // This command line has no printouts built in.
        {"PdfWithoutPrintouts", {"quote", Path("list.txt"), Path("order.txt"), Path("o.pdf")}},
    };
    for (const auto& c : cases) {
        const TRun r = Run(c.Args);
        EXPECT_EQ(r.Exit, 2) << c.Name;
        EXPECT_EQ(r.Out, "") << c.Name;
        EXPECT_FALSE(Folder.Exists("order.txt")) << c.Name;
        EXPECT_FALSE(Folder.Exists("o.pdf")) << c.Name;
    }
}

TEST_F(FindQuoteCli, QuoteEndsWithExitOneWhenAPriceTableCannotBeRead) {
    ASSERT_EQ(std::remove(Path("Data/StraightSectionPrice.tbl").c_str()), 0);
    Folder.Write("list.txt", "1 R187PA0125BSG\n");
    const TRun r = Run({"quote", Path("list.txt"), Path("order.txt")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out.rfind("1\tadded\t1\tR187PA0125BSG\tN/A\tContact Brenmoor Rep.\n", 0), 0u)
        << r.Out;
    EXPECT_NE(r.Err.find("StraightSectionPrice.tbl"), std::string::npos) << r.Err;
    // A quote priced without its table is not kept, as with order.
    EXPECT_FALSE(Folder.Exists("order.txt"));
}

TEST_F(FindQuoteCli, QuotePrintsTheFinalOrderThroughThePdfWriter) {
    Folder.Write("list.txt", "1 R187PA0125BSG\n");
    std::string printedTo;
    std::vector<std::string> printed;
    const std::map<std::string, TCliCommand> extra = {
        {"quote", [&](TCliContext& ctx) {
             return CmdQuoteWith(ctx, [&](const std::string& file, const TTxtTable& order) {
                 printedTo = file;
                 printed = order.Lines;
             });
         }}};
    const TRun r = Run({"quote", Path("list.txt"), Path("order.txt"), Path("o.pdf")}, extra);
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(printedTo, Path("o.pdf"));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0] + "\r\n", Folder.Read("order.txt"));
}

} // namespace
} // namespace cvn
