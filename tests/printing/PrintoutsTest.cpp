#include "printing/Printouts.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/RowName.h"
#include "tests/support/Tables.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
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

// What a piece of a printout draws: each call listed is drawn exactly once, and no
// call holds the absent text.
struct TPlacement {
    const char* Name;
    std::function<void(TCVPrint&, TRecordingSurface&)> Draw;
    std::vector<std::string> Drawn;
    const char* Absent = "\x01";
};

class Placement : public Printout, public ::testing::WithParamInterface<TPlacement> {};

TEST_P(Placement, DrawsEachPieceWhereTheLayoutPutsIt) {
    GetParam().Draw(Printer, Surface);
    const std::vector<std::string> all = Surface.Described();
    std::string listed;
    for (const std::string& call : all) {
        listed += "\n" + call;
    }
    for (const std::string& drawn : GetParam().Drawn) {
        EXPECT_EQ(std::count(all.begin(), all.end(), drawn), 1) << drawn << listed;
    }
    EXPECT_EQ(listed.find(GetParam().Absent), std::string::npos) << listed;
}

const std::string kLong(400, 'x');

TSpecs Pictured(TRecordingSurface& surface, bool failDrawing) {
    surface.Pictures = {{ImagesPath + "FlgCover.gif", {64, 64}},
                        {ImagesPath + "DimStraight.gif", {200, 90}},
                        {ImagesPath + "Flg.png", {10, 10}}};
    surface.FailDrawing = failDrawing;
    return {"FlgCover.gif", "DimStraight.gif", "", "R187PA0125BSG"};
}

// The page frame (the style goes back to regular after it; the footer address is the
// setting when there is one); the spec sheet's pictures, description and rows, however
// many; a picture that fails says so at its box corner; the order's headings have
// their bottoms at 165 and a line's fields go to their clipped boxes.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Printouts, Placement, ::testing::Values(
    TPlacement{"PageFrame", [](TCVPrint& p, TRecordingSurface& s) { DrawPageFrame(p, "Corvane Order", "Page 2 of 3"); s.TextOut(0, 0, "next"); },
        {"picture 625,20,800,90 412x151", "text 50,30 Times New Roman/50 Corvane Order", "text 50,1060 Times New Roman/14b Brenmoor Corporation",
         "text 369,1060 Times New Roman/14b www.brenmoor.com", "text 723,1060 Times New Roman/14b Page 2 of 3", "line 50,100-800,100 pen 2", "line 50,1050-800,1050 pen 2",
         "text 0,0 Times New Roman/14 next"}},
    TPlacement{"VendorAddress", [](TCVPrint& p, TRecordingSurface&) {
        WriteIniString(AppPath + "Corvane.ini", "VENDOR", "web", " www.reseller.example ");
        DrawPageFrame(p, "Corvane Order", "Page 1 of 1"); }, {"text 355,1060 Times New Roman/14b www.reseller.example"}, "www.brenmoor.com"},
    TPlacement{"SpecSheet", [](TCVPrint& p, TRecordingSurface& s) {
        PrintSpecs(p, Pictured(s, false), test::TableOf({"|R|Product Type|Straight Section|", "|187|Waveguide|WR-187|", "|A|Flange A|Cover|"})); },
        {"text 50,30 Times New Roman/50 Corvane Specifications", "text 723,1060 Times New Roman/14b Page 1 of 1",
         "text 295,175 Arial/20b Part Number: R187PA0125BSG", "text 150,625 Arial/20bu Description",
         "text 150,650 Arial/16 Product Type", "text 300,650 Arial/16 Straight Section", "text 150,668 Arial/16 Waveguide", "text 300,668 Arial/16 WR-187",
         "text 150,686 Arial/16 Flange A", "text 300,686 Arial/16 Cover", "picture 50,300,250,430 64x64", "picture 250,250,600,495 200x90"}, "Image not available"},
    TPlacement{"ManySpecRowsOnOnePage", [](TCVPrint& p, TRecordingSurface&) {
        TTxtTable many;
        for (int i = 0; i < 40; ++i) { many.Lines.push_back("|c|Row " + std::to_string(i) + "|v|"); }
        PrintSpecs(p, TSpecs{}, many); }, {"text 150,1352 Arial/16 Row 39"}, "newpage"},
    TPlacement{"NoSuchPicture", [](TCVPrint& p, TRecordingSurface&) { PrintSpecs(p, {"", "Missing.gif", "", "X"}, {}); },
        {"text 250,250 Arial/20 Image not available"}},
    TPlacement{"ExtensionNoReaderHas", [](TCVPrint& p, TRecordingSurface& s) { Pictured(s, false); PrintSpecs(p, {"Flg.png", "", "", "X"}, {}); },
        {"text 50,300 Arial/20 Image not available"}},
    TPlacement{"DecodedButNotDrawn", [](TCVPrint& p, TRecordingSurface& s) { Pictured(s, true); PrintSpecs(p, {"", "", "DimStraight.gif", "X"}, {}); },
        {"text 600,300 Arial/20 Image not available"}},
    TPlacement{"OrderHeader", [](TCVPrint& p, TRecordingSurface&) { DrawOrderHeader(p, "Corvane Order", "Page 1 of 1"); },
        {"text 46,149 Arial/16b Quantity", "text 185,149 Arial/16b Price", "text 250,149 Arial/16b Delivery Time",
         "text 375,149 Arial/16b Part Number", "text 616,149 Arial/16b Description"}},
    TPlacement{"OrderLine", [](TCVPrint& p, TRecordingSurface&) {
        EXPECT_EQ(PrintOrderLine(p, 260, "12|$1,234.00|4-6 Weeks|R187PA0125BSG|" + kLong), 335); },
        {"box 50,260,110,335 x18 /0 12", "box 110,260,225,335 x18 /0 $1,234.00", "box 250,260,350,335 x16 /0 4-6 Weeks",
         "box 375,260,525,335 x16 /0 R187PA0125BSG", "box 525,260,800,335 x16 /0 " + kLong}}),
    test::RowName());
// clang-format on

TEST_F(Printout, AMissingLogoIsNotSwallowed) {
    Surface.HasLogo = false;
    EXPECT_THROW(DrawPageFrame(Printer, "Corvane Order", "Page 1 of 1"), std::runtime_error);
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
        // Under the prices, above the footer rule, in the lines' font, not bold.
        const auto total = pages.TextsOf(c.Total);
        ASSERT_EQ(total.size(), 1u);
        EXPECT_EQ(TRecordingSurface::Described(total[0]),
                  "box 50," + std::to_string(c.Top) + ",225," + std::to_string(c.Top + 20) +
                      " x34 Arial/" + (c.Pages == 1 ? "15 " : "16 ") + c.Total);
        EXPECT_EQ(total[0].Page, c.Pages);
        EXPECT_EQ(pages.TextsOf("1 lines to quote").size(), c.Lines == 0 ? 0u : 1u);
        // The counting pass asks for no page.
        TRecordingSurface counting;
        Printer.SetCanvas(counting);
        EXPECT_EQ(PrintOrder(Printer, order, 0), c.Pages);
        EXPECT_TRUE(counting.CallsOf(TKind::NewPage).empty());
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
