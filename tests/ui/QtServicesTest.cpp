// The desktop services the program really uses, run for real: Qt's own file dialogs
// answered with the keyboard, message boxes and confirmations answered by key presses,
// and the launcher handing its targets to a desktop handler that notes them. Which format
// each entry of the save dialog's type list writes is the end-to-end suite's
// save_as_and_print; what a window shows when a file cannot be created, its own test's.

#include "app/QtServices.h"
#include "orders/OrderExport.h"
#include "orders/QuoteReportWindow.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/DlgConfirm.h"
#include "wizard/DlgSwap.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>

using namespace cvn;

namespace {

// Qt's own file dialog answered from the keyboard: the name typed over the one offered,
// then Enter. beforeEnter runs just before, to answer what Enter may ask.
void AnswerFileDialog(const QString& name,
                      const std::function<void(QFileDialog&)>& beforeEnter = {}) {
    test::AnswerNextModal<QFileDialog>([=](QFileDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(fileName && dialog.focusWidget() == fileName);
        QTest::keyClick(fileName, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(fileName, name);
        if (beforeEnter) {
            beforeEnter(dialog);
        }
        QTest::keyClick(fileName, Qt::Key_Return);
    });
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The lines a recording desktop handler noted, one argument a line.
QStringList Recorded(const std::string& file) {
    QFile record(Q(file));
    if (!record.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Qt's own dialog, as the program shows it wherever the desktop offers none.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
    }

    void cleanupTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); }

    // The dialogs offer each type with its patterns (a type given none gets them); the
    // save dialog asks before replacing a file, No leaving it open for another name; the
    // name chosen and the type (as the list counts it) are handed back.
    void fileDialogsOfferTheTypesAskBeforeReplacingAndHandBackTheChoice() {
        const QStringList orderTypes{"Excel Sheet (*.xls)", "Text File (*.txt)",
                                     "XML File (*.xml)"};
        const struct {
            const char* Name;
            bool Open;
            const char* Typed;
            int Type;
            std::optional<Qt::Key> Replace;
            bool Chosen;
            QStringList Offered;
        } cases[] = {
            // clang-format off
            {"save over a file, Yes", false, "order.xls", 1, Qt::Key_Y, true, orderTypes},
            {"save over a file, No", false, "order.xls", 1, Qt::Key_N, false, orderTypes},
            {"save as the second type", false, "order", 2, std::nullopt, true, orderTypes},
            {"open", true, "order.xls", 1, std::nullopt, true, {"Lists (*.txt, *.csv)", "All files (*)"}},
            // clang-format on
        };
        for (const auto& c : cases) {
            test::TTempFolder folder;
            folder.Write("order.xls", "old bytes");
            QStringList offered;
            QString question;
            AnswerFileDialog(Q(folder.Path() + c.Typed), [&](QFileDialog& dialog) {
                offered = dialog.nameFilters();
                dialog.selectNameFilter(offered.value(c.Type - 1));
                if (c.Replace) {
                    test::AnswerNextModal<QMessageBox>([&](QMessageBox& box) {
                        question = box.text();
                        QTest::keyClick(&box, *c.Replace);
                        QTRY_VERIFY(!box.isVisible());
                    });
                }
            });
            TQtFileDialogs dialogs;
            std::string chosen;
            int entry = 1;
            const bool ok = c.Open
                                ? dialogs.OpenFileName("Add from List", QuoteListFilter, chosen)
                                : dialogs.SaveFileName("Save As", SaveOrderFilter(), chosen, entry);
            QVERIFY2(ok == c.Chosen, c.Name);
            QCOMPARE(chosen, c.Chosen ? folder.Path() + c.Typed : std::string());
            QCOMPARE(entry, c.Type);
            QCOMPARE(offered, c.Offered);
            QCOMPARE(question.contains(QStringLiteral("order.xls already exists")),
                     c.Replace.has_value());
        }
    }

    // Real message boxes (title, icon, a carriage return as a line break, the text never
    // read as markup) and the two confirmations of a configuration, answered by the keys
    // a user presses.
    void promptsAreWindowsAnsweredByKeys() {
        const std::string text = "First line\rSecond line\r\nThird & <b>not bold</b>";
        const QString shownText =
            QStringLiteral("First line\nSecond line\nThird & <b>not bold</b>");
        enum class TKind { Information, Error, YesNo, Tapered, Swap };
        const int yes = 1;
        const int cont = static_cast<int>(TDialogResult::Continue);
        const int swap = static_cast<int>(TDialogResult::Swap);
        const int cancel = static_cast<int>(TDialogResult::Cancel);
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const struct {
            const char* Name;
            TKind Kind;
            Qt::Key Key;
            Qt::KeyboardModifiers Modifiers;
            const char* Title;
            QMessageBox::Icon Icon;
            int Result;
        } cases[] = {
            // clang-format off
            {"information, Enter", TKind::Information, Qt::Key_Return, none, "Information", QMessageBox::Information, 0},
            {"information, Escape", TKind::Information, Qt::Key_Escape, none, "Information", QMessageBox::Information, 0},
            {"error, Enter", TKind::Error, Qt::Key_Return, none, "Error", QMessageBox::Critical, 0},
            {"question, Y", TKind::YesNo, Qt::Key_Y, none, "Confirm", QMessageBox::Question, yes},
            {"question, N", TKind::YesNo, Qt::Key_N, none, "Confirm", QMessageBox::Question, 0},
            {"question, Enter", TKind::YesNo, Qt::Key_Return, none, "Confirm", QMessageBox::Question, yes},
            {"question, Escape", TKind::YesNo, Qt::Key_Escape, none, "Confirm", QMessageBox::Question, 0},
            {"tapered, Enter", TKind::Tapered, Qt::Key_Return, none, "Confirm Configuration", QMessageBox::NoIcon, cont},
            {"tapered, Escape", TKind::Tapered, Qt::Key_Escape, none, "Confirm Configuration", QMessageBox::NoIcon, cancel},
            {"swap, Enter", TKind::Swap, Qt::Key_Return, none, "Confirm Configuration", QMessageBox::NoIcon, cont},
            {"swap, Alt+S", TKind::Swap, Qt::Key_S, Qt::AltModifier, "Confirm Configuration", QMessageBox::NoIcon, swap},
            {"swap, Escape", TKind::Swap, Qt::Key_Escape, none, "Confirm Configuration", QMessageBox::NoIcon, cancel},
            // clang-format on
        };
        TQtPrompts prompts;
        for (const auto& c : cases) {
            QWidget owner;
            owner.show();
            QApplication::setActiveWindow(&owner);
            QString title;
            QString shown;
            test::AnswerNextModalWindow(
                [](QWidget&) { return true; },
                [&](QWidget& window) {
                    QVERIFY(QTest::qWaitForWindowActive(&window));
                    title = window.windowTitle();
                    for (const QLabel* label : window.findChildren<QLabel*>()) {
                        shown += label->text() + QLatin1Char('|');
                    }
                    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                        QCOMPARE(box->icon(), c.Icon);
                        QCOMPARE(box->textFormat(), Qt::PlainText);
                        QCOMPARE(box->text(), shownText);
                        // Three lines on the screen, not one.
                        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                        QVERIFY(label);
                        QVERIFY(label->height() >= 3 * label->fontMetrics().lineSpacing());
                    }
                    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, c.Key,
                                    c.Modifiers);
                    QTRY_VERIFY(!window.isVisible());
                });
            int result = 0;
            if (c.Kind == TKind::YesNo) {
                result = prompts.YesNo(text) ? yes : 0;
            } else if (c.Kind == TKind::Tapered) {
                result = static_cast<int>(prompts.ConfirmTapered("Flange A on the 187 end?"));
            } else if (c.Kind == TKind::Swap) {
                result = static_cast<int>(
                    prompts.ConfirmSwap("Leg A: 10.0 in, flange A", "Leg B: 12.0 in, flange B"));
            } else {
                c.Kind == TKind::Error ? prompts.Error(text) : prompts.Information(text);
            }
            QCOMPARE(title, QString::fromLatin1(c.Title));
            QVERIFY2(result == c.Result, c.Name);
            QVERIFY2(shown.contains(c.Kind == TKind::Tapered ? "Flange A on the 187 end?"
                                    : c.Kind == TKind::Swap  ? "Leg B: 12.0 in, flange B"
                                                             : shownText),
                     qPrintable(shown));
            QVERIFY2(!QApplication::activeModalWidget(), c.Name);
        }
    }

    // The launcher hands files (as file addresses) and web addresses to the desktop's
    // handler, xdg-open, and says when there is none.
    void launcherHandsItsTargetToTheDesktopHandler() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("The offscreen platform opens nothing; ctest runs this on Xvfb");
        }
        test::TTempFolder folder;
        const std::string record = folder.Path() + "opened.txt";
        folder.Write("bin/xdg-open",
                     "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" + record +
                         "'\n");
        QFile::setPermissions(Q(folder.Path() + "bin/xdg-open"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        folder.Write("empty/.keep", "");
        // Only xdg-open on the path may be asked: no browser named by the environment.
        const QByteArray path = qgetenv("PATH");
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");

        TDesktopLauncher launcher;
        // No handler anywhere on the path: nothing could open it.
        qputenv("PATH", QByteArray::fromStdString(folder.Path() + "empty"));
        QVERIFY(!launcher.Open(folder.Path() + "Corvane38.html"));

        qputenv("PATH", QByteArray::fromStdString(folder.Path() + "bin:") + path);
        const struct {
            std::string Target;
            QString Handed;
        } cases[] = {
            {folder.Path() + "Corvane38.html", Q("file://" + folder.Path() + "Corvane38.html")},
            {folder.Path() + "my guide.html", Q("file://" + folder.Path() + "my%20guide.html")},
            {"https://www.brenmoor.com", QStringLiteral("https://www.brenmoor.com")},
        };
        QStringList expected;
        for (const auto& c : cases) {
            QVERIFY(launcher.Open(c.Target));
            expected << c.Handed;
            QTRY_COMPARE(Recorded(record), expected);
        }
        qputenv("PATH", path);
    }
};

CORVANE_UI_TEST(QtServicesTest)

#include "QtServicesTest.moc"
