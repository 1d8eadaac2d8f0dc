#include "app/Program.h"
#include "app/QtServices.h"
#include "entry/Convert.h"
#include "entry/Create.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using namespace cvn;

namespace {

// A program folder with the sample conversion table, made the program's folder.
struct TFolderUnderTest {
    TFolderUnderTest() {
        Folder.CopySample("Data");
        Folder.UseAsAppPath();
    }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    QStringList SetUp;

    TSetupFromPartNumber Recorder() {
        return [this](const std::string& p) { SetUp << QString::fromStdString(p); };
    }
};

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

bool HasFocus(const QWidget* window, const QWidget* control) {
    const QWidget* focus = window->focusWidget();
    return focus &&
           (focus == control || focus->focusProxy() == control || focus->parentWidget() == control);
}

} // namespace

class PartEntryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void quickBuilderAppliesTypedTextAndKeepsItsHistory() {
        TFolderUnderTest test;
        test.Folder.Write("Data/Parts.hst", "R187PA0125BSG\r\n");
        {
            TfrmCreate window(test.Prompts);
            window.Core().SetupFromPartNumber = test.Recorder();
            QVERIFY(window.cbxPartNumber->font().bold());
            QCOMPARE(window.cbxPartNumber->palette().color(QPalette::Text), QColor(0, 0, 0x80));
            QCOMPARE(Items(window.cbxPartNumber), QStringList{"R187PA0125BSG"});
            test::VerifyInsideParents(&window);

            window.cbxPartNumber->setEditText(QStringLiteral("left over"));
            window.show();
            QCOMPARE(window.cbxPartNumber->currentText(), QString());
            QCOMPARE(window.cbxPartNumber->currentIndex(), -1);
            QVERIFY(HasFocus(&window, window.cbxPartNumber));

            // Enter in the box presses Create; typed text never goes into the list by
            // itself, and no completion changes what was typed.
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QStringLiteral("r187pa"));
            QTest::keyClick(window.cbxPartNumber->lineEdit(), Qt::Key_Return);
            QCOMPARE(test.SetUp, QStringList{"R187PA"});
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Accepted));

            window.show();
            window.cbxPartNumber->setCurrentIndex(0); // choosing from the list
            window.btnCreate->click();
            window.show();
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QStringLiteral(" e090pa040b040sg "));
            window.btnCreate->click();
            QCOMPARE(test.SetUp, (QStringList{"R187PA", "R187PA0125BSG", "E090PA040B040SG"}));
            QCOMPARE(Items(window.cbxPartNumber),
                     (QStringList{"R187PA0125BSG", "R187PA", "E090PA040B040SG"}));

            // Close and Escape apply nothing.
            window.show();
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QStringLiteral("C090ANSG"));
            window.btnClose->click();
            QVERIFY(!window.isVisible());
            window.show();
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QStringLiteral("C090ANSG"));
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
            QCOMPARE(test.SetUp.size(), 3);
        }
        QCOMPARE(test.Folder.Read("Data/Parts.hst"),
                 std::string("R187PA0125BSG\r\nR187PA\r\nE090PA040B040SG\r\n"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void clearAllItemsFromThePopupMenuLeavesAnEmptyFile() {
        TFolderUnderTest test;
        test.Folder.Write("Data/Parts.hst", "R187PA0125BSG\r\nC090ANSG\r\n");
        {
            TfrmCreate window(test.Prompts);
            QCOMPARE(window.PopupMenu1->actions(), QList<QAction*>{window.mnuClearAllItems});
            // Over the edit field too, instead of its own cut-and-paste menu.
            QCOMPARE(window.cbxPartNumber->lineEdit()->contextMenuPolicy(), Qt::CustomContextMenu);
            window.show();
            QTest::keyClicks(window.cbxPartNumber->lineEdit(), QStringLiteral("R187"));
            window.mnuClearAllItems->trigger();
            QCOMPARE(window.cbxPartNumber->count(), 0);
            QCOMPARE(window.cbxPartNumber->currentText(), QString());
            window.btnClose->click();
        }
        QVERIFY(test.Folder.Exists("Data/Parts.hst"));
        QCOMPARE(test.Folder.Read("Data/Parts.hst"), std::string());
    }

    void convertShowsTheResultAndContinueSetsUpTheNewNumber() {
        TFolderUnderTest test;
        {
            TfrmConvert window(test.Prompts);
            window.Core().SetupFromPartNumber = test.Recorder();
            test::VerifyInsideParents(&window);

            window.show();
            QVERIFY(!window.btnContinue->isEnabled());
            QVERIFY(HasFocus(&window, window.cbxOldPartNumber));

            QTest::keyClicks(window.cbxOldPartNumber->lineEdit(), QStringLiteral("wt-90-4"));
            QTest::keyClick(window.cbxOldPartNumber->lineEdit(), Qt::Key_Return);
            QCOMPARE(window.txtNewPartNumber->text(), QStringLiteral("D090ABSG"));
            QCOMPARE(window.txtComments->toPlainText(),
                     QStringLiteral("90\u00b0 twist, cover to choke, gray."));
            QVERIFY(window.btnContinue->isEnabled());
            QVERIFY(HasFocus(&window, window.btnContinue));
            QCOMPARE(Items(window.cbxOldPartNumber), QStringList{"WT-90-4"});
            QCOMPARE(window.cbxOldPartNumber->currentText(), QStringLiteral("wt-90-4"));

            // An edit forgets the result, and so does choosing from the history.
            QTest::keyClick(window.cbxOldPartNumber->lineEdit(), Qt::Key_Backspace);
            QVERIFY(!window.btnContinue->isEnabled());
            QCOMPARE(window.txtNewPartNumber->text(), QString());
            QCOMPARE(window.txtComments->toPlainText(), QString());
            window.cbxOldPartNumber->lineEdit()->setText(QStringLiteral("WT-90-4"));
            window.btnCreate->click();
            QVERIFY(window.btnContinue->isEnabled());
            window.cbxOldPartNumber->activated(0);
            QVERIFY(!window.btnContinue->isEnabled());

            window.btnCreate->click();
            QVERIFY(test.Prompts.Messages.empty());
            window.btnContinue->click();
            QCOMPARE(test.SetUp, QStringList{"D090ABSG"});
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Accepted));

            // Shown again: nothing left of the last conversion.
            window.show();
            QCOMPARE(window.cbxOldPartNumber->currentText(), QString());
            QCOMPARE(window.txtNewPartNumber->text(), QString());
            QVERIFY(!window.btnContinue->isEnabled());
        }
        QCOMPARE(test.Folder.Read("Data/OldParts.hst"), std::string("WT-90-4\r\n"));
        QVERIFY(!test.Folder.Exists("Data/Parts.hst"));
    }

    // The program creates both dialogs at start and saves their histories at its end.
    void programEndSavesBothHistories() {
        TFolderUnderTest test;
        test.Folder.Write("Data/OldParts.hst", "WS-90-120\r\n");
        TQtServices desktop;
        TProgramOptions options;
        options.ShowSplash = false;
        options.ProgramFolder = test.Folder.Path();
        {
            TProgram program({test.Prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock},
                             options);
            program.CreateWindows();
            TfrmConvert* convert = nullptr;
            for (QWidget* window : program.Windows()) {
                if (auto* found = qobject_cast<TfrmConvert*>(window)) {
                    convert = found;
                }
            }
            QVERIFY(convert);
            QCOMPARE(Items(convert->cbxOldPartNumber), QStringList{"WS-90-120"});
            convert->show();
            convert->cbxOldPartNumber->lineEdit()->setText(QStringLiteral("ws-42-60"));
            convert->btnCreate->click();
            convert->btnCancel->click();
        }
        QCOMPARE(test.Folder.Read("Data/OldParts.hst"), std::string("WS-90-120\r\nWS-42-60\r\n"));
        QCOMPARE(test.Folder.Read("Data/Parts.hst"), std::string());
    }
};

CORVANE_UI_TEST(PartEntryWindowsTest)

#include "PartEntryWindowsTest.moc"
