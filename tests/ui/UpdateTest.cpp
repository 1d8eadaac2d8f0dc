#include "update/Update.h"
#include "app/MainLinks.h"
#include "app/QtServices.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/SpinEdit.h"
#include "printing/PreviewWindow.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SigningKey.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/LocalHttpServer.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
#include "tests/ui/UiTest.h"
#include "update/DownloadWindow.h"
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
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace cvn;
using namespace std::chrono;

namespace {

using test::TLocalHttpServer;

const TDate Today = 2026y / December / 6;
const char* const DesignText =
    "Before clicking the Update button, please make sure you have an active Internet connection.";

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
    test::TRecordingLauncher Launcher;
    TQtServices Desktop;
    test::TFixedClock Clock{Today};
};

// The centre of a spin box's up or down arrow, where the user clicks it.
QPoint ArrowCentre(QSpinBox& box, bool up) {
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.frame = box.hasFrame();
    option.buttonSymbols = box.buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return box.style()
        ->subControlRect(QStyle::CC_SpinBox, &option,
                         up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, &box)
        .center();
}

// The mouse wheel turned over the widget, in eighths of a degree (120 is one notch).
void Wheel(QWidget& widget, int delta) {
    const QPointF centre = QRectF(widget.rect()).center();
    QWheelEvent event(centre, widget.mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// Every file of the folder, to see that no temporary file is left behind.
QStringList FilesIn(const std::string& folder) {
    return QDir(QStr(folder)).entryList(QDir::Files, QDir::Name);
}

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    // A file replaces its target only when it came whole, within its limit and the
    // deadline, from an allowed address by allowed redirects; a refused address is never
    // asked. No temporary file is left behind; the hourglass shows meanwhile.
    void downloadReplacesTheTargetOnlyWhenWholeAllowedAndWithinLimits() {
        using R = TLocalHttpServer::TReply;
        enum class TAt { Server, Refused, Elsewhere, File, Ftp, UserInfo };
        constexpr qint64 MiB = 1024 * 1024;
        const struct {
            const char* Name;
            R Reply;
            const char* Location;
            TAt At;
            qint64 MaxBytes;
            TDownloadTimes Times;
            bool Ok;
            qsizetype Requests;
        } cases[] = {
            {"success", R::Ok, "", TAt::Server, MiB, {}, true, 1},
            {"exactly the limit", R::Ok, "", TAt::Server, 200003, {}, true, 1},
            {"404", R::NotFound, "", TAt::Server, MiB, {}, false, 1},
            {"cut short", R::Truncated, "", TAt::Server, MiB, {}, false, 1},
            {"refused", R::Ok, "", TAt::Refused, MiB, {}, false, 0},
            {"larger than the limit", R::Ok, "", TAt::Server, 200002, {}, false, 1},
            // Its deadline comes after the time every row must end in.
            {"endless body", R::Endless, "", TAt::Server, 4 * MiB, {60000, 4000}, false, 1},
            {"stalled", R::Silent, "", TAt::Server, MiB, {300, 60000}, false, 1},
            {"trickle past the deadline",
             R::Trickle,
             "",
             TAt::Server,
             MiB,
             {60000, 1000},
             false,
             1},
            {"redirect on this machine", R::Redirect, "mirror", TAt::Server, MiB, {}, true, 2},
            {"redirect to http elsewhere",
             R::Redirect,
             "elsewhere",
             TAt::Server,
             MiB,
             {},
             false,
             1},
            {"redirect to a file",
             R::Redirect,
             "file:///etc/hostname",
             TAt::Server,
             MiB,
             {},
             false,
             1},
            {"http elsewhere", R::Ok, "", TAt::Elsewhere, MiB, {}, false, 0},
            {"a file", R::Ok, "", TAt::File, MiB, {}, false, 0},
            {"ftp", R::Ok, "", TAt::Ftp, MiB, {}, false, 0},
            {"this machine as a user name", R::Ok, "", TAt::UserInfo, MiB, {}, false, 0},
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
            const QString location = QString::fromLatin1(c.Location);
            server.Location = (location == "mirror"      ? server.Url("/mirror/corvane.exe")
                               : location == "elsewhere" ? elsewhere.Url("/corvane.exe")
                                                         : location)
                                  .toLatin1();
            server.Answers["/mirror/corvane.exe"] = {R::Ok, server.Body, {}};
            bool hourglass = false;
            server.OnRequest = [&] {
                hourglass = QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            };
            const QString url =
                c.At == TAt::Refused     ? TLocalHttpServer::RefusedUrl()
                : c.At == TAt::Elsewhere ? elsewhere.Url("/corvane.exe")
                : c.At == TAt::File      ? QStringLiteral("file:///etc/hostname")
                : c.At == TAt::Ftp       ? server.Url("/corvane.exe").replace("http:", "ftp:")
                : c.At == TAt::UserInfo
                    ? elsewhere.Url("/corvane.exe").replace("http://", "http://127.0.0.1@")
                    : server.Url("/setup/corvane.exe");
            TQtDownloader downloader(c.Times);
            QElapsedTimer clock;
            clock.start();
            const bool ok =
                downloader.Download({{CoreStr(url), folder.Path() + "corvane.exe", c.MaxBytes}});
            QVERIFY2(ok == c.Ok, c.Name);
            QVERIFY2(clock.elapsed() < 3000, c.Name);
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
        QVERIFY(!downloader.Download({{CoreStr(server.Url("/corvane.exe")), target, 1000}}));
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
        QVERIFY(!folder.Exists("corvane.exe"));
        QVERIFY(server.Requests.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // Update through the window: the message, the installer, its launch and the next
    // reminder, for a signed installer and for each way the download fails.
    void updateButtonDownloadsLaunchesAndSchedulesTheNextReminder() {
        using R = TLocalHttpServer::TReply;
        enum class TSignature { Good, Wrong, Missing };
        const struct {
            const char* Name;
            R Reply;
            TSignature Signature;
            bool Refused;
            bool Ok;
        } cases[] = {
            {"signed", R::Ok, TSignature::Good, false, true},
            {"wrong signature", R::Ok, TSignature::Wrong, false, false},
            {"no signature", R::Ok, TSignature::Missing, false, false},
            {"404", R::NotFound, TSignature::Good, false, false},
            {"refused", R::Ok, TSignature::Good, true, false},
        };
        const test::TSigningKey vendor;
        const test::TSigningKey other;
        for (const auto& c : cases) {
            TUpdateUnderTest test;
            test.Folder.Write("corvane.exe", "old installer");
            TLocalHttpServer server;
            server.Reply = c.Reply;
            server.Body = QByteArray(300000, 'i');
            const test::TSigningKey& signer = c.Signature == TSignature::Wrong ? other : vendor;
            server.Answers["/corvane.exe.sig"] = {
                c.Signature == TSignature::Missing ? R::NotFound : R::Ok,
                QByteArray::fromStdString(signer.Sign(server.Body.toStdString())),
                {}};
            test.Write("url", CoreStr(c.Refused ? TLocalHttpServer::RefusedUrl()
                                                : server.Url("/corvane.exe")));
            test.Write("days", "45");
            TfrmUpdate window(test.Services(), test.Folder.Path());
            window.InstallerKey = vendor.Public();
            window.show();
            QTest::mouseClick(window.btnUpdate, Qt::LeftButton);

            QVERIFY2(window.isHidden(), c.Name);
            QCOMPARE(window.result(), int(QDialog::Accepted));
            QCOMPARE(test.Prompts.Messages.size(), std::size_t{1});
            QCOMPARE(FilesIn(test.Folder.Path()), (QStringList{"corvane.exe", "update.ini"}));
            if (c.Ok) {
                QCOMPARE(test.Prompts.Texts("information"),
                         std::vector<std::string>{DownloadedText});
                QCOMPARE(test.Installer(), server.Body.toStdString());
                QCOMPARE(test.Launcher.Opened,
                         std::vector<std::string>{test.Folder.Path() + "corvane.exe"});
            } else {
                QCOMPARE(test.Prompts.Texts("error"), std::vector<std::string>{DownloadFailedText});
                QCOMPARE(test.Installer(), std::string("old installer"));
                QVERIFY2(test.Launcher.Opened.empty(), c.Name);
            }
            QCOMPARE(test.Read("date"), test.DateText(2027y / January / 20));
        }
    }

    // While the download runs, its progress window blocks the program under the
    // hourglass; Cancel (a real click), Escape and the close box end it within a second
    // with the failure message, the earlier installer kept and nothing else written.
    void cancelEndsTheDownloadWithinASecond() {
        using R = TLocalHttpServer::TReply;
        enum class TWay { Button, CloseBox, Escape };
        const struct {
            const char* Name;
            R Reply;
            TWay Way;
        } cases[] = {
            {"trickle, Cancel", R::Trickle, TWay::Button},
            {"trickle, close box", R::Trickle, TWay::CloseBox},
            {"trickle, Escape", R::Trickle, TWay::Escape},
            {"endless, Cancel", R::Endless, TWay::Button},
        };
        const test::TSigningKey vendor;
        for (const auto& c : cases) {
            TUpdateUnderTest test;
            test.Folder.Write("corvane.exe", "old installer");
            TLocalHttpServer server;
            server.Reply = c.Reply;
            // Twenty seconds in all: unstopped, it ends late rather than never.
            server.Body = QByteArray(8, 'i');
            server.TrickleMilliseconds = 2500;
            server.Answers["/corvane.exe.sig"] = {
                R::Ok, QByteArray::fromStdString(vendor.Sign(server.Body.toStdString())), {}};
            test.Write("url", CoreStr(server.Url("/corvane.exe")));
            TfrmUpdate window(test.Services(), test.Folder.Path());
            window.InstallerKey = vendor.Public();
            window.show();

            QElapsedTimer clock;
            clock.start();
            qint64 pressedAt = -1;
            bool blocking = false;
            bool hourglass = false;
            test::AnswerNextModal<TfrmDownload>([&](TfrmDownload& progress) {
                // Until the installer itself is on its way, after its signature; pressed
                // whatever happens, so that a failure cannot hang the test.
                for (int wait = 0; wait < 300 && server.Requests.size() < 2; ++wait) {
                    QTest::qWait(10);
                }
                QTest::qWait(300);
                blocking = progress.isModal() && QApplication::activeModalWidget() == &progress &&
                           progress.windowModality() == Qt::ApplicationModal;
                hourglass = QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                pressedAt = clock.elapsed();
                if (c.Way == TWay::Button) {
                    QTest::mouseClick(progress.btnCancel, Qt::LeftButton);
                } else if (c.Way == TWay::Escape) {
                    QTest::keyClick(&progress, Qt::Key_Escape);
                } else {
                    progress.close();
                }
            });
            QTest::mouseClick(window.btnUpdate, Qt::LeftButton);
            const qint64 took = clock.elapsed() - pressedAt;

            QVERIFY2(pressedAt >= 0, c.Name);
            qInfo("%s: ended %lld ms after it was pressed", c.Name, took);
            QVERIFY2(took < 1000, c.Name);
            QVERIFY2(blocking, c.Name);
            QVERIFY2(hourglass, c.Name);
            QVERIFY2(!QApplication::overrideCursor(), c.Name);
            QVERIFY2(!qobject_cast<TfrmDownload*>(QApplication::activeModalWidget()), c.Name);
            QCOMPARE(test.Prompts.Texts("error"), std::vector<std::string>{DownloadFailedText});
            QCOMPARE(test.Installer(), std::string("old installer"));
            QCOMPARE(FilesIn(test.Folder.Path()), (QStringList{"corvane.exe", "update.ini"}));
            QVERIFY2(test.Launcher.Opened.empty(), c.Name);
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
        auto typeDays = [](TfrmOptions& dialog, const char* days) {
            if (QTest::qWaitForWindowActive(&dialog)) {
                dialog.txtDays->setFocus();
                dialog.txtDays->selectAll();
                QTest::keyClicks(dialog.txtDays, days);
            }
        };
        // Typed below the range, then the close box with the field still in use.
        bool shown = false;
        test::AnswerNextModal<TfrmOptions>([&](TfrmOptions& dialog) {
            shown = dialog.txtDays->value() == 45 && dialog.txtDays->isEnabled() &&
                    !dialog.cbxAutoUpdate->isChecked();
            typeDays(dialog, "5");
            dialog.close();
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(window.isVisible());
        QCOMPARE(test.Read("days"), QStringLiteral("10"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("0"));

        bool greyedAtOnce = false;
        test::AnswerNextModal<TfrmOptions>([&](TfrmOptions& dialog) {
            shown = dialog.txtDays->value() == 10;
            QTest::mouseClick(dialog.cbxAutoUpdate, Qt::LeftButton);
            greyedAtOnce = !dialog.txtDays->isEnabled();
            QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(greyedAtOnce);
        QCOMPARE(test.Read("days"), QStringLiteral("10"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("1"));

        bool enabledAgain = false;
        test::AnswerNextModal<TfrmOptions>([&](TfrmOptions& dialog) {
            shown = dialog.cbxAutoUpdate->isChecked() && !dialog.txtDays->isEnabled();
            QTest::mouseClick(dialog.cbxAutoUpdate, Qt::LeftButton);
            enabledAgain = dialog.txtDays->isEnabled();
            typeDays(dialog, "60");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(window.btnOptions, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(enabledAgain);
        QCOMPARE(test.Read("days"), QStringLiteral("60"));
        QCOMPARE(test.Read("autoupdate"), QStringLiteral("0"));

        QTest::mouseClick(window.btnCancel, Qt::LeftButton);
        QCOMPARE(test.Read("date"), test.DateText(2027y / February / 4));
    }

    // However the days change (typed, the arrows clicked, Up/Down, Page Up, the wheel),
    // the field keeps what it shows when the check box is ticked, and OK writes it.
    void daysChangedAnyWayAreShownKeptAndWritten() {
        const struct {
            const char* Name;
            std::function<void(QSpinBox&)> Change;
            const char* Days;
        } cases[] = {
            {"typed", [](QSpinBox&) {}, "45"},
            {"two clicks on the up arrow",
             [](QSpinBox& box) {
                 QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, ArrowCentre(box, true));
                 QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, ArrowCentre(box, true));
             },
             "47"},
            {"a click on the down arrow",
             [](QSpinBox& box) {
                 QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, ArrowCentre(box, false));
             },
             "44"},
            {"Up three times",
             [](QSpinBox& box) {
                 for (int i = 0; i < 3; ++i) {
                     QTest::keyClick(&box, Qt::Key_Up);
                 }
             },
             "48"},
            {"Down", [](QSpinBox& box) { QTest::keyClick(&box, Qt::Key_Down); }, "44"},
            {"Page Up", [](QSpinBox& box) { QTest::keyClick(&box, Qt::Key_PageUp); }, "55"},
            {"the wheel, one notch up", [](QSpinBox& box) { Wheel(box, 120); }, "46"},
        };
        for (const auto& c : cases) {
            TUpdateUnderTest test;
            test.Write("days", "30");
            QString shown;
            QString afterTicking;
            {
                TfrmOptions dialog(test.Prompts, test.Folder.Path());
                dialog.show();
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
                dialog.txtDays->setFocus();
                QTest::keyClick(dialog.txtDays, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(dialog.txtDays, QStringLiteral("45"));
                c.Change(*dialog.txtDays);
                shown = dialog.txtDays->text();
                QTest::mouseClick(dialog.cbxAutoUpdate, Qt::LeftButton);
                afterTicking = dialog.txtDays->text();
                QVERIFY2(!dialog.txtDays->isEnabled(), c.Name);
                QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                QVERIFY2(dialog.isHidden(), c.Name);
            }
            QVERIFY2(shown == QLatin1String(c.Days), c.Name);
            QVERIFY2(afterTicking == shown, c.Name);
            QVERIFY2(test.Read("days") == shown, c.Name);
            QCOMPARE(test.Read("autoupdate"), QStringLiteral("1"));
        }
    }

    // The menu shows the window with its design text; the reminder comes with every
    // activation of the main window while due, and goes once answered.
    void theMainWindowRemindsAtEachActivationUntilAnswered() {
        TUpdateUnderTest test;
        test.Folder.CopySample("Data");
        TfrmPreview preview(test.Prompts);
        TfrmMain main(test.Services(), test.Folder.Path());
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
        test::AnswerNextModal<TfrmUpdate>([&](TfrmUpdate& reminder) {
            shown = reminder.lblMessage->text();
            QTest::mouseClick(reminder.btnCancel, Qt::LeftButton);
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
            test::AnswerNextModal<TfrmUpdate>([&](TfrmUpdate& reminder) {
                ++reminders;
                shown = reminder.lblMessage->text();
                reminder.close();
            });
            activateMain();
            QCOMPARE(reminders, closeBox + 1);
            QCOMPARE(shown, QString::fromLatin1(ReminderText));
        }
        test::AnswerNextModal<TfrmUpdate>([&](TfrmUpdate& reminder) {
            ++reminders;
            QTest::mouseClick(reminder.btnCancel, Qt::LeftButton);
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
