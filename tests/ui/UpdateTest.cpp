// The update's windows and its Qt downloader, against a server on this machine. When a
// reminder is due and what "days" the next one takes are the schedule's own rules,
// tested in tests/update; here, what the windows show and that they call them.

#include "update/Update.h"
#include "app/QtServices.h"
#include "catalogue/IniFile.h"
#include "controls/CoreText.h"
#include "controls/SpinEdit.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SigningKey.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/LocalHttpServer.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
#include "update/DownloadWindow.h"
#include "update/OptionsWindow.h"
#include "update/QtDownloader.h"
#include "update/UpdateWindow.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <functional>
#include <optional>
#include <unistd.h>

using namespace cvn;
using namespace std::chrono;

namespace {

using test::TLocalHttpServer;
using R = TLocalHttpServer::TReply;

const TDate Today = 2026y / December / 6;

// "date", "days" and "autoupdate" of a program folder's update.ini.
QString Setting(const std::string& folder, const char* key) {
    return QString::fromStdString(ReadIniString(UpdateIniFile(folder), "UPDATE", key, "-"));
}

// A date as the windows write it, in the desktop's pattern.
QString DateText(TDate date) {
    return QString::fromStdString(
        FormatShortDate(date, NumericDatePattern(SystemShortDatePattern())));
}

// Every file of the folder, to see that no temporary file is left behind.
QStringList FilesIn(const std::string& folder) {
    return QDir(QStr(folder)).entryList(QDir::Files, QDir::Name);
}

bool Hourglass() {
    return QApplication::overrideCursor() &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Update stands for the update window's own button.
enum class TClose { Button, Escape, CloseBox, Update };

// Closes a dialog as the user may: with its button, Escape or the close box.
void CloseBy(TClose way, QDialog& dialog, QPushButton* button) {
    if (way == TClose::Button) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (way == TClose::Escape) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        dialog.close();
    }
}

// The options dialog's days as shown, and whether the box is ticked and the days greyed.
QString OptionsShown(TfrmOptions& dialog) {
    return dialog.txtDays->text() + (dialog.cbxAutoUpdate->isChecked() ? " ticked" : "") +
           (dialog.txtDays->isEnabled() ? "" : " greyed");
}

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    // A file replaces its target only when it came whole, within its limit and the
    // deadline, from an address the download rules allow, by redirects they allow (the
    // host as the network library reads it); a refused address is never asked. No
    // temporary file is left behind; the hourglass shows meanwhile, under the progress
    // window that blocks the program and whose Cancel, Escape and close box end it within
    // a second. A target that cannot be written fails before the server is asked.
    void downloadReplacesTheTargetOnlyWhenWholeAllowedAndWithinLimits() {
        enum class TAt { Server, Refused, UserInfo, Unwritable };
        constexpr qint64 MiB = 1024 * 1024;
        const struct {
            const char* Name;
            R Reply;
            bool Mirror;
            TAt At;
            qint64 MaxBytes;
            TDownloadTimes Times;
            std::optional<TClose> Stop;
            bool Ok;
            qsizetype Requests;
        } cases[] = {
            // clang-format off
            {"success", R::Ok, false, TAt::Server, MiB, {}, {}, true, 1},
            {"exactly the limit", R::Ok, false, TAt::Server, 200003, {}, {}, true, 1},
            {"404", R::NotFound, false, TAt::Server, MiB, {}, {}, false, 1},
            {"cut short", R::Truncated, false, TAt::Server, MiB, {}, {}, false, 1},
            {"refused", R::Ok, false, TAt::Refused, MiB, {}, {}, false, 0},
            {"larger than the limit", R::Ok, false, TAt::Server, 200002, {}, {}, false, 1},
            // Each deadline comes after the time every row must end in.
            {"endless body", R::Endless, false, TAt::Server, 4 * MiB, {60000, 4000}, {}, false, 1},
            {"stalled", R::Silent, false, TAt::Server, MiB, {300, 60000}, {}, false, 1},
            {"trickle past the deadline", R::Trickle, false, TAt::Server, MiB, {60000, 1000}, {}, false, 1},
            {"trickle, Cancel", R::Trickle, false, TAt::Server, MiB, {}, TClose::Button, false, 1},
            {"trickle, Escape", R::Trickle, false, TAt::Server, MiB, {}, TClose::Escape, false, 1},
            {"trickle, close box", R::Trickle, false, TAt::Server, MiB, {}, TClose::CloseBox, false, 1},
            {"redirect on this machine", R::Redirect, true, TAt::Server, MiB, {}, {}, true, 2},
            {"redirect to http elsewhere", R::Redirect, false, TAt::Server, MiB, {}, {}, false, 1},
            {"this machine as a user name", R::Ok, false, TAt::UserInfo, MiB, {}, {}, false, 0},
            {"a folder that cannot be written", R::Ok, false, TAt::Unwritable, MiB, {}, {}, false, 0},
            // clang-format on
        };
        for (const auto& c : cases) {
            test::TTempFolder folder;
            folder.Write("corvane.exe", "old installer");
            TLocalHttpServer server;
            // Another loopback address that the rules do not count as this machine.
            TLocalHttpServer elsewhere(QHostAddress(QStringLiteral("127.0.0.2")));
            server.Body = QByteArray(200000, 'x') + "end";
            server.Reply = c.Reply;
            if (c.Reply == R::Trickle) {
                // Six seconds in all: past the deadline, yet it ends should that not.
                server.Body = QByteArray(60, 't');
                server.TrickleMilliseconds = 100;
            }
            server.Location =
                (c.Mirror ? server.Url("/mirror/corvane.exe") : elsewhere.Url("/corvane.exe"))
                    .toLatin1();
            server.Answers["/mirror/corvane.exe"] = {R::Ok, server.Body, {}};
            bool hourglass = false;
            server.OnRequest = [&] { hourglass = Hourglass(); };
            const QString url =
                c.At == TAt::Refused ? TLocalHttpServer::RefusedUrl()
                : c.At == TAt::UserInfo
                    ? elsewhere.Url("/corvane.exe").replace("http://", "http://127.0.0.1@")
                    : server.Url("/setup/corvane.exe");
            // Root may write anywhere it can chmod; /proc takes no new files from anyone.
            const bool unwritable = c.At == TAt::Unwritable;
            const std::string target = unwritable && ::geteuid() == 0
                                           ? "/proc/corvane.exe"
                                           : folder.Path() + "corvane.exe";
            namespace fs = std::filesystem;
            fs::permissions(folder.Path(), unwritable
                                               ? fs::perms::owner_read | fs::perms::owner_exec
                                               : fs::perms::owner_all);
            QElapsedTimer clock;
            clock.start();
            qint64 pressedAt = -1;
            bool blocking = false;
            if (c.Stop) {
                test::AnswerNextModal<TfrmDownload>([&](TfrmDownload& progress) {
                    // Pressed whatever happens, so that a failure cannot hang the test.
                    QTest::qWait(300);
                    blocking = QApplication::activeModalWidget() == &progress &&
                               progress.windowModality() == Qt::ApplicationModal && Hourglass();
                    pressedAt = clock.elapsed();
                    CloseBy(*c.Stop, progress, progress.btnCancel);
                });
            }
            TQtDownloader downloader(c.Times);
            const bool ok = downloader.Download({{CoreStr(url), target, c.MaxBytes}});
            fs::permissions(folder.Path(), fs::perms::owner_all);
            QVERIFY2(ok == c.Ok, c.Name);
            QVERIFY2(clock.elapsed() < 3000, c.Name);
            QVERIFY2(!c.Stop || (blocking && clock.elapsed() - pressedAt < 1000), c.Name);
            QCOMPARE(folder.Read("corvane.exe"),
                     c.Ok ? server.Body.toStdString() : std::string("old installer"));
            QCOMPARE(FilesIn(folder.Path()), QStringList{"corvane.exe"});
            QVERIFY2(!QApplication::overrideCursor(), c.Name);
            QVERIFY2(server.Requests.size() == c.Requests, c.Name);
            QVERIFY2(elsewhere.Requests.isEmpty(), c.Name);
            if (c.At == TAt::Server) {
                QCOMPARE(server.Requests.first(), QByteArray("GET /setup/corvane.exe HTTP/1.1"));
                QVERIFY2(hourglass, c.Name);
            }
        }
    }

