#include "tests/orders/OrderCases.h"
#include "tests/support/Cli.h"

namespace cvn {
namespace {

class OrderCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseForCaseOrder(Folder);
        Folder.WriteTable("StraightSectionPrice.tbl",
                          {"Waveguide|Base|Foot|Gray|Delivery|Max",
                           "187|100.00|25.50|10.00|2-3 Weeks|5", "090|oops|1|1|Stock|5"});
    }
    int Run(const std::vector<std::string>& args) {
        const test::TCliRun r = test::Cli(args, Folder.Path());
        Out = r.Out;
        Err = r.Err;
        return r.Exit;
    }

    test::TTempFolder Folder;
    std::string Out, Err;
};

TEST_F(OrderCliTest, PricePrintsTheDialogsTwoTexts) {
    EXPECT_EQ(Run({"price", "R187PA0250BSG", "2"}), 0);
    EXPECT_EQ(Out + Err, "$373.00\t2-3 Weeks\n");
    EXPECT_EQ(Run({"price", "R090PA0250BSG", "1"}), 1);
    EXPECT_EQ(
        Out + Err,
        "error: 'oops' is not a valid floating point value in StraightSectionPrice.tbl row 3\n");
    for (const char* quantity : {"two", "0", "100000"}) {
        EXPECT_EQ(Run({"price", "R187PA0250BSG", quantity}), 2) << quantity;
        EXPECT_EQ(Out, "");
    }
}

TEST_F(OrderCliTest, ExportWritesEachFormatUnderTheNameGiven) {
    std::string lf = test::CaseFile("order-lines.in"); // any line ends will do
    std::erase(lf, '\r');
    Folder.Write("order.lf", lf);
    const std::string order = Folder.Path() + "order.lf";
    for (const auto& [format, expected] : {std::pair{"sheet", "order.xls"},
                                           {"text", "order.txt"},
                                           {"xml", "order.xml"},
                                           {"sitelist", "order.lom"}}) {
        EXPECT_EQ(Run({"export", format, order, Folder.Path() + "out"}), 0);
        EXPECT_EQ(Folder.Read("out"), test::CaseFile(expected)) << format;
        EXPECT_EQ(Out + Err, "");
    }
    EXPECT_FALSE(Folder.Exists("corvane38.lom"));

    EXPECT_EQ(Run({"export", "pdf", order, Folder.Path() + "new"}), 2);
    EXPECT_EQ(Run({"export", "xml", Folder.Path() + "missing", Folder.Path() + "new"}), 1);
    EXPECT_EQ(Err.rfind("error: Error loading", 0), 0u);
    EXPECT_FALSE(Folder.Exists("new"));
    EXPECT_EQ(Run({"export", "text", order, Folder.Path() + "gone/out"}), 1);
    EXPECT_EQ(Err, "error: Cannot create file " + Folder.Path() + "gone/out\n");
}

} // namespace
} // namespace cvn
