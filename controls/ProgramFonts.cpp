#include "controls/ProgramFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

#include <utility>

namespace cvn {

void RegisterProgramFonts() {
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
                              QStringLiteral("/usr/share/wine/fonts"),
                              QStringLiteral("/usr/share/fonts/truetype/wine")};
    // Tahoma for the windows; MS Sans Serif for the two confirmation dialogs.
    const std::pair<QString, QStringList> faces[] = {
        {QStringLiteral("Tahoma"), {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("ms_sans_serif.ttf")}},
    };
    for (const auto& [family, files] : faces) {
        if (QFontDatabase::families().contains(family)) {
            continue;
        }
        for (const QString& folder : folders) {
            bool found = false;
            for (const QString& name : files) {
                const QString file = QDir(folder).filePath(name);
                if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0) {
                    found = true;
                }
            }
            if (found) {
                break;
            }
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