    // The update window as the user leaves it. Update fetches the installer and its
    // signature (which signatures count: SignedDownloadTest), shows the message, launches
    // and closes with OK; Cancel and Escape close too; each dates the next reminder by
    // "days", the close box leaves it due. Its Options dialog shows what is stored, greys
    // the days the moment the box is ticked and writes what it shows however it closes.
    // (Two clicks on the up arrow: the end-to-end update_options_by_arrows.)
    void theUpdateWindowDoesWhatItsButtonsSayAndWritesWhatItsOptionsShow() {
        using TChange = std::function<void(TfrmOptions&)>;
        const auto type = [](const char* days) {
            return [days](TfrmOptions& d) {
                d.txtDays->setFocus();
                QTest::keyClick(d.txtDays, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(d.txtDays, days);
            };
        };
        const TChange tick = [](TfrmOptions& d) {
            QTest::mouseClick(d.cbxAutoUpdate, Qt::LeftButton);
        };
        const TChange up = [](TfrmOptions& d) { QTest::keyClick(d.txtDays, Qt::Key_Up); };
        const struct {
            const char* Name;
            const char* Stored;
            std::optional<TClose> Options;
            std::vector<TChange> Changes;
            const char* Opened;
            const char* Shown;
            const char* Days;
            const char* AutoUpdate;
            TClose Leave;
            R Reply;
            std::optional<TDate> Next;
        } cases[] = {
            // clang-format off
            {"Update, signed", "days=45\r\n", {}, {}, "", "", "45", "-", TClose::Update, R::Ok, 2027y / January / 20},
            {"Update, 404", "days=45\r\n", {}, {}, "", "", "45", "-", TClose::Update, R::NotFound, 2027y / January / 20},
            {"5 typed, close box; Cancel", "days=45\r\n", TClose::CloseBox, {type("5")}, "45", "5", "10", "0", TClose::Button, R::Ok, 2026y / December / 16},
            {"ticked, OK; close box", "days=10\r\n", TClose::Button, {tick}, "10", "10 ticked greyed", "10", "1", TClose::CloseBox, R::Ok, std::nullopt},
            {"unticked, 60 typed, Escape; Escape", "autoupdate=1\r\n", TClose::Escape, {tick, type("60")}, "30 ticked greyed", "60", "60", "0", TClose::Escape, R::Ok, 2027y / February / 4},
            {"45 typed, Up, ticked, OK; Cancel", "", TClose::Button, {type("45"), up, tick}, "30", "46 ticked greyed", "46", "1", TClose::Button, R::Ok, 2027y / January / 21},
            // clang-format on
        };
        const test::TSigningKey vendor;
        for (const auto& c : cases) {
            test::TTempFolder folder;
            folder.UseAsAppPath();
            folder.Write("update.ini", std::string("[UPDATE]\r\n") + c.Stored);
            folder.Write("corvane.exe", "old installer");
            const auto read = [&](const char* key) { return Setting(folder.Path(), key); };
            test::TScriptedPrompts prompts;
            test::TRecordingLauncher launcher;
            TQtServices desktop;
            test::TFixedClock clock{Today};
            TLocalHttpServer server;
            server.Reply = c.Reply;
            server.Body = QByteArray(300000, 'i');
            server.Answers["/corvane.exe.sig"] = {
                R::Ok, QByteArray::fromStdString(vendor.Sign(server.Body.toStdString())), {}};
            WriteIniString(UpdateIniFile(folder.Path()), "UPDATE", "url",
                           CoreStr(server.Url("/corvane.exe")));
            TfrmUpdate window({prompts, launcher, desktop.FileDialogs, clock}, folder.Path());
            window.InstallerKey = vendor.Public();
            window.show();
            QString opened;
            QString shown;
            if (c.Options) {
                test::AnswerNextModal<TfrmOptions>([&](TfrmOptions& dialog) {
                    opened = OptionsShown(dialog);
                    // No QVERIFY here: the dialog must close whatever happens.
                    if (QTest::qWaitForWindowActive(&dialog)) {
                        for (const TChange& change : c.Changes) {
                            change(dialog);
                        }
                    }
                    shown = OptionsShown(dialog);
                    CloseBy(*c.Options, dialog, dialog.btnOK);
                });
                QTest::mouseClick(window.btnOptions, Qt::LeftButton);
                QVERIFY2(window.isVisible(), c.Name);
                QApplication::setActiveWindow(&window);
            }
            QCOMPARE(opened, QString::fromLatin1(c.Opened));
            QCOMPARE(shown, QString::fromLatin1(c.Shown));
            const bool update = c.Leave == TClose::Update;
            CloseBy(update ? TClose::Button : c.Leave, window,
                    update ? window.btnUpdate : window.btnCancel);
            QVERIFY2(window.isHidden(), c.Name);
            QCOMPARE(window.result(), int(update ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY2(!QApplication::overrideCursor(), c.Name);
            QCOMPARE(read("days"), QString::fromLatin1(c.Days));
            QCOMPARE(read("autoupdate"), QString::fromLatin1(c.AutoUpdate));
            QCOMPARE(read("date"), c.Next ? DateText(*c.Next) : QStringLiteral("-"));
            const bool ok = update && c.Reply == R::Ok;
            QCOMPARE(prompts.Texts(ok ? "information" : "error"),
                     update ? std::vector<std::string>{ok ? DownloadedText : DownloadFailedText}
                            : std::vector<std::string>{});
            QCOMPARE(prompts.Messages.size(), std::size_t{update ? 1U : 0U});
            QCOMPARE(folder.Read("corvane.exe"), ok ? server.Body.toStdString() : "old installer");
            QCOMPARE(FilesIn(folder.Path()), (QStringList{"corvane.exe", "update.ini"}));
            QCOMPARE(launcher.Opened, ok ? std::vector<std::string>{folder.Path() + "corvane.exe"}
                                         : std::vector<std::string>{});
        }
    }

    // The main window: its first activation schedules the first reminder; the menu shows
    // the update window with its design text; a due reminder comes up over it, as its
    // own window, at the next activation, and not again once answered.
    void theMainWindowRemindsAtActivationAndTheMenuShowsTheDesignText() {
        test::TSampleProgram program;
        test::TFixedClock clock{Today};
        program.UseClock = &clock;
        TfrmMain& main = program.Main();
        const std::string folder = program.Folder.Path();
        QWidget elsewhere;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::qWait(20);
        QCOMPARE(Setting(folder, "date"), DateText(2027y / January / 5));
        QVERIFY(!QApplication::activeModalWidget());

        QString shown;
        bool owned = false;
        const auto answer = [&](TfrmUpdate& window) {
            shown = window.lblMessage->text();
            owned = main.findChild<TfrmUpdate*>(QStringLiteral("frmUpdate")) == &window;
            QTest::mouseClick(window.btnCancel, Qt::LeftButton);
        };
        test::AnswerNextModal<TfrmUpdate>(answer);
        test::TMainWidgets(main).mnuUpdate->trigger();
        QCOMPARE(shown, QStringLiteral("Before clicking the Update button, please make sure you "
                                       "have an active Internet connection."));

        auto activateMain = [&] {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            elsewhere.hide();
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QTest::qWait(50);
        };
        clock.Today = 2027y / January / 6;
        shown.clear();
        test::AnswerNextModal<TfrmUpdate>(answer);
        activateMain();
        QCOMPARE(shown, QString::fromLatin1(ReminderText));
        QVERIFY(owned);
        QCOMPARE(Setting(folder, "date"), DateText(2027y / February / 5));
        activateMain();
        QVERIFY(!QApplication::activeModalWidget());
        main.close();
    }
};

CORVANE_UI_TEST(UpdateTest)

#include "UpdateTest.moc"
