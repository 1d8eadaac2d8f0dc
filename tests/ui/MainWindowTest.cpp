#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CVNRadioButton.h"
#include "controls/CoreText.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

#include <memory>

using namespace cvn;

namespace {

using test::PickItem;

class TRecordingLauncher : public TLauncher {
public:
    std::vector<std::string> Opened;
    bool Open(const std::string& target) override {
        Opened.push_back(target);
        return true;
    }
};

// A program folder holding the sample catalogue, the main window over it, and the
// desktop services a test can answer.
struct TWindowUnderTest {
    explicit TWindowUnderTest(const char* settings = nullptr) {
        Folder.CopySample("Data");
        Folder.CopySample("Images");
        if (settings) {
            Folder.Write("Corvane.ini", settings);
        }
    }

    TfrmMain& Create() {
        Window = std::make_unique<TfrmMain>(
            TServices{Prompts, Launcher, Desktop.FileDialogs, Desktop.Clock}, Folder.Path());
        return *Window;
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TRecordingLauncher Launcher;
    TQtServices Desktop;
    std::unique_ptr<TfrmMain> Window;
};

// Notes, for each error shown, whether the hourglass was up at the time.
class TCursorAtErrors : public test::TScriptedPrompts {
public:
    std::vector<bool> UnderHourglass;
    void Error(const std::string& text) override {
        UnderHourglass.push_back(QApplication::overrideCursor() != nullptr);
        TScriptedPrompts::Error(text);
    }
};

// Chooses a straight section and its first size the way the user does, by typing.
void ChooseFamilyAndWaveguide(TfrmMain& window) {
    QTest::keyClick(window.cbxProductType, 'r');
    QTest::keyClick(window.cbxWaveguide, '1');
}

// A straight section whose screen 1 is complete: family, size, both flanges; the
// length is the size's default.
void CompleteScreenOne(TfrmMain& window) {
    ChooseFamilyAndWaveguide(window);
    PickItem(window.cbxFlangeA, 0);
    PickItem(window.cbxFlangeB, 0);
}

// Chooses an item of a list by the code in its first column, as the user picks it.
void Pick(TMultiColumnCombo* list, const TTxtTable& rows, const std::string& code) {
    const int row = FindRow(rows, 1, code);
    QVERIFY2(row >= 0, code.c_str());
    PickItem(list, row);
}

// The window is shown and active, so that focus moves as it does for the user.
void ShowActive(TfrmMain& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnScreenOneWithTheSampleFamiliesAndHelp() {
        TWindowUnderTest test;
        test.Folder.Write("Corvane38.hlp", "help");
        TfrmMain& window = test.Create();
        window.show();
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);
        QVERIFY(!window.btnAddOrder->isEnabled());

        QVERIFY(test.Prompts.Messages.empty());
        QCOMPARE(window.cbxProductType->count(), 11);
        QCOMPARE(window.cbxProductType->ColumnText(1, 1), QStringLiteral("90\u00B0 Twist"));
        QCOMPARE(window.cbxProductType->ItemIndex(), -1);
        QVERIFY(!window.imgPhoto->pixmap().isNull());

        QVERIFY(window.mnuHelp->isEnabled());
        window.mnuHelp->trigger();
        QCOMPARE(test.Launcher.Opened,
                 std::vector<std::string>{test.Folder.Path() + "Corvane38.hlp"});
    }

