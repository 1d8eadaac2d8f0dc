#include "printing/QtSurface.h"

#include "controls/CoreText.h"
#include "printing/Printouts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

#include <utility>

namespace cvn {

QString PrintFontFamily(const std::string& name) {
    static const std::pair<const char*, const char*> faces[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto& [wanted, face] : faces) {
        if (name == wanted && QFontDatabase::hasFamily(QString::fromLatin1(face))) {
            return QString::fromLatin1(face);
        }
    }
    return QStr(name);
}

TBitmap BitmapOf(const QImage& image) {
    QImage paper(image.size(), QImage::Format_ARGB32);
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        painter.drawImage(0, 0, image);
    }
    TBitmap bitmap;
    bitmap.Width = paper.width();
    bitmap.Height = paper.height();
    bitmap.Pixels.reserve(static_cast<std::size_t>(bitmap.Width) *
                          static_cast<std::size_t>(bitmap.Height));
    for (int y = 0; y < paper.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(paper.constScanLine(y));
        bitmap.Pixels.insert(bitmap.Pixels.end(), row, row + paper.width());
    }
    return bitmap;
}

TQtSurface::TQtSurface(QPainter& painter, std::function<void()> newPage)
    : Painter(painter), FNewPage(std::move(newPage)) {
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    SetPenWidth(1);
    ApplyFont();
}

void TQtSurface::ApplyFont() {
    const QString family = PrintFontFamily(FontName.empty() ? "Arial" : FontName);
    // The height is the cell, ascent and descent together; Qt sizes the em.
    QFont probe(family);
    probe.setPixelSize(1000);
    const QFontMetricsF probeMetrics(probe);
    const qreal cell = probeMetrics.ascent() + probeMetrics.descent();
    const qreal em = cell > 0 ? FontHeight * 1000.0 / cell : FontHeight;
    const int dpi = Painter.device() ? Painter.device()->logicalDpiY() : 96;
    Font = QFont(family);
    Font.setPointSizeF(em > 0 ? em * 72.0 / dpi : 1.0);
    Font.setBold(Bold);
    Font.setUnderline(Underline);
    Font.setKerning(false);
    Font.setHintingPreference(QFont::PreferNoHinting);
    Painter.setFont(Font);
}

void TQtSurface::SetFontName(const std::string& name) {
    FontName = name;
    ApplyFont();
}

void TQtSurface::SetFontHeight(int height) {
    FontHeight = height;
    ApplyFont();
}

void TQtSurface::SetFontStyle(bool bold, bool underline) {
    Bold = bold;
    Underline = underline;
    ApplyFont();
}

void TQtSurface::SetPenWidth(int width) {
    PenWidth = width;
    Painter.setPen(QPen(Qt::black, width < 1 ? 1 : width, Qt::SolidLine, Qt::RoundCap));
}

void TQtSurface::TextOut(int x, int y, const std::string& text) {
    const QFontMetricsF metrics(Font, Painter.device());
    Painter.drawText(QPointF(x, y + metrics.ascent()), QStr(text));
}

int TQtSurface::TextWidth(const std::string& text) {
    return qRound(QFontMetricsF(Font, Painter.device()).horizontalAdvance(QStr(text)));
}

int TQtSurface::TextHeight(const std::string&) {
    const QFontMetricsF metrics(Font, Painter.device());
    return qRound(metrics.ascent() + metrics.descent());
}

void TQtSurface::MoveTo(int x, int y) {
    PenPosition = QPointF(x, y);
}

void TQtSurface::LineTo(int x, int y) {
    const QPointF to(x, y);
    Painter.drawLine(PenPosition, to);
    PenPosition = to;
}

int TQtSurface::DrawText(const TRect& rect, const std::string& text, unsigned flags) {
    const bool singleLine = (flags & DrawTextFlags::SingleLine) != 0;
    QTextOption option;
    if (flags & DrawTextFlags::Right) {
        option.setAlignment(Qt::AlignRight);
    } else if (flags & DrawTextFlags::Center) {
        option.setAlignment(Qt::AlignHCenter);
    } else {
        option.setAlignment(Qt::AlignLeft);
    }
    option.setWrapMode(!singleLine && (flags & DrawTextFlags::WordBreak) ? QTextOption::WordWrap
                                                                         : QTextOption::NoWrap);
    const qreal width = rect.Right - rect.Left;
    const qreal height = rect.Bottom - rect.Top;
    QTextLayout layout(QStr(text), Font, Painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal bottom = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, bottom));
        bottom += line.height();
    }
    layout.endLayout();
    const qreal top = singleLine && (flags & DrawTextFlags::VCenter) ? (height - bottom) / 2 : 0;
    // Lines that start below the box are not drawn at all, so a PDF holds no hidden
    // text; the last one that starts inside is cut at the box's edge.
    Painter.save();
    Painter.setClipRect(QRectF(rect.Left, rect.Top, width, height));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (top + line.y() < height) {
            line.draw(&Painter, QPointF(rect.Left, rect.Top + top));
        }
    }
    Painter.restore();
    return qRound(bottom);
}

bool TQtSurface::StretchBitmap(const TRect& rect, const TBitmap& bitmap) {
    if (bitmap.Width <= 0 || bitmap.Height <= 0 ||
        bitmap.Pixels.size() !=
            static_cast<std::size_t>(bitmap.Width) * static_cast<std::size_t>(bitmap.Height)) {
        return false;
    }
    const QImage image(reinterpret_cast<const uchar*>(bitmap.Pixels.data()), bitmap.Width,
                       bitmap.Height, bitmap.Width * 4, QImage::Format_ARGB32);
    Painter.drawImage(QRectF(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                      image);
    return true;
}

bool TQtSurface::LoadPicture(const std::string& fileName, TBitmap& bitmap) {
    const std::string format = PictureFormatOf(fileName);
    const QString path = QString::fromLocal8Bit(fileName.c_str());
    if (format.empty() || !QFileInfo(path).isFile()) {
        return false;
    }
    QImageReader reader(path, QByteArray(format.c_str()));
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        return false;
    }
    bitmap = BitmapOf(image);
    return true;
}

bool TQtSurface::LoadLogo(TBitmap& bitmap) {
    QImageReader reader(QStringLiteral(":/FLASH"), "GIF");
    const QImage image = reader.read();
    if (image.isNull()) {
        return false;
    }
    bitmap = BitmapOf(image);
    return true;
}

void TQtSurface::NewPage() {
    if (FNewPage) {
        FNewPage();
    }
    // A painter begun anew on the next page has lost the font and the pen.
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    SetPenWidth(PenWidth);
    ApplyFont();
}

} // namespace cvn
