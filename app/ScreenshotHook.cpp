#include "app/ScreenshotHook.h"

#include "app/Program.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace cvn {

namespace {

bool Save(const QPixmap& picture, const QString& fileName) {
    if (picture.isNull() || !picture.save(fileName, "PNG")) {
        std::fprintf(stderr, "corvane38: cannot save the screenshot %s\n", qPrintable(fileName));
        return false;
    }
    std::printf("corvane38: screenshot saved to %s\n", qPrintable(fileName));
    std::fflush(stdout);
    return true;
}

} // namespace

void ArmScreenshotHook(TProgram& program) {
    const QString fileName = qEnvironmentVariable("CORVANE38_SCREENSHOT");
    if (fileName.isEmpty()) {
        return;
    }
    QTimer::singleShot(30000, [fileName] {
        std::fprintf(stderr, "corvane38: the main window did not settle; saving the screen\n");
        if (QScreen* screen = QApplication::primaryScreen()) {
            Save(screen->grabWindow(0), fileName);
        }
        std::_Exit(3);
    });
    auto* poll = new QTimer(qApp);
    auto settled = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, settled, fileName, &program] {
        TfrmMain* main = program.MainWindow();
        if (!main || !main->isVisible() || QApplication::activeModalWidget()) {
            *settled = 0;
            return;
        }
        if (++*settled < 4) {
            return;
        }
        poll->stop();
        QPixmap picture;
        if (QScreen* screen = main->screen()) {
            picture = screen->grabWindow(main->winId());
        }
        Save(picture.isNull() ? main->grab() : picture, fileName);
        main->close();
    });
    poll->start(250);
}

} // namespace cvn
