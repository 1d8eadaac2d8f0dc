#include "printing/Printouts.h"
#include "catalogue/IniFile.h"
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

std::vector<int> Corners(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// A text expected once: where, and in which font (Height 0 and Font nullptr: not looked at).
struct TDrawn {
    std::string Text;
    int X;
    int Y;
    int Height = 0;
    bool Bold = false;
    const char* Font = nullptr;
};

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
    void ExpectTexts(const std::vector<TDrawn>& texts) const {
        for (const TDrawn& d : texts) {
            SCOPED_TRACE(d.Text);
            const auto call = Only(d.Text);
            EXPECT_EQ(call.X, d.X);
            EXPECT_EQ(call.Y, d.Y);
            if (d.Height) {
                EXPECT_EQ(call.Font.Height, d.Height);
                EXPECT_EQ(call.Font.Bold, d.Bold);
            }
            if (d.Font) {
                EXPECT_EQ(call.Font.Name, d.Font);
            }
        }
    }
    // Line i asks i hundred dollars.
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
    EXPECT_EQ(Corners(bitmaps[0].Rect), std::vector({625, 20, 800, 90}));
    // clang-format off
    ExpectTexts({{"Corvane Order", 50, 30, 50, false, "Times New Roman"},
                 {"Brenmoor Corporation", 50, 1060, 14, true},
                 {"www.brenmoor.com", 369, 1060},
                 {"Page 2 of 3", 723, 1060, 14, true}});
    // clang-format on
    const auto lines = Surface.CallsOf(TKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& [line, y] : {std::pair{lines[0], 100}, std::pair{lines[1], 1050}}) {
        EXPECT_EQ(std::vector({line.X, line.Y, line.X2, line.Y2, line.PenWidth}),
                  std::vector({50, y, 800, y, 2}));
    }
    // The style goes back to regular for whatever follows.
    Surface.TextOut(0, 0, "next");
    EXPECT_FALSE(Surface.Calls.back().Font.Bold);

    // The footer address is the setting when there is one; a missing logo is not swallowed.
    Surface.Calls.clear();
    WriteIniString(AppPath + "Corvane.ini", "VENDOR", "web", " www.reseller.example ");
    DrawPageFrame(Printer, "Corvane Order", "Page 1 of 1");
    EXPECT_EQ(Only("www.reseller.example").Y, 1060);
    EXPECT_TRUE(Surface.TextsOf("www.brenmoor.com").empty());
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
    // clang-format off
    ExpectTexts({{"Corvane Specifications", 50, 30, 50, false},
                 {"Page 1 of 1", 723, 1060},
                 {"Part Number: R187PA0125BSG", 295, 175, 20, true, "Arial"},
                 {"Description", 150, 625},
                 {"Product Type", 150, 650}, {"Straight Section", 300, 650, 16, false},
                 {"Waveguide", 150, 668},    {"WR-187", 300, 668, 16, false},
                 {"Flange A", 150, 686},     {"Cover", 300, 686, 16, false}});
    // clang-format on
    EXPECT_TRUE(Only("Description").Font.Bold && Only("Description").Font.Underline);
    EXPECT_FALSE(Only("Cover").Font.Underline);

    // Logo, flange A, family; no flange B picture and no message for it.
    const auto bitmaps = Surface.CallsOf(TKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 3u);
    EXPECT_EQ(Corners(bitmaps[1].Rect), std::vector({50, 300, 250, 430}));
    EXPECT_EQ(bitmaps[2].Rect.Left, 250);
    EXPECT_EQ(bitmaps[2].Rect.Bottom, 495);
    EXPECT_TRUE(Surface.TextsOf("Image not available").empty());

    // Many rows stay on one page.
    TTxtTable many;
    for (int i = 0; i < 40; ++i) {
        many.Lines.push_back("|c|Row " + std::to_string(i) + "|v|");
    }
    Surface.Calls.clear();
    PrintSpecs(Printer, TSpecs{}, many);
    EXPECT_TRUE(Surface.CallsOf(TKind::NewPage).empty());
    EXPECT_EQ(Only("Row 39").Y, 1352);
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
        ExpectTexts({{"Image not available", c.X, c.Y, 20, false, "Arial"}});
    }
}

TEST_F(Printout, OrderHeaderPutsTheHeadingsBottomsAt165) {
    DrawOrderHeader(Printer, "Corvane Order", "Page 1 of 1");
    // clang-format off
    ExpectTexts({{"Quantity", 46, 149, 16, true, "Arial"}, {"Price", 185, 149, 16, true, "Arial"},
                 {"Delivery Time", 250, 149, 16, true, "Arial"}, {"Part Number", 375, 149, 16, true, "Arial"},
                 {"Description", 616, 149, 16, true, "Arial"}});
    // clang-format on
}

