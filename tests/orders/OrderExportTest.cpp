#include "orders/OrderExport.h"
#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "orders/SiteList.h"
#include "tests/orders/OrderCases.h"
#include "tests/support/ScriptedPrompts.h"

#include <cstdio>
#include <cstdlib>

namespace cvn {
namespace {

using test::CaseFile;
using test::CaseOrder;

TEST(OrderExportTest, EveryFormatIsWrittenWholeAsExpected) {
    const test::TTempFolder folder;
    using TWriter = void (*)(const TTxtTable&, const std::string&);
    const std::pair<const char*, TWriter> writers[] = {
        {".xls", SaveOrderAsSheet}, {".txt", SaveOrderAsText}, {".xml", SaveOrderAsXml}};
    for (const auto& [input, expected] : {std::pair{"", "empty"}, {"order-lines.in", "order"}}) {
        for (const auto& [extension, write] : writers) {
            const std::string name = std::string(expected) + extension;
            folder.Write(name, std::string(4000, 'x')); // an earlier, longer file
            write(CaseOrder(input), folder.Path() + name);
            EXPECT_EQ(folder.Read(name), CaseFile(name)) << name;
        }
    }
    const std::string path = folder.Path() + "no such folder/order.txt";
    try {
        SaveOrderAsText(CaseOrder(), path);
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.what(), "Cannot create file " + path);
    }
}

TEST(OrderExportTest, XmlIsAcceptedByAParserWithValuesIntact) {
    if (std::system("xmllint --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xmllint is not installed";
    }
    const test::TTempFolder folder;
    const TTxtTable order = CaseOrder();
    const std::string path = folder.Path() + "order.xml";
    SaveOrderAsXml(order, path);
    EXPECT_EQ(std::system(("xmllint --noout " + path).c_str()), 0);
    for (int row = 0; row < order.RowCount(); ++row) {
        const std::string command = "xmllint --xpath 'string(/order/item[" +
                                    std::to_string(row + 1) + "]/description)' " + path;
        FILE* pipe = ::popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string parsed(4096, '\0');
        parsed.resize(std::fread(parsed.data(), 1, parsed.size(), pipe));
        EXPECT_EQ(::pclose(pipe), 0);
        EXPECT_EQ(Trim(parsed), Win1252ToUtf8(order.GetField(row, 5)));
    }
}

TEST(OrderExportTest, XmlStaysWellFormedWithControlAndUndefinedBytes) {
    if (std::system("xmllint --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xmllint is not installed";
    }
    // Each value as a table may hold it, and what a parser must read back: bytes XML
    // cannot hold become U+FFFD, every other byte keeps its character.
    const std::pair<const char*, const char*> cases[] = {
        {"bell\x07here", "bell\uFFFDhere"},
        {"a\x01\x08\x0B\x0C\x1F"
         "b",
         "a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"
         "b"},
        {"\x81\x8D\x8F\x90\x9D", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"tab\tkept \x80 \x9F \xB0 \x7F \xFF", "tab\tkept \u20AC \u0178 \u00B0 \x7F \u00FF"},
    };
    const test::TTempFolder folder;
    TTxtTable order;
    for (const auto& [raw, parsed] : cases) {
        order.Lines.push_back(std::string("1|$1.00|") + raw + "|R187PA0125BSG|" + raw);
    }
    const std::string path = folder.Path() + "order.xml";
    SaveOrderAsXml(order, path);
    ASSERT_EQ(std::system(("xmllint --noout " + path).c_str()), 0) << folder.Read("order.xml");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        for (const char* element : {"delivery_time", "description"}) {
            const std::string command = "xmllint --xpath 'string(/order/item[" +
                                        std::to_string(i + 1) + "]/" + element + ")' " + path;
            FILE* pipe = ::popen(command.c_str(), "r");
            ASSERT_NE(pipe, nullptr);
            std::string text(4096, '\0');
            text.resize(std::fread(text.data(), 1, text.size(), pipe));
            EXPECT_EQ(::pclose(pipe), 0);
            EXPECT_EQ(Trim(text), cases[i].second) << element << " " << i;
        }
    }
}

TEST(OrderExportTest, SaveAsAddsTheFormatsExtensionUnlessTyped) {
    const struct {
        const char* Typed;
        int Format;
        const char* Written;
    } cases[] = {{"report", OrderFormatEntry("text"), "report.txt"},
                 {"report.TXT", OrderFormatEntry("text"), "report.TXT"},
                 {"order.txt", OrderFormatEntry("sheet"), "order.txt.xls"},
                 {"Order.XLS", OrderFormatEntry("sheet"), "Order.XLS"},
                 {"order.xml.bak", OrderFormatEntry("xml"), "order.xml.bak.xml"},
                 {"v1.2/order", OrderFormatEntry("sheet"), "v1.2/order.xls"}};
    for (const auto& c : cases) {
        EXPECT_EQ(SaveOrderFileName(c.Typed, c.Format), c.Written) << c.Typed;
    }
    const test::TTempFolder folder;
    EXPECT_EQ(SaveOrderAs(CaseOrder(), folder.Path() + "a", OrderFormatEntry("xml")),
              folder.Path() + "a.xml");
    EXPECT_EQ(folder.Read("a.xml"), CaseFile("order.xml"));
}

class SiteListTest : public ::testing::Test {
protected:
    void SetUp() override { test::UseForCaseOrder(Folder); }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
};

TEST_F(SiteListTest, StripPriceLeavesAPlainNumber) {
    EXPECT_EQ(StripPrice("$1,234,567.50"), "1234567.50");
    EXPECT_EQ(StripPrice("N/A"), "0");
    EXPECT_EQ(StripPrice("$N/A"), "0");
    EXPECT_EQ(StripPrice("$$5"), "$5");
}

TEST_F(SiteListTest, OrderLineFieldsAreTrimmedAndTheUnitFollowsThePartNumber) {
    const TQVMasterData data =
        OrderLineToMasterData(" 4 | $10.00 |x| R137MA0305BSN | A b ", Prompts);
    EXPECT_EQ(data.Quantity + "|" + data.Price + "|" + data.PartNumber + "|" + data.Model + "|" +
                  data.Description + "|" + data.LengthUnit,
              "4|$10.00|R137MA0305BSN|R137MA0305BSN|A b|meter");
    // Only families with lengths read the unit letter; "M" elsewhere means nothing.
    for (const char* part : {"R137PA0305BSN", "C090MNSG", "D090MASG", "PW0MM", "WST090S"}) {
        EXPECT_EQ(OrderLineToMasterData(std::string("1|N/A||") + part + "|x", Prompts).LengthUnit,
                  "feet")
            << part;
    }
    EXPECT_EQ(OrderLineToMasterData("1|N/A||E042MA102A102SG|x", Prompts).LengthUnit, "meter");
}

TEST_F(SiteListTest, IsWrittenBesideTheProgramAsExpected) {
    for (const auto& [input, expected] :
         {std::pair{"", "empty.lom"}, {"order-lines.in", "order.lom"}}) {
        WriteSiteList(test::CaseOrder(input), Prompts);
        EXPECT_EQ(Folder.Read("corvane38.lom"), test::CaseFile(expected)) << expected;
    }
    EXPECT_TRUE(Prompts.Messages.empty());
    SetAppPath(Folder.Path() + "gone");
    EXPECT_THROW(WriteSiteList(TTxtTable(), Prompts), EFCreateError);
}

} // namespace
} // namespace cvn
