#include "app/Splash.h"

#include "catalogue/Files.h"
#include "controls/CoreText.h"
#include "controls/Form.h"

#include <QLabel>
#include <QPixmap>

namespace cvn {

TfrmSplash::TfrmSplash(const std::string& programFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    FormCreate(programFolder);
    CentreOnScreen(this);
}

void TfrmSplash::FormCreate(const std::string& programFolder) {
    const std::string path = ResolvePath(programFolder + "images/splashimage.gif");
    QPixmap picture;
    if (!FileExists(path) || !picture.load(QStr(path))) {
        return;
    }
    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(rect());
    Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image->setPixmap(picture);
}

} // namespace cvn
