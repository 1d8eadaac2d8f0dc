#include "printing/CVPrint.h"
#include "tests/printing/RecordingSurface.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

using test::TRecordingSurface;
using TKind = TRecordingSurface::TKind;

struct PagePrinter : ::testing::Test {
    TCVPrint PrinterAt(double scale, int fontHeight = 20) {
        TCVPrint printer;
        printer.SetCanvas(Surface);
        printer.ScaleX = printer.ScaleY = scale;
        Surface.SetFontHeight(fontHeight);
        return printer;
    }
    TRecordingSurface Surface;
};

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

// Right: the text ends at the point; centre: half the width, rounded down, to the
// left; aligned: the anchor moves by the codes.
TEST_F(PagePrinter, TextIsPlacedByItsMeasuredWidth) {
    TCVPrint right = PrinterAt(6.0, 84);
    right.TextOutRight(800, 1060, "Page 1 of 1");
    EXPECT_EQ(Surface.Calls.at(0).X + Surface.TextWidth("Page 1 of 1"), 4800);
    EXPECT_EQ(Surface.Calls.at(0).Y, 6360);

    Surface.Calls.clear();
    TCVPrint centre = PrinterAt(1.0, 10); // 7 x 5 = 35 wide: half is 17
    centre.TextOutCenter(425, 175, "1234567");
    EXPECT_EQ(Surface.Calls.at(0).X, 425 - 17);
    EXPECT_EQ(Surface.Calls.at(0).Y, 175);

    // "Quantity" in height 16: 64 wide, 16 tall.
    // clang-format off
    const struct { int Horizontal; int Vertical; int X; int Y; } cases[] = {
        {0, 0, 250, 165}, {0, 2, 250, 149}, {1, 1, 218, 157},
        {2, 2, 186, 149}, {2, 0, 186, 165}, {3, -1, 250, 165}};
    // clang-format on
    for (const auto& c : cases) {
        Surface.Calls.clear();
        TCVPrint printer = PrinterAt(1.0, 16);
        printer.TextOutAligned(250, 165, "Quantity", c.Horizontal, c.Vertical);
        EXPECT_EQ(Surface.Calls.at(0).X, c.X) << c.Horizontal << "," << c.Vertical;
        EXPECT_EQ(Surface.Calls.at(0).Y, c.Y) << c.Horizontal << "," << c.Vertical;
    }
}

TEST_F(PagePrinter, DrawTextBoxScalesACopyAndLeavesTheCallersRectangle) {
    TCVPrint printer = PrinterAt(2.5);
    const TRect box{525, 175, 800, 250};
    TRect mine = box;
    EXPECT_EQ(printer.DrawTextBox(mine, "a long description", 0x10), 20);
    EXPECT_EQ(mine.Left, box.Left);
    EXPECT_EQ(mine.Bottom, box.Bottom);
    const auto& call = Surface.Calls.at(0);
    EXPECT_EQ(call.Kind, TKind::TextBox);
    // 1312.5 and 437.5 go to even.
    EXPECT_EQ(std::vector({call.Rect.Left, call.Rect.Top, call.Rect.Right, call.Rect.Bottom}),
              std::vector({1312, 438, 2000, 625}));
    EXPECT_EQ(call.Flags, 0x10u);
}

TEST_F(PagePrinter, DrawBitmapStretchesTheWholeBitmapOverTheRectangle) {
    TCVPrint printer = PrinterAt(6.0);
    TBitmap logo;
    logo.Width = 412;
    logo.Height = 151;
    EXPECT_TRUE(printer.DrawBitmap({625, 20, 800, 90}, logo));
    const auto& call = Surface.Calls.at(0);
    EXPECT_EQ(std::vector({call.Rect.Left, call.Rect.Top, call.Rect.Right, call.Rect.Bottom,
                           call.BitmapWidth, call.BitmapHeight}),
              std::vector({3750, 120, 4800, 540, 412, 151}));
    Surface.FailDrawing = true;
    EXPECT_FALSE(printer.DrawBitmap({625, 20, 800, 90}, logo));
}

TEST_F(PagePrinter, DrawLineConvertsBothEnds) {
    TCVPrint printer = PrinterAt(0.4);
    printer.DrawLine(50, 1050, 800, 1050);
    const auto& line = Surface.Calls.at(0);
    EXPECT_EQ(std::vector({line.X, line.Y, line.X2, line.Y2}), std::vector({20, 420, 320, 420}));
}

} // namespace
} // namespace cvn
