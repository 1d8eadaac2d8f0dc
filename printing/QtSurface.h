#pragma once

#include "printing/DrawingSurface.h"

#include <QFont>
#include <QPointF>

#include <functional>
#include <string>

class QImage;
class QPainter;

namespace cvn {

// The drawing surface on a painter: a printer page, a PDF page or a preview image.
// Font heights are cell heights as the printouts give them; "Arial" and "Times New
// Roman" are drawn with their metric-compatible faces, so text measures as laid out.
class TQtSurface : public TDrawingSurface {
public:
    // newPage ends the page and starts the next; empty for a single-page device.
    explicit TQtSurface(QPainter& painter, std::function<void()> newPage = {});

    void SetFontName(const std::string& name) override;
    void SetFontHeight(int height) override;
    void SetFontStyle(bool bold, bool underline) override;
    void SetPenWidth(int width) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int DrawText(const TRect& rect, const std::string& text, unsigned flags) override;
    bool StretchBitmap(const TRect& rect, const TBitmap& bitmap) override;
    bool LoadPicture(const std::string& fileName, TBitmap& bitmap) override;
    bool LoadLogo(TBitmap& bitmap) override;
    void NewPage() override;

private:
    void ApplyFont();

    QPainter& Painter;
    std::function<void()> FNewPage;
    std::string FontName;
    int FontHeight = 0;
    bool Bold = false;
    bool Underline = false;
    int PenWidth = 1;
    QFont Font;
    QPointF PenPosition;
};

// The family a printout's font name is drawn with.
QString PrintFontFamily(const std::string& name);

// A decoded image as a bitmap, composed on white paper where it is transparent.
TBitmap BitmapOf(const QImage& image);

} // namespace cvn
