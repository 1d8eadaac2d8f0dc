#include "printing/Printouts.h"
#include "catalogue/Fixed.h"
#include "catalogue/IniFile.h"
#include "catalogue/Vendor.h"
#include "catalogue/cvnLib.h"
#include "tests/printing/RecordingSurface.h"
#include "tests/support/Tables.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace cvn {
namespace {

using test::TRecordingSurface;
using TKind = TRecordingSurface::TKind;

// Printouts drawn at scale 1, so device units read as layout units.
struct Printout : ::testing::Test {
    void SetUp() override {
        Folder.UseAsAppPath();
        Printer.SetCanvas(Surface);
        Printer.ScaleX = Printer.ScaleY = 1.0;
    }
    // The one text call that drew text.
    TRecordingSurface::TCall Only(const std::string& text) const {
        const auto found = Surface.TextsOf(text);
        EXPECT_EQ(found.size(), 1u) << text;
        return found.empty() ? TRecordingSurface::TCall{} : found.front();
    }
    static TTxtTable OrderOf(int lines) {
        TTxtTable order;
        for (int i = 1; i <= lines; ++i) {
            order.Lines.push_back(std::to_string(i) + "|$" + std::to_string(i) +
                                  "00.00|Stock|R187PA" + std::to_string(1000 + i) +
                                  "BSG|Straight Section");
        }
        return order;
    }
    test::TTempFolder Folder;
    TRecordingSurface Surface;
    TCVPrint Printer;
};

TEST_F(Printout, PageFrameDrawsLogoTitleRulesAndFooter) {
    DrawPageFrame(Printer, "Corvane Order", "Page 2 of 3");
    const auto bitmaps = Surface.CallsOf(TKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].Rect.Left, 625);
    EXPECT_EQ(bitmaps[0].Rect.Top, 20);
    EXPECT_EQ(bitmaps[0].Rect.Right, 800);
    EXPECT_EQ(bitmaps[0].Rect.Bottom, 90);

    const auto title = Only("Corvane Order");
    EXPECT_EQ(title.X, 50);
    EXPECT_EQ(title.Y, 30);
    EXPECT_EQ(title.Font.Name, "Times New Roman");
    EXPECT_EQ(title.Font.Height, 50);

    const auto lines = Surface.CallsOf(TKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& [line, y] : {std::pair{lines[0], 100}, std::pair{lines[1], 1050}}) {
        EXPECT_EQ(line.X, 50);
        EXPECT_EQ(line.X2, 800);
        EXPECT_EQ(line.Y, y);
        EXPECT_EQ(line.Y2, y);
        EXPECT_EQ(line.PenWidth, 2);
    }

    const auto company = Only("Brenmoor Corporation");
    EXPECT_EQ(company.X, 50);
    EXPECT_EQ(company.Y, 1060);
    EXPECT_TRUE(company.Font.Bold);
    EXPECT_EQ(company.Font.Height, 14);
    const std::string web = DefaultVendorWebAddress;
    const auto address = Only(web);
    EXPECT_EQ(address.X, 425 - static_cast<int>(web.size()) * 7 / 2);
    EXPECT_EQ(address.Y, 1060);
    const auto page = Only("Page 2 of 3");
    EXPECT_EQ(page.X + static_cast<int>(std::string("Page 2 of 3").size()) * 7, 800);
    EXPECT_TRUE(page.Font.Bold);
    // The style goes back to regular for whatever follows.
    Surface.TextOut(0, 0, "next");
    EXPECT_FALSE(Surface.Calls.back().Font.Bold);
}

TEST_F(Printout, TheFooterAddressIsTheSettingWhenThereIsOne) {
    WriteIniString(AppPath + "Corvane.ini", "VENDOR", "web", " www.reseller.example ");
    DrawPageFrame(Printer, "Corvane Order", "Page 1 of 1");
    EXPECT_EQ(Only("www.reseller.example").Y, 1060);
    EXPECT_TRUE(Surface.TextsOf(DefaultVendorWebAddress).empty());
}

