// The splash as the screen shows it: on a real X display (ctest runs this class under
// Xvfb), what the display holds is read back while the catalogue loads.

#include "app/Program.h"
#include "app/QtServices.h"
#include "app/Splash.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/UiTest.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <vector>

using namespace cvn;

namespace {

// The part of the whole screen under a window, as the display holds it.
QImage ScreenUnder(const QRect& area) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage();
}

} // namespace

class SplashOnScreenTest : public QObject {
    Q_OBJECT

private slots:
    // From the first window's creation to the last, the picture (found whatever the case
    // of its name), at its own size from the top-left, and the plate around it are on the
    // screen, not a window never drawn; without its picture, a plain frameless plate.
    void splashIsOnTheScreenWhileTheCatalogueLoads() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X display; ctest runs this class under Xvfb");
        }
        for (const bool withPicture : {true, false}) {
            test::TTempFolder folder;
            folder.CopySample("Data");
            // Smaller than the plate, so stretching or centring would show. Qt cannot
            // write GIF; the PNG under the GIF's name is read by its content.
            QImage picture(300, 200, QImage::Format_RGB32);
            picture.fill(Qt::red);
            QVERIFY(!withPicture ||
                    picture.save(QString::fromStdString(folder.Path() + "Images/SplashImage.GIF"),
                                 "PNG"));
            test::TScriptedPrompts prompts;
            TQtServices desktop;
            TProgramOptions options;
            options.ShowSplash = true;
            options.ProgramFolder = folder.Path();
            TProgram program({prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock},
                             options);
            QWidget* splash = nullptr;
            QColor plate;
            std::vector<QImage> shots;
            program.OnWindowCreated = [&](QWidget* window) {
                if (!splash) {
                    splash = window;
                    plate = splash->palette().color(QPalette::Button);
                    return;
                }
                QVERIFY(splash->isVisible());
                QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
                shots.push_back(ScreenUnder(splash->geometry()));
            };
            program.CreateWindows();

            QCOMPARE(shots.size(), std::size_t{6});
            const QColor inside = withPicture ? QColor(Qt::red) : plate;
            for (const QImage& shot : shots) {
                QCOMPARE(shot.size(), QSize(432, 288));
                for (const QPoint p : {QPoint(0, 0), QPoint(150, 100), QPoint(299, 199)}) {
                    QCOMPARE(shot.pixelColor(p), inside);
                }
                for (const QPoint p : {QPoint(300, 200), QPoint(431, 0), QPoint(431, 287)}) {
                    QCOMPARE(shot.pixelColor(p), plate);
                }
            }
            QVERIFY(prompts.Messages.empty());
        }
    }
};

CORVANE_UI_TEST(SplashOnScreenTest)

#include "SplashOnScreenTest.moc"
