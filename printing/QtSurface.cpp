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
    int qtFlags = 0;
    if (flags & DrawTextFlags::Right) {
        qtFlags |= Qt::AlignRight;
    } else if (flags & DrawTextFlags::Center) {
        qtFlags |= Qt::AlignHCenter;
    } else {
        qtFlags |= Qt::AlignLeft;
    }
    const bool singleLine = (flags & DrawTextFlags::SingleLine) != 0;
    qtFlags |= singleLine && (flags & DrawTextFlags::VCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    if (!singleLine && (flags & DrawTextFlags::WordBreak)) {
        qtFlags |= Qt::TextWordWrap;
    }
    const QRect box(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    const QString shown = QStr(text);
    Painter.save();
    Painter.setClipRect(box);
    QRect drawn;
    Painter.drawText(box, qtFlags, shown, &drawn);
    Painter.restore();
    return drawn.height();
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
