#include "app/Splash.h"

#include "controls/Form.h"

namespace cvn {

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(432, 288);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    CentreOnScreen(this);
}

} // namespace cvn