    void unitSettingIsShownAndWrittenBackAtClose() {
        TWindowUnderTest test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& window = test.Create();
        QVERIFY(window.mnuMetric->isChecked());
        QVERIFY(!window.mnuImperial->isChecked());
        QCOMPARE(window.lblLength1->text(), QStringLiteral("mm"));
        QCOMPARE(window.lblLength4->text(), QStringLiteral("mm"));

        window.mnuImperial->trigger();
        QVERIFY(window.mnuImperial->isChecked());
        QVERIFY(!window.mnuMetric->isChecked());
        QCOMPARE(window.lblLength2->text(), QStringLiteral("inches"));
        // Choosing the active unit again leaves its check mark.
        window.mnuImperial->trigger();
        QVERIFY(window.mnuImperial->isChecked());

        QSignalSpy closed(&window, &TfrmMain::FormClosed);
        window.show();
        window.close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(QString::fromStdString(test.Folder.Read("Corvane.ini")),
                 QStringLiteral("[UNITS]\r\ntype=P\r\n"));
        QVERIFY(test.Folder.Exists("corvane38.lom"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void aDataErrorInASetUpIsShownWithoutTheHourglass() {
        test::TTempFolder folder;
        folder.CopySample("Data");
        folder.CopySample("Images");
        std::string dimensions = folder.Read("Data/Dimensions.tbl");
        const std::string sizeRow = "R|187|4.0|";
        dimensions.replace(dimensions.find(sizeRow), sizeRow.size(), "R|187|x|");
        folder.Write("Data/Dimensions.tbl", dimensions);
        TCursorAtErrors prompts;
        TRecordingLauncher launcher;
        TQtServices desktop;
        TfrmMain window(TServices{prompts, launcher, desktop.FileDialogs, desktop.Clock},
                        folder.Path());

        window.SetupFromPartNumber("R187PA0125BSG");
        QCOMPARE(prompts.Texts("error"),
                 std::vector<std::string>{"'x' is not a valid floating point value"});
        QCOMPARE(prompts.UnderHourglass, std::vector<bool>{false});
        QVERIFY(!QApplication::overrideCursor());
        // The window shows as much of the set-up as was done before the error.
        QCOMPARE(window.cbxProductType->ItemIndex(), static_cast<int>(FamilyType::Straight));
    }

    void nextRefusesAnIncompleteFirstScreen() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        QTest::mouseClick(window.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("information"),
                 std::vector<std::string>{"Please fill all options to continue."});
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);

        ChooseFamilyAndWaveguide(window);
        QCOMPARE(window.Core().ProductTypeIndex, 8);
        QVERIFY(window.cbxWaveguide->ItemIndex() >= 0);
        QCOMPARE(window.cbxWaveguide->ItemIndex(), window.Core().WaveguideIndex);
        // The flanges are still missing.
        QTest::mouseClick(window.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{2});
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);

        PickItem(window.cbxFlangeA, 0);
        PickItem(window.cbxFlangeB, 0);
        QTest::mouseClick(window.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{2});
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage2);
        QCOMPARE(window.lblWizard->text(), QStringLiteral("Wizard - Screen 2 of 2"));

        QTest::mouseClick(window.btnBack, Qt::LeftButton);
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);
        QCOMPARE(window.lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
    }

    void resetSettingsClearsTheChoices() {
        TWindowUnderTest test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& window = test.Create();
        ShowActive(window);
        CompleteScreenOne(window);
        QTest::mouseClick(window.btnNext, Qt::LeftButton);
        window.Core().PartNumber = "R187PA0125BSG";
        window.Core().AddOrderEnabled = true;
        window.MirrorState();
        QCOMPARE(window.txtPartNumber->text(), QStringLiteral("R187PA0125BSG"));
        window.btnCreate->setFocus();

        window.mnuResetSettings->trigger();
        QCOMPARE(window.cbxProductType->ItemIndex(), -1);
        QCOMPARE(window.cbxProductType->count(), 11);
        QCOMPARE(window.cbxWaveguide->count(), 0);
        QCOMPARE(window.cbxFlangeA->count(), 0);
        QCOMPARE(window.cbxLength->count(), 0);
        QCOMPARE(window.cbxFinish->ItemIndex(), -1);
        QCOMPARE(window.txtPartNumber->text(), QString());
        QVERIFY(!window.btnAddOrder->isEnabled());
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);
        QCOMPARE(window.lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
        QTRY_VERIFY(window.cbxProductType->hasFocus());
        QVERIFY(window.mnuMetric->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }

    void finishAsksBeforeEnding() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        window.show();
        QSignalSpy closed(&window, &TfrmMain::FormClosed);
        CompleteScreenOne(window);
        QTest::mouseClick(window.btnNext, Qt::LeftButton);

        test.Prompts.Answers = {TDialogResult::Cancel};
        QTest::mouseClick(window.btnFinish, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("confirm"),
                 std::vector<std::string>{"Do you wish to exit now?"});
        QVERIFY(window.isVisible());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(window.cbxProductType->ItemIndex(), 8);
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage2);

