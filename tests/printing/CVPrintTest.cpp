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
    struct {
        double Scale;
        int Units;
        int Device;
    } const cases[] = {
        {0.5, 5, 2},      {0.5, 7, 4},  {0.5, -5, -2}, {0.5, 3, 2},  {1.5, 3, 4},
        {6.0, 800, 4800}, {0.4, 14, 6}, {0.0, 800, 0}, {0.75, 2, 2}, {0.75, 6, 4},
    };
    for (const auto& c : cases) {
        TCVPrint printer;
        printer.ScaleX = c.Scale;
        printer.ScaleY = c.Scale;
        EXPECT_EQ(printer.ToDeviceX(c.Units), c.Device) << c.Scale << " x " << c.Units;
        EXPECT_EQ(printer.ToDeviceY(c.Units), c.Device) << c.Scale << " x " << c.Units;
    }
}

TEST_F(PagePrinter, TextOutRightEndsTheTextAtTheScaledPoint) {
    TCVPrint printer = PrinterAt(6.0, 84);
    printer.TextOutRight(800, 1060, "Page 1 of 1");
    const auto& text = Surface.Calls.at(0);
    EXPECT_EQ(text.X + Surface.TextWidth("Page 1 of 1"), 4800);
    EXPECT_EQ(text.Y, 6360);
}

TEST_F(PagePrinter, TextOutCenterTakesHalfTheWidthRoundedDown) {
    // Width 7 x 10 / 2 = 35 device units: half is 17.
    TCVPrint printer = PrinterAt(1.0, 10);
    printer.TextOutCenter(425, 175, "1234567");
    EXPECT_EQ(Surface.Calls.at(0).X, 425 - 17);
    EXPECT_EQ(Surface.Calls.at(0).Y, 175);
}

TEST_F(PagePrinter, TextOutAlignedMovesTheAnchorByTheCodes) {
    // "Quantity" in height 16: 64 wide, 16 tall.
    struct {
        int Horizontal;
        int Vertical;
        int X;
        int Y;
    } const cases[] = {
        {0, 0, 250, 165}, {0, 2, 250, 149}, {1, 1, 218, 157},
        {2, 2, 186, 149}, {2, 0, 186, 165}, {3, -1, 250, 165},
    };
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
    EXPECT_EQ(call.Rect.Left, 1312); // 1312.5 to even
    EXPECT_EQ(call.Rect.Top, 438);   // 437.5 to even
    EXPECT_EQ(call.Rect.Right, 2000);
    EXPECT_EQ(call.Rect.Bottom, 625);
    EXPECT_EQ(call.Flags, 0x10u);
}

TEST_F(PagePrinter, DrawBitmapStretchesTheWholeBitmapOverTheRectangle) {
    TCVPrint printer = PrinterAt(6.0);
    TBitmap logo;
    logo.Width = 412;
    logo.Height = 151;
    EXPECT_TRUE(printer.DrawBitmap({625, 20, 800, 90}, logo));
    const auto& call = Surface.Calls.at(0);
    EXPECT_EQ(call.Rect.Left, 3750);
    EXPECT_EQ(call.Rect.Top, 120);
    EXPECT_EQ(call.Rect.Right - call.Rect.Left, 175 * 6);
    EXPECT_EQ(call.Rect.Bottom - call.Rect.Top, 70 * 6);
    EXPECT_EQ(call.BitmapWidth, 412);
    EXPECT_EQ(call.BitmapHeight, 151);
    Surface.FailDrawing = true;
    EXPECT_FALSE(printer.DrawBitmap({625, 20, 800, 90}, logo));
}

TEST_F(PagePrinter, DrawLineConvertsBothEnds) {
    TCVPrint printer = PrinterAt(0.4);
    printer.DrawLine(50, 1050, 800, 1050);
    const auto& line = Surface.Calls.at(0);
    EXPECT_EQ(line.X, 20);
    EXPECT_EQ(line.Y, 420);
    EXPECT_EQ(line.X2, 320);
    EXPECT_EQ(line.Y2, 420);
}

} // namespace
} // namespace cvn
