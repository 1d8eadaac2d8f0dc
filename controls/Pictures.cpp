#include "controls/Pictures.h"

#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"

#include <QLabel>

namespace cvn {

namespace {

bool LoadPicture(const std::string& name, QPixmap& picture) {
    const std::string path = ResolvePath(ImagesPath + name);
    return FileExists(path) && picture.load(QStr(path));
}

} // namespace

void ShowPicture(QLabel* image, const std::string& name) {
    QPixmap picture;
    if (!name.empty() && LoadPicture(name, picture)) {
        image->setScaledContents(true);
        image->setPixmap(picture);
    } else if (!name.empty() && LoadPicture("NA.gif", picture)) {
        image->setScaledContents(false);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setPixmap(picture);
    } else {
        image->clear();
    }
}

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/MAINICON"));
}

QPixmap ProgramIconPixmap(int size) {
    return ProgramIcon().pixmap(size, size);
}

} // namespace cvn
