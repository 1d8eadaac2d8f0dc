#include "update/Update.h"
#include "app/MainLinks.h"
#include "app/QtServices.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "printing/PreviewWindow.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/LocalHttpServer.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/UiTest.h"
#include "update/OptionsWindow.h"
#include "update/QtDownloader.h"
#include "update/UpdateWindow.h"
#include "wizard/Main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace cvn;
using namespace std::chrono;

namespace {

using test::TLocalHttpServer;

const TDate Today = 2026y / December / 6;
const char* const DesignText =
    "Before clicking the Update button, please make sure you have an active Internet connection.";

class TRecordingLauncher : public TLauncher {
public:
    std::vector<std::string> Opened;
    bool Open(const std::string& target) override {
        Opened.push_back(target);
        return true;
    }
};

// A program folder with its update settings, and the services a test can answer.
struct TUpdateUnderTest {
    TUpdateUnderTest() { Folder.UseAsAppPath(); }

    std::string Ini() const { return UpdateIniFile(Folder.Path()); }
    // A QString, so that a failing comparison shows the values.
    QString Read(const char* key) const {
        return QString::fromStdString(ReadIniString(Ini(), "UPDATE", key, "-"));
    }
    void Write(const char* key, const std::string& value) const {
        WriteIniString(Ini(), "UPDATE", key, value);
    }
    // A date as the windows write it, in the desktop's pattern.
    static QString DateText(TDate date) {
        return QString::fromStdString(
            FormatShortDate(date, NumericDatePattern(SystemShortDatePattern())));
    }
    std::string Installer() const { return Folder.Read("corvane.exe"); }
    TServices Services() { return {Prompts, Launcher, Desktop.FileDialogs, Clock}; }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TRecordingLauncher Launcher;
    TQtServices Desktop;
    test::TFixedClock Clock{Today};
};

// Runs the action on the next modal window of class T once it is up; gives up after
// five seconds, so that a window that never comes fails the test rather than hangs it.
template <class T, class F> void OnNextModal(F action) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(window);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start(5);
}

