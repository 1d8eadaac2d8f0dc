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

#include <filesystem>
#include <memory>

using namespace cvn;

namespace {

// Chooses an item from a list's open list, with the keyboard.
void PickRow(TMultiColumnCombo* list, int row) {
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

struct TSampleWindow {
    TSampleWindow() {
        namespace fs = std::filesystem;
        fs::copy(fs::path(CORVANE_SAMPLE_APP_DIR) / "Data", Folder.Path() + "Data",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        Window = std::make_unique<TfrmMain>(
            TServices{Prompts, Desktop.Launcher, Desktop.FileDialogs, Desktop.Clock},
            Folder.Path());
    }

    // Chooses an item of a list by the code in its first column, as the user picks it.
    void Pick(TMultiColumnCombo* list, const TTxtTable& rows, const std::string& code) {
        const int row = FindRow(rows, 1, code);
        QVERIFY2(row >= 0, code.c_str());
        PickRow(list, row);
    }

    void Configure(int family, const std::string& size, const std::string& a,
                   const std::string& b) {
        TfrmMain& w = *Window;
        PickRow(w.cbxProductType, family);
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

QRect ClientRect(const QWidget* w) {
    return {w->x(), w->y(), w->width(), w->height()};
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

        const auto labels = w.rgFrequency->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 2);
        QCOMPARE(w.FrequencyLabels.size(), std::size_t{2});
        QCOMPARE(w.FrequencyLabels[0]->text(), QStringLiteral("Wide Band"));
        QCOMPARE(w.FrequencyLabels[0]->pos(), QPoint(8, 16));
        QCOMPARE(w.FrequencyLabels[1]->text(), QStringLiteral("Narrow Band"));
        QCOMPARE(w.FrequencyLabels[1]->pos(), QPoint(8, 48));
        QCOMPARE(w.FrequencyLabels[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
        QCOMPARE(w.FrequencyLabels[0]->font().family(), QStringLiteral("Tahoma"));

        const auto choices = w.rgFrequency->findChildren<TCVNRadioButton*>();
        QCOMPARE(choices.size(), 3);
        QCOMPARE(ClientRect(w.FrequencyChoices[0]), QRect(15, 32, 170, 17));
        QCOMPARE(w.FrequencyChoices[0]->text(), QStringLiteral("3.95-5.85 GHz / VSWR: 1.05:1"));
        QCOMPARE(w.FrequencyChoices[0]->FreqBand, QStringLiteral("S"));
        QVERIFY(w.FrequencyChoices[0]->isChecked());
        QCOMPARE(w.FrequencyChoices[1]->y(), 64);
        QCOMPARE(w.FrequencyChoices[2]->y(), 80);

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

        PickRow(w.cbxFinish, 1);
        QCOMPARE(w.txtPartNumber->text(), QString());
        QVERIFY(!w.btnAddOrder->isEnabled());
        QVERIFY(!w.btnViewSpecs->isEnabled());
        QTest::mouseClick(w.btnCreate, Qt::LeftButton);
        QCOMPARE(w.txtPartNumber->text(), QStringLiteral("R187PA0120BSN"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void swapInTheMiterDialogShowsTheExchangedFlanges() {
        TSampleWindow test;
        TfrmMain& w = *test.Window;
        w.show();
        test.Configure(FamilyType::MiterH, "187", "C", "A");
        // Leg A 8.0 is the default; leg B one step longer.
        w.cbxLegBLength->setCurrentIndex(w.cbxLegBLength->findText(QStringLiteral("8.5")));
        w.cbxLegBLengthChange();
        test.Prompts.Answers = {TDialogResult::Swap};
        QTest::mouseClick(w.btnCreate, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("confirm").size(), std::size_t{1});
        QCOMPARE(w.txtPartNumber->text(), QStringLiteral("M187PA080C085SG"));
        QCOMPARE(w.cbxFlangeA->ItemIndex(), FindRow(w.Core().FlangeAList, 1, "A"));
        QCOMPARE(w.cbxFlangeB->ItemIndex(), FindRow(w.Core().FlangeBList, 1, "C"));
        QCOMPARE(w.grdSpecs->Cell(3, 4), QStringLiteral("Cover"));
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

    void taperedDialogLooksAndAnswersAsSpecifiedInItsDesign() {
        TfrmConfirmTapered dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirm Configuration"));
        QCOMPARE(dialog.size(), QSize(369, 147));
        QCOMPARE(ClientRect(dialog.Image1), QRect(12, 11, 32, 32));
        QVERIFY(!dialog.Image1->pixmap().isNull());
        QCOMPARE(dialog.lblCaption->pos(), QPoint(56, 11));
        QCOMPARE(ClientRect(dialog.btnContinue), QRect(106, 107, 75, 25));
        QCOMPARE(ClientRect(dialog.btnCancel), QRect(187, 107, 75, 25));
        QCOMPARE(dialog.btnContinue->text(), QStringLiteral("&Continue"));
        QCOMPARE(dialog.btnCancel->text(), QStringLiteral("&Cancel"));
        QVERIFY(dialog.btnContinue->isDefault());

        TQtPrompts prompts;
        AnswerNextDialog("btnContinue");
        QCOMPARE(prompts.ConfirmTapered("Smaller end\r\rLarger end"), TDialogResult::Continue);
        AnswerNextDialog("btnCancel");
        QCOMPARE(prompts.ConfirmTapered("x"), TDialogResult::Cancel);
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<TfrmConfirmTapered*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            QCOMPARE(shown->lblCaption->text(), QStringLiteral("one\n\ntwo"));
            QVERIFY(shown->lblCaption->height() > 2 * shown->lblCaption->fontMetrics().height());
            shown->close(); // the window button: Cancel
        });
        QCOMPARE(prompts.ConfirmTapered("one\r\rtwo"), TDialogResult::Cancel);
    }

    void swapDialogLooksAndAnswersAsSpecifiedInItsDesign() {
        TfrmSwapConfirm dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirm Configuration"));
        QCOMPARE(dialog.size(), QSize(372, 208));
        QCOMPARE(ClientRect(dialog.Image1), QRect(12, 10, 32, 32));
        QCOMPARE(ClientRect(dialog.Label1), QRect(56, 10, 295, 26));
        QVERIFY(dialog.Label1->wordWrap());
        QCOMPARE(dialog.Label1->text(),
                 QStringLiteral("The flange and corresponding length of each leg are different. "
                                "Please verify your configuration."));
        QCOMPARE(dialog.lblLabel1->pos(), QPoint(56, 48));
        QCOMPARE(dialog.lblLabel2->pos(), QPoint(56, 72));
        QCOMPARE(ClientRect(dialog.Label4), QRect(56, 99, 295, 52));
        QVERIFY(dialog.Label4->text().startsWith(
            QStringLiteral("If the configuration is correct as is, press the Continue button.")));
        QCOMPARE(ClientRect(dialog.btnContinue), QRect(67, 168, 75, 25));
        QCOMPARE(ClientRect(dialog.btnSwap), QRect(148, 168, 75, 25));
        QCOMPARE(ClientRect(dialog.btnCancel), QRect(229, 168, 75, 25));
        QCOMPARE(dialog.btnSwap->text(), QStringLiteral("&Swap"));
        QVERIFY(dialog.btnContinue->isDefault());

        TQtPrompts prompts;
        const std::pair<const char*, TDialogResult> answers[] = {
            {"btnContinue", TDialogResult::Continue},
            {"btnSwap", TDialogResult::Swap},
            {"btnCancel", TDialogResult::Cancel}};
        for (const auto& [button, result] : answers) {
            AnswerNextDialog(button);
            QCOMPARE(prompts.ConfirmSwap("shorter", "longer"), result);
        }
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<TfrmSwapConfirm*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            QCOMPARE(shown->lblLabel1->text(),
                     QStringLiteral("The shorter leg (6.0 in.) has a Cover flange"));
            QCOMPARE(shown->lblLabel2->text(),
                     QStringLiteral("The longer leg (8.0 in.) has a CPR-G flange"));
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        QCOMPARE(prompts.ConfirmSwap("The shorter leg (6.0 in.) has a Cover flange",
                                     "The longer leg (8.0 in.) has a CPR-G flange"),
                 TDialogResult::Cancel);
    }
};

CORVANE_UI_TEST(ScreenTwoTest)
#include "ScreenTwoTest.moc"