        test.Prompts.Answers = {TDialogResult::Continue};
        QTest::mouseClick(window.btnFinish, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.count(), 1);
        QVERIFY(test.Folder.Exists("Corvane.ini"));
    }

    void familyChoiceSetsUpTheFlangeGroupsAndLengthPage() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        ShowActive(window);
        QTest::keyClick(window.cbxProductType, 'p');
        QCOMPARE(window.cbxProductType->ItemIndex(), 7);
        QCOMPARE(window.gbxFlangeA->title(), QStringLiteral(" For Fitment to Flange "));
        QCOMPARE(window.gbxFlangeB->title(), QString());
        QVERIFY(!window.cbxFlangeB->isEnabled());
        QCOMPARE(window.nbLengthPages->currentIndex(), 1);
        QCOMPARE(window.cbxWaveguide->count(), window.Core().WaveguideList.RowCount());
        QVERIFY(window.cbxWaveguide->count() > 0);

        PickItem(window.cbxWaveguide, 0);
        QCOMPARE(window.cbxWaveguide->ItemIndex(), 0);
        QCOMPARE(window.txtLength->text(), QStringLiteral("N/A"));
        QCOMPARE(window.cbxFlangeA->count(), window.Core().FlangeAList.RowCount());
        QVERIFY(window.cbxFlangeA->count() > 0);

        QTest::keyClick(window.cbxProductType, 'c');
        QCOMPARE(window.gbxFlangeA->title(), QStringLiteral(" Flange "));
        QCOMPARE(window.gbxFlangeB->title(), QStringLiteral(" Coax Type "));
        QVERIFY(window.cbxCoax->isVisible());
        QVERIFY(window.cbxCoax->isEnabled());
        QVERIFY(!window.cbxFlangeB->isVisible());
        QVERIFY(!window.chkFlangeAdaptor->isVisible());

        QTest::keyClick(window.cbxProductType, 'e');
        QCOMPARE(window.gbxFlangeB->title(), QStringLiteral(" Flange B "));
        QVERIFY(window.cbxFlangeB->isVisible() && window.cbxFlangeB->isEnabled());
        QVERIFY(!window.cbxCoax->isVisible());
        QCOMPARE(window.nbLengthPages->currentIndex(), 2);
        QVERIFY(!window.cbxLegALength->isEditable());

        QTest::keyClick(window.cbxProductType, 'r');
        QCOMPARE(window.nbLengthPages->currentIndex(), 0);
        QVERIFY(window.cbxLength->isEditable());
        QVERIFY(window.chkFlangeAdaptor->isVisible());
    }

    void createShowsThePartNumberUntilAChoiceChanges() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        w.show();
        PickItem(w.cbxProductType, FamilyType::Straight);
        Pick(w.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(w.cbxFlangeA, w.Core().FlangeAList, "B");
        Pick(w.cbxFlangeB, w.Core().FlangeBList, "A");
        QTest::mouseClick(w.btnNext, Qt::LeftButton);
        QCOMPARE(w.Wizard->currentWidget(), w.WizardPage2);
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

    void frequencyChoiceShownIsTheOneThatComposes() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        ShowActive(w);
        PickItem(w.cbxProductType, FamilyType::Straight);
        Pick(w.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(w.cbxFlangeA, w.Core().FlangeAList, "A");
        Pick(w.cbxFlangeB, w.Core().FlangeBList, "A");
        QTest::mouseClick(w.btnNext, Qt::LeftButton);
        QVERIFY(w.FrequencyChoices.size() >= 2);
        // The topmost choice is the one selected when the choices are built.
        QVERIFY(w.FrequencyChoices[0]->isChecked());
        for (int round = 0; round < 2; ++round) {
            for (const std::size_t i : {std::size_t{1}, std::size_t{0}}) {
                TCVNRadioButton* choice = w.FrequencyChoices[i];
                QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(6, choice->height() / 2));
                QVERIFY(choice->isChecked());
                QTest::mouseClick(w.btnCreate, Qt::LeftButton);
                QCOMPARE(w.txtPartNumber->text().right(2), choice->FreqBand + QStringLiteral("G"));
            }
        }
        // A choice made by the program, not by a click, is shown too.
        w.SetupFromPartNumber("R187PA0120A" + CoreStr(w.FrequencyChoices[1]->FreqBand) + "G");
        QVERIFY(w.FrequencyChoices[1]->isChecked());
        QVERIFY(!w.FrequencyChoices[0]->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }
};

CORVANE_UI_TEST(MainWindowTest)

#include "MainWindowTest.moc"