// Every file of the folder, to see that no temporary file is left behind.
QStringList FilesIn(const std::string& folder) {
    return QDir(QStr(folder)).entryList(QDir::Files, QDir::Name);
}

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    // A download replaces the old installer only when it arrived whole, and leaves no
    // temporary file behind either way; the hourglass shows meanwhile and goes after.
    void downloadReplacesTheInstallerOnlyWhenComplete() {
        const struct {
            const char* Name;
            TLocalHttpServer::TReply Reply;
            bool Refused;
            bool Ok;
        } cases[] = {
            {"success", TLocalHttpServer::TReply::Ok, false, true},
            {"404", TLocalHttpServer::TReply::NotFound, false, false},
            {"cut short", TLocalHttpServer::TReply::Truncated, false, false},
            {"refused", TLocalHttpServer::TReply::Ok, true, false},
        };
        for (const auto& c : cases) {
            test::TTempFolder folder;
            folder.Write("corvane.exe", "old installer");
            TLocalHttpServer server;
            server.Body = QByteArray(200000, 'x') + "end";
            server.Reply = c.Reply;
            bool hourglass = false;
            server.OnRequest = [&] {
                hourglass = QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            };
            const QString url =
                c.Refused ? TLocalHttpServer::RefusedUrl() : server.Url("/setup/corvane.exe");
            TQtDownloader downloader;
            const bool ok = downloader.Download(CoreStr(url), folder.Path() + "corvane.exe");
            QVERIFY2(ok == c.Ok, c.Name);
            QCOMPARE(folder.Read("corvane.exe"),
                     c.Ok ? server.Body.toStdString() : std::string("old installer"));
            QCOMPARE(FilesIn(folder.Path()), QStringList{"corvane.exe"});
            QVERIFY2(!QApplication::overrideCursor(), c.Name);
            if (!c.Refused) {
                QCOMPARE(server.Requests, QList<QByteArray>{"GET /setup/corvane.exe HTTP/1.1"});
                QVERIFY2(hourglass, c.Name);
            }
        }
    }

    void aFolderThatCannotBeWrittenFailsBeforeAskingTheServer() {
        test::TTempFolder folder;
        TLocalHttpServer server;
        // Root may write anywhere it can chmod; /proc takes no new files from anyone.
        const bool root = ::geteuid() == 0;
        const std::string target = root ? "/proc/corvane.exe" : folder.Path() + "corvane.exe";
        if (!root) {
            std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
        }
        TQtDownloader downloader;
        QVERIFY(!downloader.Download(CoreStr(server.Url("/corvane.exe")), target));
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
        QVERIFY(!folder.Exists("corvane.exe"));
        QVERIFY(!QApplication::overrideCursor());
    }

    void aServerThatStopsSendingCountsAsAFailure() {
        test::TTempFolder folder;
        TLocalHttpServer server;
        server.Reply = TLocalHttpServer::TReply::Silent;
        TQtDownloader downloader(300);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!downloader.Download(CoreStr(server.Url("/corvane.exe")),
                                     folder.Path() + "corvane.exe"));
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(!folder.Exists("corvane.exe"));
    }

    // Update through the window: the message, the file, the launch and the next
    // reminder, for a download that works and for each way one fails.
    void updateButtonDownloadsLaunchesAndSchedulesTheNextReminder() {
        const struct {
            const char* Name;
            TLocalHttpServer::TReply Reply;
            bool Refused;
        } cases[] = {
            {"success", TLocalHttpServer::TReply::Ok, false},
            {"404", TLocalHttpServer::TReply::NotFound, false},
            {"refused", TLocalHttpServer::TReply::Ok, true},
        };
        for (const auto& c : cases) {
            TUpdateUnderTest test;
            TLocalHttpServer server;
            server.Reply = c.Reply;
            const bool ok = c.Reply == TLocalHttpServer::TReply::Ok && !c.Refused;
            test.Write("url", CoreStr(c.Refused ? TLocalHttpServer::RefusedUrl()
                                                : server.Url("/corvane.exe")));
            test.Write("days", "45");
            TfrmUpdate window(test.Services(), test.Folder.Path());
            window.show();
            QTest::mouseClick(window.btnUpdate, Qt::LeftButton);

            QVERIFY2(window.isHidden(), c.Name);
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QCOMPARE(test.Prompts.Messages.size(), std::size_t{1});
            if (ok) {
                QCOMPARE(test.Prompts.Texts("information"),
                         std::vector<std::string>{DownloadedText});
                QCOMPARE(test.Installer(), server.Body.toStdString());
                QCOMPARE(test.Launcher.Opened,
                         std::vector<std::string>{test.Folder.Path() + "corvane.exe"});
            } else {
                QCOMPARE(test.Prompts.Texts("error"), std::vector<std::string>{DownloadFailedText});
                QVERIFY2(!test.Folder.Exists("corvane.exe"), c.Name);
                QVERIFY2(test.Launcher.Opened.empty(), c.Name);
            }
            QCOMPARE(test.Read("date"), test.DateText(2027y / January / 20));
        }
    }

    // Cancel and Escape schedule the next reminder; the close box leaves it due.
    void cancelAndEscapeScheduleTheNextReminderButTheCloseBoxDoesNot() {
        for (const int way : {0, 1, 2}) {
            TUpdateUnderTest test;
            test.Write("date", "1/1/2000");
            test.Write("days", "45");
            TfrmUpdate window(test.Services(), test.Folder.Path());
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            if (way == 0) {
                QTest::mouseClick(window.btnCancel, Qt::LeftButton);
            } else if (way == 1) {
                QTest::keyClick(&window, Qt::Key_Escape);
            } else {
                window.close();
            }
            QVERIFY(window.isHidden());
            QCOMPARE(window.result(), int(QDialog::Rejected));
            QCOMPARE(test.Read("date"),
                     way == 2 ? QStringLiteral("1/1/2000") : test.DateText(2027y / January / 20));
            QVERIFY(test.Prompts.Messages.empty());
        }
    }

    // The options dialog from the update window: typed days held within range, the
    // check box greying the days at once, both written however the dialog closes and
    // shown again when it reopens; a later Cancel uses the new days.
    void optionsAreWrittenHoweverTheDialogClosesAndUsedByCancel() {
        TUpdateUnderTest test;
        test.Write("days", "45");
        TfrmUpdate window(test.Services(), test.Folder.Path());
        window.show();

        // Types into the days field as the user would. No QVERIFY here: the dialog must
        // close whatever happens, and the values written tell whether the typing counted.
        auto typeDays = [](TfrmOptions* options, const char* days) {
            if (QTest::qWaitForWindowActive(options)) {
                options->txtDays->setFocus();
                options->txtDays->selectAll();
                QTest::keyClicks(options->txtDays, days);
            }
        };
        // Typed below the range, then the close box with the field still in use.
        bool shown = false;
        OnNextModal<TfrmOptions>([&](TfrmOptions* options) {
            shown = options->txtDays->value() == 45 && options->txtDays->isEnabled() &&
                    !options->cbxAutoUpdate->isChecked();
            typeDays(options, "5");
            options->close();
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(window.isVisible());
        QCOMPARE(test.Read("days"), QStringLiteral("10"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("0"));

        bool greyedAtOnce = false;
        OnNextModal<TfrmOptions>([&](TfrmOptions* options) {
            shown = options->txtDays->value() == 10;
            QTest::mouseClick(options->cbxAutoUpdate, Qt::LeftButton);
            greyedAtOnce = !options->txtDays->isEnabled();
            QTest::mouseClick(options->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(greyedAtOnce);
        QCOMPARE(test.Read("days"), QStringLiteral("10"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("1"));

        bool enabledAgain = false;
        OnNextModal<TfrmOptions>([&](TfrmOptions* options) {
            shown = options->cbxAutoUpdate->isChecked() && !options->txtDays->isEnabled();
            QTest::mouseClick(options->cbxAutoUpdate, Qt::LeftButton);
            enabledAgain = options->txtDays->isEnabled();
            typeDays(options, "60");
            QTest::keyClick(options, Qt::Key_Escape);
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(enabledAgain);
        QCOMPARE(test.Read("days"), QStringLiteral("60"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("0"));

        QTest::mouseClick(window.btnCancel, Qt::LeftButton);
        QCOMPARE(test.Read("date"), test.DateText(2027y / February / 4));
    }

    // The menu shows the window with its design text; the reminder comes with every
    // activation of the main window while due, and goes once answered.
    void theMainWindowRemindsAtEachActivationUntilAnswered() {
        TUpdateUnderTest test;
        test.Folder.CopySample("Data");
        TfrmMain main(test.Services(), test.Folder.Path());
        TfrmPreview preview(test.Prompts);
        ConnectMainWindow(main, test.Services(), preview);
        const test::TMainWidgets ui(main);
        QWidget elsewhere;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::qWait(20);
        // First run: a date 30 days on, no window.
        QCOMPARE(test.Read("date"), test.DateText(2027y / January / 5));
        QVERIFY(!QApplication::activeModalWidget());

        QString shown;
        OnNextModal<TfrmUpdate>([&](TfrmUpdate* window) {
            shown = window->lblMessage->text();
            QTest::mouseClick(window->btnCancel, Qt::LeftButton);
        });
        ui.mnuUpdate->trigger();
        QCOMPARE(shown, QString::fromLatin1(DesignText));
        QCOMPARE(test.Read("date"), test.DateText(2027y / January / 5));

        // Due: the day after the stored one.
        test.Clock.Today = 2027y / January / 6;
        int reminders = 0;
        auto activateMain = [&] {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            elsewhere.hide();
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QTest::qWait(50);
        };
        for (int closeBox = 0; closeBox < 2; ++closeBox) {
            OnNextModal<TfrmUpdate>([&](TfrmUpdate* window) {
                ++reminders;
                shown = window->lblMessage->text();
                window->close();
            });
            activateMain();
            QCOMPARE(reminders, closeBox + 1);
            QCOMPARE(shown, QString::fromLatin1(ReminderText));
        }
        OnNextModal<TfrmUpdate>([&](TfrmUpdate* window) {
            ++reminders;
            QTest::mouseClick(window->btnCancel, Qt::LeftButton);
        });
        activateMain();
        QCOMPARE(reminders, 3);
        QCOMPARE(test.Read("date"), test.DateText(2027y / February / 5));
        // Answered: no reminder at the next activation.
        activateMain();
        QVERIFY(!QApplication::activeModalWidget());
        main.close();
    }
};

CORVANE_UI_TEST(UpdateTest)

#include "UpdateTest.moc"
