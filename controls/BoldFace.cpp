#include "controls/BoldFace.h"

#include <QPainterPath>
#include <QRawFont>

#include <cstdint>

namespace cvn {

namespace {

int Read16(const QByteArray& data, qsizetype at) {
    return (static_cast<unsigned char>(data[at]) << 8) | static_cast<unsigned char>(data[at + 1]);
}

qsizetype Read32(const QByteArray& data, qsizetype at) {
    return (static_cast<qsizetype>(Read16(data, at)) << 16) | Read16(data, at + 2);
}

void Write16(QByteArray& data, qsizetype at, int value) {
    data[at] = static_cast<char>((value >> 8) & 0xFF);
    data[at + 1] = static_cast<char>(value & 0xFF);
}

// Offset of a table of the face's table directory, or -1 when it has none of at least
// the given length.
qsizetype FindTable(const QByteArray& face, const char* tag, qsizetype minLength) {
    if (face.size() < 12) {
        return -1;
    }
    const int tables = Read16(face, 4);
    for (int i = 0; i < tables; ++i) {
        const qsizetype record = 12 + 16 * static_cast<qsizetype>(i);
        if (record + 16 > face.size()) {
            return -1;
        }
        if (face.mid(record, 4) == tag) {
            const qsizetype offset = Read32(face, record + 8);
            const qsizetype length = Read32(face, record + 12);
            const bool fits = length >= minLength && offset + minLength <= face.size();
            return fits ? offset : -1;
        }
    }
    return -1;
}

// The width of the stem of "l" in thousandths of the em.
qreal StemWidth(const QByteArray& face) {
    const QRawFont font(face, 1000);
    if (!font.isValid()) {
        return 0;
    }
    const QList<quint32> glyphs = font.glyphIndexesForString(QStringLiteral("l"));
    return glyphs.isEmpty() ? 0 : font.pathForGlyph(glyphs.front()).boundingRect().width();
}

} // namespace

bool HasBoldStrokes(const QByteArray& boldFace, const QByteArray& regularFace) {
    const qreal bold = StemWidth(boldFace);
    const qreal regular = StemWidth(regularFace);
    // A real bold's stems are half as heavy again or more.
    return bold > 0 && regular > 0 && bold >= 1.25 * regular;
}

QByteArray AsDemiBold(QByteArray face) {
    // OS/2: usWeightClass at 4, fsSelection at 62 (bit 5 bold, bit 6 regular).
    // head: macStyle at 44 (bit 0 bold).
    const qsizetype os2 = FindTable(face, "OS/2", 64);
    const qsizetype head = FindTable(face, "head", 46);
    if (os2 < 0 || head < 0) {
        return face;
    }
    Write16(face, os2 + 4, 600);
    Write16(face, os2 + 62, (Read16(face, os2 + 62) & ~0x20) | 0x40);
    Write16(face, head + 44, Read16(face, head + 44) & ~0x01);
    return face;
}

} // namespace cvn