TEST_F(Printout, AMissingLogoIsNotSwallowed) {
    Surface.HasLogo = false;
    EXPECT_THROW(DrawPageFrame(Printer, "Corvane Order", "Page 1 of 1"), std::runtime_error);
}

TEST_F(Printout, SpecSheetHeaderPicturesDescriptionAndRows) {
    Surface.Pictures = {{ImagesPath + "FlgCover.gif", {64, 64}},
                        {ImagesPath + "DimStraight.gif", {200, 90}}};
    TSpecs specs{"FlgCover.gif", "DimStraight.gif", "", "R187PA0125BSG"};
    const TTxtTable rows = test::TableOf(
        {"|R|Product Type|Straight Section|", "|187|Waveguide|WR-187|", "|A|Flange A|Cover|"});
    PrintSpecs(Printer, specs, rows);

    EXPECT_EQ(Only("Corvane Specifications").Font.Height, 50);
    EXPECT_EQ(Only("Page 1 of 1").Y, 1060);
    const std::string part = "Part Number: R187PA0125BSG";
    const auto heading = Only(part);
    EXPECT_EQ(heading.X, 425 - static_cast<int>(part.size()) * 10 / 2);
    EXPECT_EQ(heading.Y, 175);
    EXPECT_EQ(heading.Font.Name, "Arial");
    EXPECT_TRUE(heading.Font.Bold);

    // Logo, flange A, family; no flange B picture and no message for it.
    const auto bitmaps = Surface.CallsOf(TKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 3u);
    EXPECT_EQ(bitmaps[1].Rect.Left, 50);
    EXPECT_EQ(bitmaps[1].Rect.Top, 300);
    EXPECT_EQ(bitmaps[1].Rect.Right, 250);
    EXPECT_EQ(bitmaps[1].Rect.Bottom, 430);
    EXPECT_EQ(bitmaps[2].Rect.Left, 250);
    EXPECT_EQ(bitmaps[2].Rect.Bottom, 495);
    EXPECT_TRUE(Surface.TextsOf("Image not available").empty());

    const auto description = Only("Description");
    EXPECT_EQ(description.X, 150);
    EXPECT_EQ(description.Y + 20, 645);
    EXPECT_TRUE(description.Font.Bold && description.Font.Underline);
    for (int i = 0; i < rows.RowCount(); ++i) {
        const auto label = Only(rows.GetField(i, 3));
        const auto value = Only(rows.GetField(i, 4));
        EXPECT_EQ(label.X, 150);
        EXPECT_EQ(value.X, 300);
        EXPECT_EQ(label.Y, 650 + 18 * i);
        EXPECT_EQ(value.Y, 650 + 18 * i);
        EXPECT_EQ(value.Font.Height, 16);
        EXPECT_FALSE(value.Font.Bold || value.Font.Underline);
    }
}

TEST_F(Printout, APictureThatFailsSaysSoAtItsBoxCorner) {
    Surface.Pictures = {{ImagesPath + "Flg.png", {10, 10}}, {ImagesPath + "Drawn.gif", {5, 5}}};
    struct {
        TSpecs Specs;
        bool FailDrawing;
        int X;
        int Y;
    } const cases[] = {
        {{"", "Missing.gif", "", "X"}, false, 250, 250}, // no such file
        {{"Flg.png", "", "", "X"}, false, 50, 300},      // an extension no reader has
        {{"", "", "Drawn.gif", "X"}, true, 600, 300},    // decoded, but not drawn
    };
    for (const auto& c : cases) {
        Surface.Calls.clear();
        Surface.FailDrawing = c.FailDrawing;
        EXPECT_NO_THROW(PrintSpecs(Printer, c.Specs, TTxtTable()));
        const auto message = Only("Image not available");
        EXPECT_EQ(message.X, c.X);
        EXPECT_EQ(message.Y, c.Y);
        EXPECT_EQ(message.Font.Name, "Arial");
        EXPECT_EQ(message.Font.Height, 20);
        EXPECT_FALSE(message.Font.Bold);
    }
}

