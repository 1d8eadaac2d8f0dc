#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/MultiColumnCombo.h"
#include "controls/StringGrid.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
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
    window.Core().WaveguideList.Lines = {"187|WR187|x|WR-187|WG12|R48"};
    window.MirrorState();
    QTest::keyClick(window.cbxWaveguide, '1');
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
        QCOMPARE(window.Core().WaveguideIndex, 0);
        QTest::mouseClick(window.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{1});
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
        ChooseFamilyAndWaveguide(window);
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
        ChooseFamilyAndWaveguide(window);
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
