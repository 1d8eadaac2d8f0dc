#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "orders/OrderExport.h"
#include "orders/PriceAndDelivery.h"
#include "orders/SiteList.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

namespace cvn {
namespace {

namespace fs = std::filesystem;

// What a failed write may leave behind besides the files named: nothing.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TTxtTable OrderOf(int lines) {
    TTxtTable order;
    for (int i = 1; i <= lines; ++i) {
        order.Lines.push_back(std::to_string(i % 99999 + 1) + "|$1,234.50|2-3 Weeks|R187PA" +
                              std::to_string(1000 + i % 9000) + "BSG|WR-187 Straight Section, " +
                              std::to_string(i) + " \xB0 & <x>");
    }
    return order;
}

// Each order file names itself when a folder stands where it goes (how the writer
// fails on a full disk or a read-only folder is AtomicReplaceFault's).
TEST(ExportFaultTest, EveryOrderFileThatCannotBeWrittenIsNamed) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    const std::string app = folder.Path();
    test::TScriptedPrompts prompts;
    const TTxtTable order = OrderOf(3);
    const std::vector<std::pair<std::string, std::function<void()>>> writers = {
        {"order.xls", [&] { SaveOrderAsSheet(order, app + "order.xls"); }},
        {"order.txt", [&] { SaveOrderAsText(order, app + "order.txt"); }},
        {"order.xml", [&] { SaveOrderAsXml(order, app + "order.xml"); }},
        {"corvane38.lom", [&] { WriteSiteList(order, prompts); }},
    };
    for (const auto& [name, write] : writers) {
        folder.Write(name + "/inner", "");
        try {
            write();
            ADD_FAILURE() << name << " was written over a folder";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + app + name);
        }
    }
    EXPECT_EQ(Entries(app), (std::vector<std::string>{"Data", "Images", "corvane38.lom",
                                                      "order.txt", "order.xls", "order.xml"}));
}

TEST(ExportFaultTest, FiftyThousandLinesAreExportedWholeAndReadBack) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    test::TScriptedPrompts prompts;
    const TTxtTable order = OrderOf(50000);
    SaveOrderAsSheet(order, folder.Path() + "big.xls");
    SaveOrderAsText(order, folder.Path() + "big.txt");
    SaveOrderAsXml(order, folder.Path() + "big.xml");
    WriteSiteList(order, prompts);

    // The sheet reads back as the order it came from.
    TTxtTable sheet;
    sheet.Separator = '\t';
    sheet.Lines = SplitLines(folder.Read("big.xls"));
    ASSERT_EQ(sheet.RowCount(), 50001);
    for (const int row : {0, 1, 24999, 49999}) {
        for (int column = 1; column <= 5; ++column) {
            ASSERT_EQ(sheet.GetField(row + 1, column), order.GetField(row, column))
                << row << " " << column;
        }
    }
    EXPECT_EQ(SplitLines(folder.Read("big.txt")).size(), 50001u);
    const TStrings xml = SplitLines(folder.Read("big.xml"));
    ASSERT_EQ(xml.size(), 3u + 7u * 50000u);
    EXPECT_EQ(xml[xml.size() - 3], "        <description>WR-187 Straight Section, 50000 \xB0 &amp; "
                                   "&lt;x&gt;</description>");
    const TStrings lom = SplitLines(folder.Read("corvane38.lom"));
    ASSERT_EQ(lom.size(), 14u + 50000u);
    EXPECT_EQ(lom.back(), "50000=50001|feet|R-000|R187PA6000BSG|WR-187 Straight Section, 50000 "
                          "\xB0 & <x>|1234.50");
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST(ExportFaultTest, TheLargestQuantityOfTheLargestPriceDoesNotOverflow) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    test::TScriptedPrompts prompts;
    // 9,223,464,271.4974 is the largest price of which 99,999 pieces still fit money's
    // 64 bits; one ten-thousandth more does not.
    folder.WriteTable("StraightSectionPrice.tbl",
                      {"Waveguide|Base|Foot|Gray|Delivery|Max",
                       "187|9223464271.4974|0|0|Stock|99999", "090|9223464271.4975|0|0|Stock|5",
                       "137|922337203685477.5807|0|0|Stock|5"});
    const TPriceTexts largest = PriceAndDeliveryTexts("R187PA0120BSN", 99999, prompts);
    EXPECT_EQ(largest.Price, "$922,337,203,685,468.50");
    EXPECT_EQ(largest.Delivery, "Stock");
    for (const char* part : {"R090PA0120BSN", "R137PA0120BSN"}) {
        try {
            PriceAndDeliveryTexts(part, 99999, prompts);
            ADD_FAILURE() << part << " gave a wrapped-around price";
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("is not a valid floating point value"),
                      std::string::npos)
                << e.what();
        }
    }
    // With a per-foot price the started feet multiply too: the sum is taken wide.
    folder.WriteTable("StraightSectionPrice.tbl",
                      {"Waveguide|Base|Foot|Gray|Delivery|Max", "187|1|922337203685477|1|Stock|5"});
    EXPECT_THROW(PriceAndDeliveryTexts("R187PA9990BSG", 1, prompts), EConvertError);
    EXPECT_TRUE(prompts.Messages.empty());
}

} // namespace
} // namespace cvn