TEST_F(Printout, ManySpecRowsStayOnOnePage) {
    TTxtTable rows;
    for (int i = 0; i < 40; ++i) {
        rows.Lines.push_back("|c|Row " + std::to_string(i) + "|v|");
    }
    PrintSpecs(Printer, TSpecs{}, rows);
    EXPECT_TRUE(Surface.CallsOf(TKind::NewPage).empty());
    EXPECT_EQ(Only("Row 39").Y, 650 + 18 * 39);
}

TEST_F(Printout, OrderHeaderPutsTheHeadingsBottomsAt165) {
    DrawOrderHeader(Printer, "Corvane Order", "Page 1 of 1");
    struct {
        const char* Heading;
        int Left;
    } const headings[] = {
        {"Quantity", 110 - 8 * 8},
        {"Price", 225 - 5 * 8},
        {"Delivery Time", 250},
        {"Part Number", 375},
        {"Description", 660 - 11 * 8 / 2},
    };
    for (const auto& h : headings) {
        const auto text = Only(h.Heading);
        EXPECT_EQ(text.X, h.Left) << h.Heading;
        EXPECT_EQ(text.Y + 16, 165) << h.Heading;
        EXPECT_TRUE(text.Font.Bold) << h.Heading;
        EXPECT_EQ(text.Font.Name, "Arial");
    }
}

TEST_F(Printout, OrderPagesHoldTenLinesEach) {
    struct {
        int Lines;
        int Pages;
    } const cases[] = {{0, 1}, {1, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {35, 4}};
    for (const auto& c : cases) {
        const TTxtTable order = OrderOf(c.Lines);
        EXPECT_EQ(CountOrderPages(order, 6.0, 6.0), c.Pages) << c.Lines;
        TRecordingSurface pages;
        Printer.SetCanvas(pages);
        EXPECT_EQ(PrintOrder(Printer, order, c.Pages), c.Pages) << c.Lines;
        EXPECT_EQ(pages.CallsOf(TKind::NewPage).size(), static_cast<std::size_t>(c.Pages - 1));
        for (int page = 1; page <= c.Pages; ++page) {
            const auto footer =
                pages.TextsOf("Page " + std::to_string(page) + " of " + std::to_string(c.Pages));
            ASSERT_EQ(footer.size(), 1u) << c.Lines;
            EXPECT_EQ(footer[0].Page, page);
            EXPECT_EQ(pages.TextsOf("Quantity")[static_cast<std::size_t>(page - 1)].Page, page);
        }
        // The counting pass asks for no page.
        TRecordingSurface counting;
        Printer.SetCanvas(counting);
        EXPECT_EQ(PrintOrder(Printer, order, 0), c.Pages);
        EXPECT_TRUE(counting.CallsOf(TKind::NewPage).empty());
    }
}

TEST_F(Printout, OrderLinesStep85UnitsAndRestartAt175WithTheLaterPagesFont) {
    const TTxtTable order = OrderOf(11);
    PrintOrder(Printer, order, 2);
    for (int i = 0; i < 11; ++i) {
        const auto quantity = Only(std::to_string(i + 1));
        const int top = i < 10 ? 175 + 85 * i : 175;
        EXPECT_EQ(quantity.Rect.Top, top) << i;
        EXPECT_EQ(quantity.Rect.Bottom, top + 75) << i;
        EXPECT_EQ(quantity.Page, i < 10 ? 1 : 2);
        EXPECT_EQ(quantity.Font.Height, i < 10 ? 15 : 16) << i;
        EXPECT_EQ(quantity.Font.Name, "Arial");
        EXPECT_FALSE(quantity.Font.Bold);
    }
}

TEST_F(Printout, OrderLineFieldsGoToTheirClippedBoxes) {
    const std::string description(400, 'x');
    EXPECT_EQ(PrintOrderLine(Printer, 260, "12|$1,234.00|4-6 Weeks|R187PA0125BSG|" + description),
              335);
    struct {
        std::string Text;
        int Left;
        int Right;
        unsigned Flags;
    } const boxes[] = {
        {"12", 50, 110, 0x12},         {"$1,234.00", 110, 225, 0x12},
        {"4-6 Weeks", 250, 350, 0x10}, {"R187PA0125BSG", 375, 525, 0x10},
        {description, 525, 800, 0x10},
    };
    const auto drawn = Surface.CallsOf(TKind::TextBox);
    ASSERT_EQ(drawn.size(), 5u);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].Text, boxes[i].Text);
        EXPECT_EQ(drawn[i].Rect.Left, boxes[i].Left);
        EXPECT_EQ(drawn[i].Rect.Right, boxes[i].Right);
        EXPECT_EQ(drawn[i].Rect.Top, 260);
        EXPECT_EQ(drawn[i].Rect.Bottom, 335);
        EXPECT_EQ(drawn[i].Flags, boxes[i].Flags);
    }
}

