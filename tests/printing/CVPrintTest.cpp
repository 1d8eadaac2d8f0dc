#include "printing/CVPrint.h"
#include "tests/support/RecordingSurface.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <functional>

namespace cvn {
namespace {

using test::TRecordingSurface;

TEST(PagePrinterRounding, HalvesGoToTheEvenNeighbourOnBothAxes) {
    // clang-format off
    const struct { double Scale; int Units; int Device; } cases[] = {
        {0.5, 5, 2},      {0.5, 7, 4},  {0.5, -5, -2}, {0.5, 3, 2},  {1.5, 3, 4},
        {6.0, 800, 4800}, {0.4, 14, 6}, {0.0, 800, 0}, {0.75, 2, 2}, {0.75, 6, 4}};
    // clang-format on
    for (const auto& c : cases) {
        TCVPrint printer;
        printer.ScaleX = c.Scale;
        printer.ScaleY = c.Scale;
        EXPECT_EQ(printer.ToDeviceX(c.Units), c.Device) << c.Scale << " x " << c.Units;
        EXPECT_EQ(printer.ToDeviceY(c.Units), c.Device) << c.Scale << " x " << c.Units;
    }
}

// What one call of the printer draws, in device units: right-aligned text ends at the
// point, centred text moves half its width (rounded down) left, aligned text moves by
// the codes ("Quantity" in height 16 is 64 wide); a text box is a scaled copy of the
// caller's rectangle (halves to even); a bitmap is stretched whole over its rectangle.
struct TPrinted {
    const char* Name;
    double Scale;
    int FontHeight;
    std::function<void(TCVPrint&, TRecordingSurface&)> Print;
    std::vector<std::string> Drawn;
};

class PrintedCall : public ::testing::TestWithParam<TPrinted> {};

TEST_P(PrintedCall, DrawsInDeviceUnits) {
    TRecordingSurface surface;
    TCVPrint printer;
    printer.SetCanvas(surface);
    printer.ScaleX = printer.ScaleY = GetParam().Scale;
    surface.SetFontHeight(GetParam().FontHeight);
    GetParam().Print(printer, surface);
    EXPECT_EQ(surface.Described(), GetParam().Drawn);
}

void Aligned(TCVPrint& p, int horizontal, int vertical) {
    p.TextOutAligned(250, 165, "Quantity", horizontal, vertical);
}

TBitmap Logo() {
    TBitmap logo;
    logo.Width = 412;
    logo.Height = 151;
    return logo;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Printer, PrintedCall, ::testing::Values(
    TPrinted{"Right", 6.0, 84, [](TCVPrint& p, auto&) { p.TextOutRight(800, 1060, "Page 1 of 1"); }, {"text 4338,6360 /84 Page 1 of 1"}},
    TPrinted{"Centre", 1.0, 10, [](TCVPrint& p, auto&) { p.TextOutCenter(425, 175, "1234567"); }, {"text 408,175 /10 1234567"}},
    TPrinted{"TopLeft", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 0, 0); }, {"text 250,165 /16 Quantity"}},
    TPrinted{"BottomLeft", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 0, 2); }, {"text 250,149 /16 Quantity"}},
    TPrinted{"Middle", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 1, 1); }, {"text 218,157 /16 Quantity"}},
    TPrinted{"BottomRight", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 2, 2); }, {"text 186,149 /16 Quantity"}},
    TPrinted{"TopRight", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 2, 0); }, {"text 186,165 /16 Quantity"}},
    TPrinted{"UnknownCodes", 1.0, 16, [](TCVPrint& p, auto&) { Aligned(p, 3, -1); }, {"text 250,165 /16 Quantity"}},
    TPrinted{"TextBox", 2.5, 20, [](TCVPrint& p, auto&) {
        TRect mine{525, 175, 800, 250};
        EXPECT_EQ(p.DrawTextBox(mine, "a long description", 0x10), 20);
        EXPECT_EQ(std::vector({mine.Left, mine.Top, mine.Right, mine.Bottom}), std::vector({525, 175, 800, 250})); },
        {"box 1312,438,2000,625 x16 /20 a long description"}},
    TPrinted{"Bitmap", 6.0, 20, [](TCVPrint& p, auto&) { EXPECT_TRUE(p.DrawBitmap({625, 20, 800, 90}, Logo())); }, {"picture 3750,120,4800,540 412x151"}},
    TPrinted{"BitmapFails", 6.0, 20, [](TCVPrint& p, TRecordingSurface& s) { s.FailDrawing = true; EXPECT_FALSE(p.DrawBitmap({625, 20, 800, 90}, Logo())); }, {}},
    TPrinted{"Line", 0.4, 20, [](TCVPrint& p, auto&) { p.DrawLine(50, 1050, 800, 1050); }, {"line 20,420-320,420 pen 0"}}),
    test::RowName());
// clang-format on

} // namespace
} // namespace cvn
