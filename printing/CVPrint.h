#pragma once

#include "printing/DrawingSurface.h"

#include <string>

namespace cvn {

// Draws in layout units on a surface in device units. Every coordinate is converted
// on its own: multiplied by its scale and rounded to the nearest integer, halves to
// even. Alignment uses the surface's own text measures, so only the anchor point is
// scaled and right and centre alignment are exact at every resolution. The surface
// is not owned; font, pen width and style are set on it directly.
class TCVPrint {
public:
    double ScaleX = 0;
    double ScaleY = 0;
    TDrawingSurface* Canvas = nullptr;

    void SetCanvas(TDrawingSurface& canvas);

    int ToDeviceX(int n) const;
    int ToDeviceY(int n) const;
    void ScaleRect(TRect& rect) const;

    void TextOutLeft(int x, int y, const std::string& text);
    void TextOutCenter(int x, int y, const std::string& text);
    void TextOutRight(int x, int y, const std::string& text);
    // Horizontal code: 0 x is the left edge, 1 the centre, 2 the right edge. Vertical
    // code: 0 y is the top, 1 the middle, 2 the bottom. Other codes count as 0.
    void TextOutAligned(int x, int y, const std::string& text, int horizontal, int vertical);
    // Draws into a converted copy of rect; returns the drawn text's height.
    int DrawTextBox(const TRect& rect, const std::string& text, unsigned flags);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void DrawLine(int x1, int y1, int x2, int y2);
    // Stretches the whole bitmap over the converted rectangle; proportions are not
    // kept. False when the surface could not draw it.
    bool DrawBitmap(const TRect& rect, const TBitmap& bitmap);
};

// value rounded to the nearest integer, halves to even.
int RoundHalfEven(long double value);

} // namespace cvn
