#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cvn {

// A rectangle in whole units: layout units before TCVPrint converts it, device units
// after.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A picture in device-independent form: Width x Height pixels, rows from the top,
// each pixel 0xAARRGGBB.
struct TBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// The flags of DrawText that the printouts use, with the platform's values.
namespace DrawTextFlags {
constexpr unsigned Left = 0x00;
constexpr unsigned Center = 0x01;
constexpr unsigned Right = 0x02;
constexpr unsigned VCenter = 0x04;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned SingleLine = 0x20;
} // namespace DrawTextFlags

// What the printouts draw on: a printer page, a preview bitmap or a PDF page. All
// coordinates and sizes are device units; text is Windows-1252. The font is the
// surface's current one: name, cell height (internal leading included) and style
// stay until set again, and so does the pen width.
class TDrawingSurface {
public:
    virtual ~TDrawingSurface() = default;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontHeight(int height) = 0;
    virtual void SetFontStyle(bool bold, bool underline) = 0;
    virtual void SetPenWidth(int width) = 0;

    // The text with the top-left corner of its cell at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;

    // The text wrapped and aligned inside the rectangle as the flags say, clipped to
    // it. Returns the height of the drawn text.
    virtual int DrawText(const TRect& rect, const std::string& text, unsigned flags) = 0;

    // The whole bitmap stretched to fill the rectangle. False when it could not be
    // drawn.
    virtual bool StretchBitmap(const TRect& rect, const TBitmap& bitmap) = 0;

    // Decodes a picture file (the format follows from the extension) or the program's
    // logo. False when the file is missing or cannot be decoded.
    virtual bool LoadPicture(const std::string& fileName, TBitmap& bitmap) = 0;
    virtual bool LoadLogo(TBitmap& bitmap) = 0;

    // Ends the page and starts the next one of the same job.
    virtual void NewPage() = 0;
};

} // namespace cvn
