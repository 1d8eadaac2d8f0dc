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
#include "tests/support/TempFolder.h"
#include "tests/ui/LocalHttpServer.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
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
