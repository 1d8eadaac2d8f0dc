#include "app/About.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/UiTest.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

using namespace cvn;

// The about box; the splash is checked where it counts, on a real screen
// (SplashOnScreenTest).
class SplashAboutTest : public QObject {
    Q_OBJECT

private slots:
    // Each opening is a new box; the logo shows when the file is there; the link opens
    // the maker's site with the desktop's handler; OK closes.
    void aboutBoxShowsTheLogoWhenPresentAndOpensTheLink() {
        for (const bool withLogo : {true, false}) {
            test::TTempFolder folder;
            folder.UseAsAppPath();
            if (withLogo) {
                QImage logo(120, 30, QImage::Format_RGB32);
                logo.fill(Qt::darkBlue);
                QVERIFY(logo.save(QString::fromStdString(folder.Path() + "Images/Brenmoor.BMP"),
                                  "BMP"));
            } else {
                // A reseller's own address, shown and opened instead of the maker's.
                WriteIniString(folder.Path() + "Corvane.ini", "VENDOR", "web",
                               "www.reseller.example");
            }
            const std::string link =
                withLogo ? "https://www.brenmoor.com" : "https://www.reseller.example";
            test::TRecordingLauncher launcher;
            TfrmAbout about(launcher);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.windowTitle(), QStringLiteral("About Corvane"));
            QCOMPARE(about.size(), QSize(278, 169));
            QVERIFY(!about.Image1->pixmap().isNull());
            QCOMPARE(about.Image2->pixmap().isNull(), !withLogo);
            if (withLogo) {
                QCOMPARE(about.Image2->geometry(), QRect(96, 62, 120, 30));
            }
            QCOMPARE(about.Label3->text().toStdString(), link.substr(8));
            QTest::mouseClick(about.Label3, Qt::LeftButton);
            QTest::mouseClick(about.Label3, Qt::LeftButton);
            QCOMPARE(launcher.Opened, (std::vector<std::string>{link, link}));
            QVERIFY(about.isVisible());
            QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
            QVERIFY(about.isHidden());
            QCOMPARE(about.result(), int(QDialog::Accepted));
        }
    }
};

CORVANE_UI_TEST(SplashAboutTest)

#include "SplashAboutTest.moc"
