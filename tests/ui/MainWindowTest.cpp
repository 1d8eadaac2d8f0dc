#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "controls/StringGrid.h"
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

#include <filesystem>
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
    enum TData { SampleData, NoData };

    explicit TWindowUnderTest(TData data = SampleData, const char* settings = nullptr) {
        if (data == SampleData) {
            Folder.CopySample("Data");
            Folder.CopySample("Images");
        } else {
            std::filesystem::remove_all(Folder.Path() + "Data");
        }
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

int RowOf(const TTxtTable& table, const std::string& code) {
    return FindRow(table, 1, code);
}

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

QStringList Items(const TStrings& texts) {
    QStringList items;
    for (const std::string& text : texts) {
        items << QString::fromStdString(text);
    }
    return items;
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
    void opensFixedSizeOnScreenOneWithTheSampleFamiliesAndHelp() {
        TWindowUnderTest test;
        test.Folder.Write("Corvane38.hlp", "help");
        TfrmMain& window = test.Create();
        window.show();
        QCOMPARE(window.centralWidget()->size(), QSize(601, 436));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);
        QVERIFY(!window.btnAddOrder->isEnabled());
        test::VerifyInsideParents(window.centralWidget());

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
        TWindowUnderTest test(TWindowUnderTest::SampleData, "[UNITS]\r\ntype=M\r\n");
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
        TWindowUnderTest test(TWindowUnderTest::SampleData, "[UNITS]\r\ntype=M\r\n");
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
        QVERIFY(!window.lblCode->isEnabled());
        QVERIFY(!window.lblModel->isEnabled());
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
        QVERIFY(window.lblCoaxType->isVisible());
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

    void aSizeFillsTheFlangeAndLengthListsAndKeepsThemAcrossFamilies() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        ShowActive(window);
        QTest::keyClick(window.cbxProductType, 'e');
        PickItem(window.cbxWaveguide, RowOf(window.Core().WaveguideList, "187"));
        PickItem(window.cbxFlangeA, 1);
        PickItem(window.cbxFlangeB, 0);
        QCOMPARE(Items(window.cbxLegALength), Items(window.Core().LegALength.ImperialItems));
        QVERIFY(window.cbxLegALength->count() > 1);
        QCOMPARE(window.cbxLegBLength->currentText(),
                 QString::fromStdString(window.Core().LegBLength.Text));
        QVERIFY(!window.imgFlangeA->pixmap().isNull());

        PickItem(window.cbxLegALength, 1);
        QCOMPARE(window.Core().LegALength.Text, window.cbxLegALength->itemText(1).toStdString());

        // The H bend lists the same size: it stays, and so do the flanges.
        QTest::keyClick(window.cbxProductType, 'h');
        QCOMPARE(window.cbxWaveguide->ItemIndex(), RowOf(window.Core().WaveguideList, "187"));
        QCOMPARE(window.cbxFlangeA->ItemIndex(), 1);
        QCOMPARE(window.cbxFlangeB->ItemIndex(), 0);
        QCOMPARE(window.nbLengthPages->currentIndex(), 2);
        QVERIFY(test.Prompts.Messages.empty());
    }

    void typedLengthsAreCheckedWhenLeftAndTheAdaptorFixesTheLength() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        ShowActive(window);
        QTest::keyClick(window.cbxProductType, 'r');
        PickItem(window.cbxWaveguide, RowOf(window.Core().WaveguideList, "090"));
        const QString last = window.cbxLength->itemText(window.cbxLength->count() - 1);
        // The open lists have come and gone: the window is the active one again.
        QTest::qWait(20);
        ShowActive(window);

        window.cbxLength->setFocus();
        QTRY_VERIFY(window.cbxLength->hasFocus());
        window.cbxLength->lineEdit()->selectAll();
        QTest::keyClicks(window.cbxLength, QStringLiteral("9999"));
        QCOMPARE(window.Core().Length.Text, std::string("9999"));
        QTest::keyClick(window.cbxLength, Qt::Key_Tab);
        QCOMPARE(test.Prompts.Texts("error"),
                 std::vector<std::string>{"Length \"9999\" is not available."});
        QCOMPARE(window.cbxLength->currentText(), last);
        QTRY_VERIFY(window.cbxLength->hasFocus());

        // A value between two steps goes up to the next one without a word.
        window.cbxLength->lineEdit()->selectAll();
        QTest::keyClicks(window.cbxLength, QStringLiteral("12.2"));
        window.btnNext->setFocus(Qt::TabFocusReason);
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("12.5"));
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{1});

        window.cbxLength->setFocus();
        window.cbxLength->lineEdit()->selectAll();
        QTest::keyClicks(window.cbxLength, QStringLiteral("abc"));
        window.btnNext->setFocus(Qt::MouseFocusReason);
        QCOMPARE(test.Prompts.Texts("error").back(),
                 std::string("\"abc\" is not a valid Length value."));
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("12.5"));

        // The flange adaptor fixes the shown length, converted with the units.
        QTest::mouseClick(window.chkFlangeAdaptor, Qt::LeftButton, {},
                          QPoint(8, window.chkFlangeAdaptor->height() / 2));
        QVERIFY(!window.cbxLength->isEnabled());
        window.mnuMetric->trigger();
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("102"));
    }

    void startsAndClosesWithoutTheCatalogue() {
        TWindowUnderTest test(TWindowUnderTest::NoData, "\x01\x02 not a settings file");
        TfrmMain& window = test.Create();
        const auto errors = test.Prompts.Texts("error");
        QCOMPARE(errors.size(), std::size_t{3});
        QVERIFY(errors[0].find("Family.tbl") != std::string::npos);
        QCOMPARE(window.cbxProductType->count(), 0);
        QVERIFY(window.mnuImperial->isChecked());
        window.show();
        window.close();
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{3});
    }
};

CORVANE_UI_TEST(MainWindowTest)

#include "MainWindowTest.moc"
