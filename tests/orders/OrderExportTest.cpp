#include "orders/OrderExport.h"
#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "tests/orders/OrderCases.h"

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

TEST(OrderExportTest, SaveAsAddsTheFormatsExtensionUnlessTyped) {
    const struct {
        const char* Typed;
        int Format;
        const char* Written;
    } cases[] = {{"report", SaveFormat::Text, "report.txt"},
                 {"report.TXT", SaveFormat::Text, "report.TXT"},
                 {"order.txt", SaveFormat::Sheet, "order.txt.xls"},
                 {"Order.XLS", SaveFormat::Sheet, "Order.XLS"},
                 {"order.xml.bak", SaveFormat::Xml, "order.xml.bak.xml"},
                 {"v1.2/order", SaveFormat::Sheet, "v1.2/order.xls"}};
    for (const auto& c : cases) {
        EXPECT_EQ(SaveOrderFileName(c.Typed, c.Format), c.Written) << c.Typed;
    }
    const test::TTempFolder folder;
    EXPECT_EQ(SaveOrderAs(CaseOrder(), folder.Path() + "a", SaveFormat::Xml),
              folder.Path() + "a.xml");
    EXPECT_EQ(folder.Read("a.xml"), CaseFile("order.xml"));
}

} // namespace
} // namespace cvn
