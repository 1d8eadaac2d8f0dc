#include "printing/CVPrint.h"

#include <cmath>

namespace cvn {

int RoundHalfEven(long double value) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

void TCVPrint::SetCanvas(TDrawingSurface& canvas) {
    if (Canvas != &canvas) {
        Canvas = &canvas;
    }
}

int TCVPrint::ToDeviceX(int n) const {
    return RoundHalfEven(static_cast<long double>(n) * ScaleX);
}

int TCVPrint::ToDeviceY(int n) const {
    return RoundHalfEven(static_cast<long double>(n) * ScaleY);
}

void TCVPrint::ScaleRect(TRect& rect) const {
    rect.Left = ToDeviceX(rect.Left);
    rect.Top = ToDeviceY(rect.Top);
    rect.Right = ToDeviceX(rect.Right);
    rect.Bottom = ToDeviceY(rect.Bottom);
}

void TCVPrint::TextOutLeft(int x, int y, const std::string& text) {
    Canvas->TextOut(ToDeviceX(x), ToDeviceY(y), text);
}

void TCVPrint::TextOutCenter(int x, int y, const std::string& text) {
    const int width = Canvas->TextWidth(text);
    Canvas->TextOut(RoundHalfEven(static_cast<long double>(x) * ScaleX - width / 2), ToDeviceY(y),
                    text);
}

void TCVPrint::TextOutRight(int x, int y, const std::string& text) {
    const int width = Canvas->TextWidth(text);
    Canvas->TextOut(RoundHalfEven(static_cast<long double>(x) * ScaleX - width), ToDeviceY(y),
                    text);
}

void TCVPrint::TextOutAligned(int x, int y, const std::string& text, int horizontal, int vertical) {
    int dx = 0;
    if (horizontal == 1) {
        dx = Canvas->TextWidth(text) / 2;
    } else if (horizontal == 2) {
        dx = Canvas->TextWidth(text);
    }
    int dy = 0;
    if (vertical == 1) {
        dy = Canvas->TextHeight(text) / 2;
    } else if (vertical == 2) {
        dy = Canvas->TextHeight(text);
    }
    Canvas->TextOut(RoundHalfEven(static_cast<long double>(x) * ScaleX - dx),
                    RoundHalfEven(static_cast<long double>(y) * ScaleY - dy), text);
}

int TCVPrint::DrawTextBox(const TRect& rect, const std::string& text, unsigned flags) {
    TRect device = rect;
    ScaleRect(device);
    return Canvas->DrawText(device, text, flags);
}

void TCVPrint::MoveTo(int x, int y) {
    Canvas->MoveTo(ToDeviceX(x), ToDeviceY(y));
}

void TCVPrint::LineTo(int x, int y) {
    Canvas->LineTo(ToDeviceX(x), ToDeviceY(y));
}

void TCVPrint::DrawLine(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

bool TCVPrint::DrawBitmap(const TRect& rect, const TBitmap& bitmap) {
    TRect device = rect;
    ScaleRect(device);
    return Canvas->StretchBitmap(device, bitmap);
}

} // namespace cvn
