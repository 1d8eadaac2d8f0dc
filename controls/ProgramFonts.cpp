#include "controls/ProgramFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

namespace cvn {

void RegisterProgramFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        return;
    }
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
                              QStringLiteral("/usr/share/wine/fonts"),
                              QStringLiteral("/usr/share/fonts/truetype/wine")};
    for (const QString& folder : folders) {
        bool found = false;
        for (const char* name : {"tahoma.ttf", "tahomabd.ttf"}) {
            const QString file = QDir(folder).filePath(QString::fromLatin1(name));
            if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0) {
                found = true;
            }
        }
        if (found) {
            return;
        }
    }
}

QFont TahomaFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace cvn
