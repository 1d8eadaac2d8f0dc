#include "controls/ProgramFonts.h"

#include "controls/BoldFace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace cvn {

namespace {

QByteArray ReadFont(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Registers the faces of one family from the first folder that has any of them. A bold
// face drawn no heavier than the regular one is registered so that it is thickened.
void RegisterFamily(const QStringList& folders, const QString& regularName,
                    const QString& boldName) {
    for (const QString& folder : folders) {
        const QByteArray regular = ReadFont(QDir(folder).filePath(regularName));
        QByteArray bold =
            boldName.isEmpty() ? QByteArray() : ReadFont(QDir(folder).filePath(boldName));
        if (regular.isEmpty() && bold.isEmpty()) {
            continue;
        }
        if (!regular.isEmpty()) {
            QFontDatabase::addApplicationFontFromData(regular);
        }
        if (!bold.isEmpty()) {
            if (!regular.isEmpty() && !HasBoldStrokes(bold, regular)) {
                bold = AsDemiBold(bold);
            }
            QFontDatabase::addApplicationFontFromData(bold);
        }
        return;
    }
}

} // namespace

void RegisterProgramFonts() {
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
                              QStringLiteral("/usr/share/wine/fonts"),
                              QStringLiteral("/usr/share/fonts/truetype/wine")};
    // Tahoma for the windows; MS Sans Serif for the two confirmation dialogs.
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        RegisterFamily(folders, QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf"));
    }
    if (!QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))) {
        RegisterFamily(folders, QStringLiteral("ms_sans_serif.ttf"), QString());
    }
}

QFont TahomaFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace cvn
