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

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>

using namespace cvn;

namespace {

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
        namespace fs = std::filesystem;
        if (data == SampleData) {
            const fs::path sample(CORVANE_SAMPLE_APP_DIR);
            fs::copy(sample / "Data", Folder.Path() + "Data",
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
            fs::copy(sample / "Images", Folder.Path() + "Images",
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        } else {
            fs::remove_all(Folder.Path() + "Data");
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

QStringList MenuItems(QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

// Every control lies inside its parent, so nothing is cut off or overlaps the frame.
// The pages of a stacked widget fill it, whatever size the hidden ones have now.
void VerifyInsideParents(QWidget* parent) {
    const bool pages = qobject_cast<QStackedWidget*>(parent) != nullptr;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            continue;
        }
        if (pages) {
            child->resize(parent->size());
        } else if (!parent->rect().contains(child->geometry())) {
            QFAIL(qPrintable(child->objectName() + QStringLiteral(" lies outside ") +
                             parent->objectName()));
        }
        // Controls are made of parts of their own; only containers are searched.
        if (!qobject_cast<QAbstractScrollArea*>(child) && !qobject_cast<QComboBox*>(child)) {
            VerifyInsideParents(child);
        }
    }
}

// Chooses a family and a waveguide the way the user does, by typing into the lists.
void ChooseFamilyAndWaveguide(TfrmMain& window) {
    QTest::keyClick(window.cbxProductType, 'r');
    QTest::keyClick(window.cbxWaveguide, '1');
}

// Chooses an item from a list's open list, with the keyboard.
template <class TList> void PickItem(TList* list, int row) {
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
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
    void windowHasItsSizeMenuAndScreens() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        window.show();
        QCOMPARE(window.centralWidget()->size(), QSize(601, 436));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(window.windowTitle(), QStringLiteral("Brenmoor Corvane 38"));
        QCOMPARE(window.Wizard->count(), 2);
        QCOMPARE(window.Wizard->currentWidget(), window.WizardPage1);
        QCOMPARE(window.lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
        QVERIFY(!window.btnBackDisabled->isEnabled());
        QVERIFY(!window.btnAddOrder->isEnabled());
        QVERIFY(!window.btnViewSpecs->isEnabled());
        VerifyInsideParents(window.centralWidget());

        QCOMPARE(window.grdSpecs->ColCount(), 4);
        QCOMPARE(window.grdSpecs->RowCount(), 11);
        QCOMPARE((QList<int>{window.grdSpecs->ColWidth(0), window.grdSpecs->ColWidth(1),
                             window.grdSpecs->ColWidth(2), window.grdSpecs->ColWidth(3)}),
                 (QList<int>{10, 52, 105, 174}));
        QCOMPARE(window.grdSpecs->rowHeight(10), 15);
        QVERIFY(!window.grdSpecs->isEnabled());

        const QList<QAction*> menus = window.menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        std::map<QString, QStringList> items;
        for (const QAction* menu : menus) {
            items[menu->text()] = MenuItems(menu->menu());
        }
        QCOMPARE(items[QStringLiteral("&File")], QStringList{"E&xit"});
        QCOMPARE(items[QStringLiteral("&Options")],
                 (QStringList{"&Convert From Old Part Number", "C&reate From Part Number", "-",
                              "Reset &Settings", "-", "&View Order", "-",
                              "&Update Corvane (LiveUpdate)"}));
        QCOMPARE(items[QStringLiteral("&Units")], (QStringList{"&Imperial", "&Metric"}));
        QCOMPARE(items[QStringLiteral("&Help")], (QStringList{"&Help", "-", "&About"}));
    }

    void productListShowsTheSampleFamilies() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        QVERIFY(test.Prompts.Messages.empty());
        QCOMPARE(window.cbxProductType->count(), 11);
        QCOMPARE(window.cbxProductType->ColumnText(8, 0), QStringLiteral("R"));
        QCOMPARE(window.cbxProductType->ColumnText(8, 1), QStringLiteral("Straight Section"));
        QCOMPARE(window.cbxProductType->ColumnText(1, 1), QStringLiteral("90\u00B0 Twist"));
        QCOMPARE(window.cbxProductType->ItemIndex(), -1);
        QCOMPARE(window.cbxFinish->ItemIndex(), 0);
        QCOMPARE(window.cbxFinish->ItemLine(0), QStringLiteral("-1|G|Gray"));
        QCOMPARE(window.imgPhoto->pixmap().isNull(),
                 !std::filesystem::exists(test.Folder.Path() + "Images/WG.gif"));
        QVERIFY(!window.imgIcon->pixmap().isNull());
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
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
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

        QTest::keyClick(window.cbxProductType, 't');
        QCOMPARE(window.cbxWaveguide->Columns()[1].Width(), 105);
        QCOMPARE(window.cbxWaveguide->DropWidth(), 440);
        QTest::keyClick(window.cbxProductType, 'r');
        QCOMPARE(window.cbxWaveguide->Columns()[1].Width(), 60);
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

    void typedLengthsAreCheckedWhenTheListIsLeft() {
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
    }

    void flangeAdaptorAndUnitsChangeTheShownLength() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        ShowActive(window);
        QTest::keyClick(window.cbxProductType, 'r');
        PickItem(window.cbxWaveguide, RowOf(window.Core().WaveguideList, "090"));
        QVERIFY(window.cbxLength->isEnabled());
        QTest::mouseClick(window.chkFlangeAdaptor, Qt::LeftButton, {},
                          QPoint(8, window.chkFlangeAdaptor->height() / 2));
        QVERIFY(window.chkFlangeAdaptor->isChecked());
        QVERIFY(!window.cbxLength->isEnabled());
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("4.0"));

        window.mnuMetric->trigger();
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("102"));
        QCOMPARE(Items(window.cbxLength), Items(window.Core().Length.MetricItems));
        QCOMPARE(window.lblLength1->text(), QStringLiteral("mm"));
        window.mnuImperial->trigger();
        QCOMPARE(window.cbxLength->currentText(), QStringLiteral("4.0"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void helpOpensTheHelpFileOnlyWhenThereIsOne() {
        TWindowUnderTest without;
        QVERIFY(!without.Create().mnuHelp->isEnabled());

        TWindowUnderTest with;
        with.Folder.Write("Corvane38.hlp", "help");
        TfrmMain& window = with.Create();
        QVERIFY(window.mnuHelp->isEnabled());
        window.mnuHelp->trigger();
        QCOMPARE(with.Launcher.Opened,
                 std::vector<std::string>{with.Folder.Path() + "Corvane38.hlp"});
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
