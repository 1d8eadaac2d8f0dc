#include "app/Program.h"
#include "app/QtServices.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TxtTable.h"
#include "controls/MultiColumnCombo.h"
#include "entry/Convert.h"
#include "entry/Create.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QElapsedTimer>
#include <QTest>

using namespace cvn;

namespace {

struct TProgramUnderTest {
    explicit TProgramUnderTest(bool showSplash) {
        Folder.CopySample("Data");
        Options.ShowSplash = showSplash;
        Options.SplashMilliseconds = 60;
        Options.ProgramFolder = Folder.Path();
    }

    // Records each window's creation, the main window's close and each destruction.
    void Watch(TProgram& program) {
        program.OnWindowCreated = [this](QWidget* window) {
            const QString name = QString::fromLatin1(window->metaObject()->className());
            Log << QStringLiteral("created ") + name;
            Clock.start();
            if (auto* main = qobject_cast<TfrmMain*>(window)) {
                QObject::connect(main, &TfrmMain::FormClosed,
                                 [this] { Log << QStringLiteral("main window closed"); });
            } else if (!name.endsWith(QStringLiteral("Splash"))) {
                // Each later window comes after the catalogue has loaded.
                CatalogueLoadedFirst &= Loaded();
            }
            QObject::connect(window, &QObject::destroyed, [this, name] {
                Log << QStringLiteral("destroyed ") + name;
                if (name.endsWith(QStringLiteral("Splash"))) {
                    SplashLife = Clock.elapsed();
                }
            });
        };
        Program = &program;
    }

    bool Loaded() const {
        return Program && Program->MainWindow() &&
               Program->MainWindow()->Core().FamilyTable.RowCount() == 11;
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TQtServices Desktop;
    TProgramOptions Options;
    TProgram* Program = nullptr;
    QStringList Log;
    QElapsedTimer Clock;
    qint64 SplashLife = -1;
    bool CatalogueLoadedFirst = true;

    TServices Services() { return {Prompts, Desktop.Launcher, Desktop.FileDialogs, Desktop.Clock}; }
};

const QStringList StartupWindows{"TfrmMain",   "TfrmOrder",   "TfrmAddOrder",
                                 "TfrmCreate", "TfrmConvert", "TfrmPreview"};

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // Without command-line arguments there is no splash.
    void windowsAreCreatedInOrderAndOutliveTheMainWindow() {
        TProgramUnderTest test(false);
        TProgram program(test.Services(), test.Options);
        test.Watch(program);
        program.CreateWindows();

        QStringList created;
        for (const QString& name : StartupWindows) {
            created << QStringLiteral("created cvn::") + name;
        }
        QCOMPARE(test.Log, created);
        QVERIFY(test.CatalogueLoadedFirst);
        QCOMPARE(program.Windows().size(), std::size_t{6});
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Corvane 38"));

        program.MainWindow()->show();
        program.MainWindow()->close();
        QCOMPARE(test.Log.size(), 7);
        QCOMPARE(test.Log.last(), QStringLiteral("main window closed"));
        // The other windows are still there after the close; they go afterwards.
        QCOMPARE(program.Windows().size(), std::size_t{6});
        program.DestroyWindows();
        QCOMPARE(test.Log.size(), 13);
        for (const QString& name : StartupWindows) {
            QVERIFY(test.Log.mid(7).contains(QStringLiteral("destroyed cvn::") + name));
        }
        QVERIFY(program.Windows().empty());
        QVERIFY(test.Folder.Exists("Corvane.ini"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    // The Quick Builder and the Convert dialog set the main window up; it then shows
    // the part's choices on screen 1.
    void partNumberDialogsSetTheMainWindowUp() {
        TProgramUnderTest test(false);
        TProgram program(test.Services(), test.Options);
        program.CreateWindows();
        TfrmMain* main = program.MainWindow();
        auto* create = qobject_cast<TfrmCreate*>(main->frmCreate);
        QVERIFY(create);
        create->cbxPartNumber->setEditText(QStringLiteral(" r187pa0125bsg "));
        QTest::mouseClick(create->btnCreate, Qt::LeftButton);
        QCOMPARE(main->Core().ProductTypeIndex, 8);
        QCOMPARE(main->Core().Length.Text, std::string("12.5"));
        QCOMPARE(main->cbxProductType->currentIndex(), 8);
        QCOMPARE(main->lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        auto* convert = qobject_cast<TfrmConvert*>(main->frmConvert);
        QVERIFY(convert);
        const TTxtTable conversions = [] {
            test::TScriptedPrompts silent;
            return LoadDataTable("Conversion.tbl", silent);
        }();
        QVERIFY(conversions.RowCount() > 0);
        convert->cbxOldPartNumber->setEditText(QString::fromLatin1(conversions.GetField(0, 1)));
        QTest::mouseClick(convert->btnCreate, Qt::LeftButton);
        QVERIFY(convert->btnContinue->isEnabled());
        QTest::mouseClick(convert->btnContinue, Qt::LeftButton);
        QCOMPARE(main->Core().ProductTypeIndex,
                 FamilyTypeOf(UpperCase(conversions.GetField(0, 2)), test.Prompts));
        QVERIFY(test.Prompts.Messages.empty());
        program.DestroyWindows();
    }

    void theSplashComesFirstAndStaysPastTheLastWindow() {
        TProgramUnderTest test(true);
        TProgram program(test.Services(), test.Options);
        test.Watch(program);
        program.CreateWindows();

        QCOMPARE(test.Log.value(0), QStringLiteral("created cvn::TfrmSplash"));
        QCOMPARE(test.Log.value(1), QStringLiteral("created cvn::TfrmMain"));
        QCOMPARE(test.Log.value(6), QStringLiteral("created cvn::TfrmPreview"));
        // Gone before the message loop runs, at least the wait after the last window.
        QCOMPARE(test.Log.value(7), QStringLiteral("destroyed cvn::TfrmSplash"));
        QVERIFY(test.SplashLife >= test.Options.SplashMilliseconds);
        QVERIFY(test.CatalogueLoadedFirst);
    }
};

CORVANE_UI_TEST(ProgramTest)

#include "ProgramTest.moc"
