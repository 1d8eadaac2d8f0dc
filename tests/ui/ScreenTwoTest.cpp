#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CVNRadioButton.h"
#include "controls/MultiColumnCombo.h"
#include "controls/StringGrid.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTest.h"
#include "wizard/DlgConfirm.h"
#include "wizard/DlgSwap.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace cvn;

namespace {

using test::PickItem;

struct TSampleWindow {
    TSampleWindow() {
        Folder.CopySample("Data");
        Window = std::make_unique<TfrmMain>(
            TServices{Prompts, Desktop.Launcher, Desktop.FileDialogs, Desktop.Clock},
            Folder.Path());
    }

    // Chooses an item of a list by the code in its first column, as the user picks it.
    void Pick(TMultiColumnCombo* list, const TTxtTable& rows, const std::string& code) {
        const int row = FindRow(rows, 1, code);
        QVERIFY2(row >= 0, code.c_str());
        PickItem(list, row);
    }

    void Configure(int family, const std::string& size, const std::string& a,
                   const std::string& b) {
        TfrmMain& w = *Window;
        PickItem(w.cbxProductType, family);
        Pick(w.cbxWaveguide, w.Core().WaveguideList, size);
        Pick(w.cbxFlangeA, w.Core().FlangeAList, a);
        Pick(w.cbxFlangeB, w.Core().FlangeBList, b);
        QTest::mouseClick(w.btnNext, Qt::LeftButton);
        QCOMPARE(w.Wizard->currentWidget(), w.WizardPage2);
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TQtServices Desktop;
    std::unique_ptr<TfrmMain> Window;
};

// Presses a button of the next modal dialog once it is up.
void AnswerNextDialog(const char* button) {
    QTimer::singleShot(0, [button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* target = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

} // namespace

class ScreenTwoTest : public QObject {
    Q_OBJECT

private slots:
    void frequencyChoicesStandInTheBoxUnderTheirHeadings() {
        TSampleWindow test;
        TfrmMain& w = *test.Window;
        w.show();
        test.Configure(FamilyType::Straight, "187", "B", "A");

        // The labels and choices stand where the core puts them, in navy Tahoma.
        QCOMPARE(w.rgFrequency->findChildren<QLabel*>().size(), 2);
        QCOMPARE(w.rgFrequency->findChildren<TCVNRadioButton*>().size(), 3);
        for (std::size_t i = 0; i < 2; ++i) {
            QCOMPARE(w.FrequencyLabels[i]->text(),
                     QString::fromStdString(w.Core().FrequencyLabels[i].Caption));
            QCOMPARE(w.FrequencyLabels[i]->y(), w.Core().FrequencyLabels[i].Top);
        }
        QCOMPARE(w.FrequencyLabels[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
        QCOMPARE(w.FrequencyLabels[0]->font().family(), QStringLiteral("Tahoma"));
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(w.FrequencyChoices[i]->y(), w.Core().FrequencyChoices[i].Top);
        }
        QCOMPARE(w.FrequencyChoices[0]->text(), QStringLiteral("3.95-5.85 GHz / VSWR: 1.05:1"));
        QVERIFY(w.FrequencyChoices[0]->isChecked());

        // A click selects the band and rewrites the sheet.
        QTest::mouseClick(w.FrequencyChoices[2], Qt::LeftButton);
        QVERIFY(w.FrequencyChoices[2]->isChecked());
        QVERIFY(!w.FrequencyChoices[0]->isChecked());
        QCOMPARE(w.Core().SelectedFrequency, 2);
        QCOMPARE(w.grdSpecs->Cell(1, 7), QStringLiteral("B"));

        // A new size rebuilds the choices; nothing of the old ones stays behind.
        QTest::mouseClick(w.btnBack, Qt::LeftButton);
        test.Pick(w.cbxWaveguide, w.Core().WaveguideList, "090");
        QCOMPARE(w.rgFrequency->findChildren<TCVNRadioButton*>().size(),
                 static_cast<qsizetype>(w.Core().FrequencyChoices.size()));
        QCOMPARE(w.rgFrequency->findChildren<QLabel*>().size(),
                 static_cast<qsizetype>(w.Core().FrequencyLabels.size()));
        QCOMPARE(w.FrequencyChoices[static_cast<std::size_t>(w.Core().SelectedFrequency)]->FreqBand,
                 QStringLiteral("B"));

        QTest::mouseClick(w.btnOtherFreqRanges, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("information").back(),
                 std::string("Other frequency ranges are available by special quote.\rPlease "
                             "contact your Brenmoor represantative for details."));
    }

    void createShowsThePartNumberUntilAChoiceChanges() {
        TSampleWindow test;
        TfrmMain& w = *test.Window;
        w.show();
        test.Configure(FamilyType::Straight, "187", "B", "A");
        QVERIFY(!w.btnAddOrder->isEnabled());
        QTest::mouseClick(w.btnCreate, Qt::LeftButton);
        QCOMPARE(w.txtPartNumber->text(), QStringLiteral("R187PA0120BSG"));
        QVERIFY(w.btnAddOrder->isEnabled());
        QVERIFY(w.btnViewSpecs->isEnabled());

        PickItem(w.cbxFinish, 1);
        QCOMPARE(w.txtPartNumber->text(), QString());
        QVERIFY(!w.btnAddOrder->isEnabled());
        QVERIFY(!w.btnViewSpecs->isEnabled());
        QTest::mouseClick(w.btnCreate, Qt::LeftButton);
        QCOMPARE(w.txtPartNumber->text(), QStringLiteral("R187PA0120BSN"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void sheetIsBandedNavyOnGrey() {
        TSampleWindow test;
        TfrmMain& w = *test.Window;
        w.show();
        test.Configure(FamilyType::Straight, "187", "B", "A");
        QCOMPARE(w.grdSpecs->Cell(2, 1), QStringLiteral("Product Type"));
        QCOMPARE(w.grdSpecs->Cell(3, 7), QStringLiteral("3.95-5.85 GHz / VSWR: 1.05:1"));
        QCOMPARE(w.grdSpecs->Cell(2, 9), QString());

        const QImage image = w.grdSpecs->viewport()->grab().toImage();
        const QColor grey(0xE8, 0xE8, 0xE8);
        // The left margin column holds no text: pure background.
        QCOMPARE(image.pixelColor(4, 15 + 7), grey);     // row 1
        QVERIFY(image.pixelColor(4, 30 + 7) != grey);    // row 2
        QCOMPARE(image.pixelColor(4, 9 * 15 + 7), grey); // row 9, empty
        bool navy = false;
        for (int x = 10; x < 62 && !navy; ++x) {
            for (int y = 15; y < 30 && !navy; ++y) {
                navy = image.pixelColor(x, y) == QColor(0, 0, 0x80);
            }
        }
        QVERIFY(navy);

        // A value wider than its column ends in "..." inside the cell.
        QImage cell(300, 15, QImage::Format_RGB32);
        cell.fill(Qt::white);
        w.grdSpecs->SetCell(3, 2, QStringLiteral("WR-187 with a name far too long for the column"));
        {
            QPainter painter(&cell);
            w.grdSpecsDrawCell(&painter, 3, 2, QRect(0, 0, 174, 15));
        }
        for (int x = 174; x < 300; ++x) {
            for (int y = 0; y < 15; ++y) {
                QCOMPARE(cell.pixelColor(x, y), QColor(Qt::white));
            }
        }
    }

    void confirmationDialogsAnswerWithTheButtonPressed() {
        TQtPrompts prompts;
        const std::pair<const char*, TDialogResult> answers[] = {
            {"btnContinue", TDialogResult::Continue},
            {"btnSwap", TDialogResult::Swap},
            {"btnCancel", TDialogResult::Cancel}};
        for (const auto& [button, result] : answers) {
            AnswerNextDialog(button);
            QCOMPARE(prompts.ConfirmSwap("shorter", "longer"), result);
            if (result != TDialogResult::Swap) {
                AnswerNextDialog(button);
                QCOMPARE(prompts.ConfirmTapered("x"), result);
            }
        }
        QVERIFY(TfrmSwapConfirm().btnContinue->isDefault());
        QVERIFY(TfrmConfirmTapered().btnContinue->isDefault());

        // The window button and Escape cancel; carriage returns break the lines.
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<TfrmConfirmTapered*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            QCOMPARE(shown->lblCaption->text(), QStringLiteral("one\n\ntwo"));
            QVERIFY(shown->lblCaption->height() > 2 * shown->lblCaption->fontMetrics().height());
            shown->close();
        });
        QCOMPARE(prompts.ConfirmTapered("one\r\rtwo"), TDialogResult::Cancel);
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<TfrmSwapConfirm*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            QCOMPARE(shown->lblLabel1->text(), QStringLiteral("The shorter leg (6.0 in.)"));
            QCOMPARE(shown->lblLabel2->text(), QStringLiteral("The longer leg (8.0 in.)"));
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        QCOMPARE(prompts.ConfirmSwap("The shorter leg (6.0 in.)", "The longer leg (8.0 in.)"),
                 TDialogResult::Cancel);
    }
};

CORVANE_UI_TEST(ScreenTwoTest)
#include "ScreenTwoTest.moc"