TEST_F(Printout, TheOrderEndsWithItsTotalAfterTheLastLineInThePagesLineFont) {
    struct {
        int Lines;
        int Top;
        int Page;
        int FontHeight;
    } const cases[] = {{0, 175, 1, 15}, {3, 430, 1, 15}, {10, 1025, 1, 15}, {12, 345, 2, 16}};
    for (const auto& c : cases) {
        TTxtTable order = OrderOf(c.Lines);
        order.Lines.push_back("1|N/A|Contact Brenmoor Rep.|X|x");
        order.Lines.erase(order.Lines.begin()); // the same count, one of them not priced
        TRecordingSurface pages;
        Printer.SetCanvas(pages);
        const int pageCount = CountOrderPages(order, 1.0, 1.0);
        PrintOrder(Printer, order, pageCount);
        // 2 + 3 + ... + n hundred dollars: the first line gave way to the unpriced one.
        const int hundreds = c.Lines * (c.Lines + 1) / 2 - 1;
        const std::string sum =
            "Total: " + TFixed::FromInt(c.Lines == 0 ? 0 : hundreds * 100).FormatMoney();
        const auto total = pages.TextsOf(sum);
        ASSERT_EQ(total.size(), 1u) << c.Lines;
        EXPECT_EQ(total[0].Kind, TKind::TextBox);
        EXPECT_EQ(total[0].Rect.Top, c.Top) << c.Lines;
        EXPECT_LE(total[0].Rect.Bottom, 1050) << "above the footer rule";
        EXPECT_EQ(total[0].Rect.Right, 225) << "under the prices";
        EXPECT_EQ(total[0].Page, c.Page);
        EXPECT_EQ(pageCount, c.Page) << "the total takes no page of its own";
        EXPECT_EQ(total[0].Font.Height, c.FontHeight);
        EXPECT_EQ(total[0].Font.Name, "Arial");
        EXPECT_FALSE(total[0].Font.Bold);
        EXPECT_EQ(pages.TextsOf("1 lines to quote").size(), c.Lines == 0 ? 0u : 1u);
    }
}

TEST(PictureFormats, TheExtensionDecidesIgnoringCase) {
    struct {
        const char* Name;
        const char* Format;
    } const cases[] = {
        {"FlgCover.gif", "GIF"}, {"brenmoor.BMP", "BMP"}, {"x.Ico", "ICO"},    {"a.wmf", "WMF"},
        {"a.emf", "EMF"},        {"photo.png", ""},       {"noextension", ""}, {"dir.gif/x", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureFormatOf(c.Name), c.Format) << c.Name;
    }
}

} // namespace
} // namespace cvn
