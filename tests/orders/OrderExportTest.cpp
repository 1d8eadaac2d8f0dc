#include "orders/OrderExport.h"
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "orders/SiteList.h"
#include "tests/support/OrderCases.h"
#include "tests/support/ScriptedPrompts.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace cvn {
namespace {

using test::CaseFile;
using test::CaseOrder;

class OrderExportTest : public ::testing::Test {
protected:
    void SetUp() override { test::UseForCaseOrder(Folder); }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
};

// Each format, over an earlier longer file, gives the bytes of its case file; the site
// list goes beside the program. Where a folder stands in the file's place the error
// names the file (how the writer fails on a full disk is AtomicReplaceFault's).
TEST_F(OrderExportTest, EveryFormatIsWrittenWholeAsExpectedOrNamedWhenItCannotBe) {
    using TWriter = std::function<void(const TTxtTable&, const std::string&)>;
    const std::pair<const char*, TWriter> writers[] = {
        {".xls", SaveOrderAsSheet},
        {".txt", SaveOrderAsText},
        {".xml", SaveOrderAsXml},
        {".lom",
         [&](const TTxtTable& order, const std::string&) { WriteSiteList(order, Prompts); }},
    };
    for (const auto& [input, expected] : {std::pair{"", "empty"}, {"order-lines.in", "order"}}) {
        for (const auto& [extension, write] : writers) {
            const std::string name = std::string(expected) + extension;
            const std::string target =
                std::string(extension) == ".lom" ? std::string("corvane38.lom") : name;
            Folder.Write(target, std::string(4000, 'x'));
            write(CaseOrder(input), Folder.Path() + target);
            EXPECT_EQ(Folder.Read(target), CaseFile(name)) << name;
            if (*input) {
                std::filesystem::remove(Folder.Path() + target);
                Folder.Write(target + "/inner", "");
                EXPECT_THROW(
                    try {
                        write(CaseOrder(input), Folder.Path() + target);
                    } catch (const EFCreateError& e) {
                        EXPECT_EQ(std::string(e.what()),
                                  "Cannot create file " + Folder.Path() + target);
                        throw;
                    },
                    EFCreateError);
            }
        }
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(OrderExportTest, XmlStaysWellFormedWithControlAndUndefinedBytes) {
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
        {"tab\tkept \x80 \x9F \xB0 \x7F \xFF &<>",
         "tab\tkept \u20AC \u0178 \u00B0 \x7F \u00FF &<>"},
    };
    TTxtTable order;
    for (const auto& [raw, parsed] : cases) {
        order.Lines.push_back(std::string("1|$1.00|") + raw + "|R187PA0125BSG|" + raw);
    }
    const std::string path = Folder.Path() + "order.xml";
    SaveOrderAsXml(order, path);
    ASSERT_EQ(std::system(("xmllint --noout " + path).c_str()), 0) << Folder.Read("order.xml");
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

TEST_F(OrderExportTest, SaveAsAddsTheFormatsExtensionUnlessTyped) {
    // clang-format off
    const struct { const char* Typed; const char* Format; const char* Written; } cases[] = {
        {"report", "text", "report.txt"},     {"report.TXT", "text", "report.TXT"},
        {"order.txt", "sheet", "order.txt.xls"}, {"Order.XLS", "sheet", "Order.XLS"},
        {"order.xml.bak", "xml", "order.xml.bak.xml"}, {"v1.2/order", "sheet", "v1.2/order.xls"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(SaveOrderFileName(c.Typed, OrderFormatEntry(c.Format)), c.Written) << c.Typed;
    }
    EXPECT_EQ(SaveOrderAs(CaseOrder(), Folder.Path() + "a", OrderFormatEntry("xml")),
              Folder.Path() + "a.xml");
    EXPECT_EQ(Folder.Read("a.xml"), CaseFile("order.xml"));
}

TEST_F(OrderExportTest, SiteListFieldsAreTrimmedAndTheUnitFollowsThePartNumber) {
    EXPECT_EQ(StripPrice("$1,234,567.50"), "1234567.50");
    EXPECT_EQ(StripPrice("N/A"), "0");
    EXPECT_EQ(StripPrice("$N/A"), "0");
    EXPECT_EQ(StripPrice("$$5"), "$5");
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

TEST_F(OrderExportTest, FiftyThousandLinesAreExportedWhole) {
    TTxtTable order;
    for (int i = 1; i <= 50000; ++i) {
        order.Lines.push_back("1|$1,234.50|Stock|R187PA" + std::to_string(1000 + i % 9000) +
                              "BSG|Line " + std::to_string(i) + " \xB0 & <x>");
    }
    SaveOrderAsSheet(order, Folder.Path() + "big.xls");
    SaveOrderAsXml(order, Folder.Path() + "big.xml");
    WriteSiteList(order, Prompts);
    const TStrings sheet = SplitLines(Folder.Read("big.xls"));
    ASSERT_EQ(sheet.size(), 50001u);
    EXPECT_EQ(sheet.back(), "1\t$1,234.50\tStock\tR187PA6000BSG\tLine 50000 \xB0 & <x>");
    const TStrings xml = SplitLines(Folder.Read("big.xml"));
    ASSERT_EQ(xml.size(), 3u + 7u * 50000u);
    EXPECT_EQ(xml[xml.size() - 3],
              "        <description>Line 50000 \xB0 &amp; &lt;x&gt;</description>");
    const TStrings lom = SplitLines(Folder.Read("corvane38.lom"));
    ASSERT_EQ(lom.size(), 14u + 50000u);
    EXPECT_EQ(lom.back(), "50000=1|feet|R-000|R187PA6000BSG|Line 50000 \xB0 & <x>|1234.50");
    EXPECT_TRUE(Prompts.Messages.empty());
}

} // namespace
} // namespace cvn
