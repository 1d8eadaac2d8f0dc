#include "app/Program.h"
#include "app/QtServices.h"
#include "entry/ConvertDialog.h"
#include "entry/QuickBuilderDialog.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/Main.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

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

bool HasFocus(const QWidget* window, const QWidget* control) {
    const QWidget* focus = window->focusWidget();
    return focus &&
           (focus == control || focus->focusProxy() == control || focus->parentWidget() == control);
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // The splash, when shown, comes first and goes at least the wait after the last window.
    void windowsAreCreatedInOrderAndOutliveTheMainWindow() {
        for (const bool splash : {false, true}) {
            TProgramUnderTest test(splash);
            TProgram program(test.Services(), test.Options);
            test.Watch(program);
            program.CreateWindows();

            QStringList created;
            for (const QString& name : StartupWindows) {
                created << QStringLiteral("created cvn::") + name;
            }
            if (splash) {
                created.prepend(QStringLiteral("created cvn::TfrmSplash"));
                created << QStringLiteral("destroyed cvn::TfrmSplash");
                QVERIFY(test.SplashLife >= test.Options.SplashMilliseconds);
            }
            QCOMPARE(test.Log, created);
            QVERIFY(test.CatalogueLoadedFirst);
            QCOMPARE(QApplication::applicationName(), QStringLiteral("Corvane 38"));

            program.MainWindow()->show();
            program.MainWindow()->close();
            const auto closed = created.size() + 1;
            QCOMPARE(test.Log.size(), closed);
            QCOMPARE(test.Log.last(), QStringLiteral("main window closed"));
            // The other windows are still there after the close; they go afterwards.
            QCOMPARE(program.Windows().size(), std::size_t{6});
            program.DestroyWindows();
            QCOMPARE(test.Log.size(), closed + 6);
            for (const QString& name : StartupWindows) {
                QVERIFY(test.Log.mid(closed).contains(QStringLiteral("destroyed cvn::") + name));
            }
            QVERIFY(program.Windows().empty());
            QVERIFY(test.Folder.Exists("Corvane.ini"));
            QVERIFY(test.Prompts.Messages.empty());
        }
    }

    // The window's part of a conversion (the conversion and its history are the core's;
    // Continue setting the wizard up, the end-to-end suite's): Return converts and moves on
    // to Continue; an edit or a pick from the history forgets the result.
    void convertShowsTheResultUntilTheOldNumberChanges() {
        TProgramUnderTest test(false);
        test.Folder.UseAsAppPath();
        TfrmConvert window(test.Prompts);
        window.show();
        QVERIFY(HasFocus(&window, window.cbxOldPartNumber));
        QLineEdit* typed = window.cbxOldPartNumber->lineEdit();
        QTest::keyClicks(typed, QStringLiteral("wt-90-4"));
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(window.txtNewPartNumber->text(), QStringLiteral("D090ABSG"));
        QVERIFY(HasFocus(&window, window.btnContinue));
        for (const std::function<void()>& forget :
             {std::function<void()>([&] { QTest::keyClick(typed, Qt::Key_Backspace); }),
              std::function<void()>([&] { window.cbxOldPartNumber->activated(0); })}) {
            typed->setText(QStringLiteral("WT-90-4"));
            window.btnCreate->click();
            QVERIFY(window.btnContinue->isEnabled() &&
                    !window.txtComments->toPlainText().isEmpty());
            forget();
            QVERIFY(!window.btnContinue->isEnabled());
            QCOMPARE(window.txtNewPartNumber->text() + window.txtComments->toPlainText(),
                     QString());
        }
        QVERIFY(test.Prompts.Messages.empty());
    }

    // Create From Part Number, opened again and again: each showing starts from an empty
    // box, keys typed keep it open, and Create hands the number on and closes it.
    void quickBuilderStartsEmptyAtEachShowing() {
        TProgramUnderTest test(false);
        test.Folder.UseAsAppPath();
        TfrmCreate window(test.Prompts);
        std::vector<std::string> created;
        window.Core().SetupFromPartNumber = [&](const std::string& p) { created.push_back(p); };
        for (const char* typed : {" r187pa0125bsg", "st090a"}) {
            window.show();
            QCOMPARE(window.cbxPartNumber->currentText(), QString());
            QVERIFY(HasFocus(&window, window.cbxPartNumber));
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QString::fromLatin1(typed));
            QVERIFY(window.isVisible());
            window.btnCreate->click();
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(created, (std::vector<std::string>{"R187PA0125BSG", "ST090A"}));
    }
};

CORVANE_UI_TEST(ProgramTest)

#include "ProgramTest.moc"
