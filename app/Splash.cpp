#include "app/Splash.h"

#include "catalogue/Files.h"
#include "controls/CoreText.h"
#include "controls/Form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QThread>
#include <QWindow>

#include <algorithm>

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

void TfrmSplash::ShowPainted() {
    show();
    // The window system maps the window (a window manager first frames it) and only
    // then lets it be drawn; drawing before that is lost.
    QElapsedTimer clock;
    clock.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && clock.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
    repaint();
    // The drawing has reached the screen before the thread is blocked.
    QGuiApplication::sync();
}

void TfrmSplash::Linger(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const qint64 left = milliseconds - clock.elapsed();
        if (left > 0) {
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 5)));
        }
    }
}

} // namespace cvn