// Ten lines a page, each page with its header and footer; the total follows the last
// line in that page's line font and takes no page of its own. The first line gives way
// to an unpriced one, so the total is 2 + ... + n hundred dollars.
TEST_F(Printout, OrderPagesHoldTenLinesAndEndWithTheTotal) {
    // clang-format off
    const struct { int Lines; int Pages; const char* Total; int Top; } cases[] = {
        {0, 1, "Total: $0.00", 175},        {1, 1, "Total: $0.00", 260},
        {3, 1, "Total: $500.00", 430},      {10, 1, "Total: $5,400.00", 1025},
        {11, 2, "Total: $6,500.00", 260},   {12, 2, "Total: $7,700.00", 345},
        {20, 2, "Total: $20,900.00", 1025}, {21, 3, "Total: $23,000.00", 260},
        {35, 4, "Total: $62,900.00", 600}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Lines);
        TTxtTable order = OrderOf(c.Lines);
        order.Lines.push_back("1|N/A|Contact Brenmoor Rep.|X|x");
        order.Lines.erase(order.Lines.begin());
        EXPECT_EQ(CountOrderPages(order, 6.0, 6.0), c.Pages);
        TRecordingSurface pages;
        Printer.SetCanvas(pages);
        EXPECT_EQ(PrintOrder(Printer, order, c.Pages), c.Pages);
        EXPECT_EQ(pages.CallsOf(TKind::NewPage).size(), static_cast<std::size_t>(c.Pages - 1));
        for (int page = 1; page <= c.Pages; ++page) {
            const auto footer =
                pages.TextsOf("Page " + std::to_string(page) + " of " + std::to_string(c.Pages));
            ASSERT_EQ(footer.size(), 1u);
            EXPECT_EQ(footer[0].Page, page);
            EXPECT_EQ(pages.TextsOf("Quantity")[static_cast<std::size_t>(page - 1)].Page, page);
        }
        const auto total = pages.TextsOf(c.Total);
        ASSERT_EQ(total.size(), 1u);
        EXPECT_EQ(total[0].Kind, TKind::TextBox);
        EXPECT_EQ(total[0].Rect.Top, c.Top);
        EXPECT_LE(total[0].Rect.Bottom, 1050) << "above the footer rule";
        EXPECT_EQ(total[0].Rect.Right, 225) << "under the prices";
        EXPECT_EQ(total[0].Page, c.Pages);
        EXPECT_EQ(total[0].Font.Height, c.Pages == 1 ? 15 : 16);
        EXPECT_EQ(total[0].Font.Name, "Arial");
        EXPECT_FALSE(total[0].Font.Bold);
        EXPECT_EQ(pages.TextsOf("1 lines to quote").size(), c.Lines == 0 ? 0u : 1u);
        // The counting pass asks for no page.
        TRecordingSurface counting;
        Printer.SetCanvas(counting);
        EXPECT_EQ(PrintOrder(Printer, order, 0), c.Pages);
        EXPECT_TRUE(counting.CallsOf(TKind::NewPage).empty());
    }
}

TEST_F(Printout, OrderLineFieldsGoToTheirClippedBoxes) {
    const std::string description(400, 'x');
    EXPECT_EQ(PrintOrderLine(Printer, 260, "12|$1,234.00|4-6 Weeks|R187PA0125BSG|" + description),
              335);
    // clang-format off
    const struct { std::string Text; int Left; int Right; unsigned Flags; } boxes[] = {
        {"12", 50, 110, 0x12}, {"$1,234.00", 110, 225, 0x12}, {"4-6 Weeks", 250, 350, 0x10},
        {"R187PA0125BSG", 375, 525, 0x10}, {description, 525, 800, 0x10}};
    // clang-format on
    const auto drawn = Surface.CallsOf(TKind::TextBox);
    ASSERT_EQ(drawn.size(), 5u);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].Text, boxes[i].Text);
        EXPECT_EQ(Corners(drawn[i].Rect), std::vector({boxes[i].Left, 260, boxes[i].Right, 335}));
        EXPECT_EQ(drawn[i].Flags, boxes[i].Flags);
    }
}

TEST(PictureFormats, TheExtensionDecidesIgnoringCase) {
    // clang-format off
    const struct { const char* Name; const char* Format; } cases[] = {
        {"FlgCover.gif", "GIF"}, {"brenmoor.BMP", "BMP"}, {"x.Ico", "ICO"},    {"a.wmf", "WMF"},
        {"a.emf", "EMF"},        {"photo.png", ""},       {"noextension", ""}, {"dir.gif/x", ""}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(PictureFormatOf(c.Name), c.Format) << c.Name;
    }
}

} // namespace
} // namespace cvn
