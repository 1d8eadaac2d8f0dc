#include "app/MainLinks.h"
#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CVNRadioButton.h"
#include "controls/CoreText.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "controls/ProgramFonts.h"
#include "printing/PreviewWindow.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/MainWidgets.h"
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
using test::TMainWidgets;

class TRecordingLauncher : public TLauncher {
public:
    std::vector<std::string> Opened;
    bool Answer = true;
    bool Open(const std::string& target) override {
        Opened.push_back(target);
        return Answer;
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
        ConnectMainWindow(*Window, TServices{Prompts, Launcher, Desktop.FileDialogs, Desktop.Clock},
                          Preview);
        return *Window;
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TRecordingLauncher Launcher;
    TQtServices Desktop;
    TfrmPreview Preview{Prompts};
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
    const TMainWidgets ui(window);
    QTest::keyClick(ui.cbxProductType, 'r');
    QTest::keyClick(ui.cbxWaveguide, '1');
}

// A straight section whose screen 1 is complete: family, size, both flanges; the
// length is the size's default.
void CompleteScreenOne(TfrmMain& window) {
    const TMainWidgets ui(window);
    ChooseFamilyAndWaveguide(window);
    PickItem(ui.cbxFlangeA, 0);
    PickItem(ui.cbxFlangeB, 0);
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

// The controls the Tab key reaches from the given one until it comes back to it, by
// their names; a list's own edit box counts as the list.
QStringList TabWalk(QWidget* first) {
    first->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 30; ++i) {
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        const QString name = focus ? focus->objectName() : QStringLiteral("(none)");
        if (!names.isEmpty() && name == names.front()) {
            break;
        }
        names << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

// The width a column's text has in the closed box: the cell less its 2-pixel insets,
// cut where the box's item area ends; the last column runs to that end.
int ClosedTextWidth(const TMultiColumnCombo& list, int column) {
    const QRect area = list.ClosedItemRect();
    int x = area.left();
    for (int c = 0; c < column; ++c) {
        x += list.Columns()[c].Width();
    }
    const bool last = column + 1 == list.Columns().Count();
    const int right =
        last ? area.right() + 1 : std::min(x + list.Columns()[column].Width(), area.right() + 1);
    return right - x - 4;
}

int WidestText(const QFontMetrics& metrics, const TTxtTable& table, int column) {
    int widest = 0;
    for (int r = 0; r < table.RowCount(); ++r) {
        widest = std::max(widest,
                          metrics.horizontalAdvance(QStr(std::string(table.GetField(r, column)))));
    }
    return widest;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program does at start: the window's fonts.
        RegisterProgramFonts();
    }

    void opensOnScreenOneWithTheSampleFamiliesAndHelp() {
        TWindowUnderTest test;
        test.Folder.Write("Corvane38.html", "<html></html>");
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        window.show();
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);
        QVERIFY(!ui.btnAddOrder->isEnabled());

        QVERIFY(test.Prompts.Messages.empty());
        QCOMPARE(ui.cbxProductType->count(), 11);
        QCOMPARE(ui.cbxProductType->ColumnText(1, 1), QStringLiteral("90\u00B0 Twist"));
        QCOMPARE(ui.cbxProductType->ItemIndex(), -1);
        QVERIFY(!ui.imgPhoto->pixmap().isNull());

        QVERIFY(ui.mnuHelp->isEnabled());
        ui.mnuHelp->trigger();
        QCOMPARE(test.Launcher.Opened,
                 std::vector<std::string>{test.Folder.Path() + "Corvane38.html"});
    }

    void helpNeedsTheGuidePageAndSaysWhenItCannotOpenIt() {
        struct TCase {
            const char* Page; // written beside the program, or nothing
            bool Opens;
            bool Enabled;
            std::size_t Messages;
        };
        const TCase cases[] = {
            {"corvane38.HTML", true, true, 0},
            {"Corvane38.html", false, true, 1},
            {"Corvane38.hlp", true, false, 0},
            {nullptr, true, false, 0},
        };
        for (const TCase& c : cases) {
            TWindowUnderTest test;
            if (c.Page) {
                test.Folder.Write(c.Page, "<html></html>");
            }
            test.Launcher.Answer = c.Opens;
            TfrmMain& window = test.Create();
            const TMainWidgets ui(window);
            QCOMPARE(ui.mnuHelp->isEnabled(), c.Enabled);
            ui.mnuHelp->trigger();
            QCOMPARE(test.Launcher.Opened.size(), c.Enabled ? 1u : 0u);
            QCOMPARE(test.Prompts.Messages.size(), c.Messages);
        }
    }

    void unitSettingIsShownAndWrittenBackAtClose() {
        TWindowUnderTest test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        QVERIFY(ui.mnuMetric->isChecked());
        QVERIFY(!ui.mnuImperial->isChecked());
        QCOMPARE(ui.lblLength1->text(), QStringLiteral("mm"));
        QCOMPARE(ui.lblLength4->text(), QStringLiteral("mm"));

        ui.mnuImperial->trigger();
        QVERIFY(ui.mnuImperial->isChecked());
        QVERIFY(!ui.mnuMetric->isChecked());
        QCOMPARE(ui.lblLength2->text(), QStringLiteral("inches"));
        // Choosing the active unit again leaves its check mark.
        ui.mnuImperial->trigger();
        QVERIFY(ui.mnuImperial->isChecked());

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
        TfrmPreview preview(prompts);
        ConnectMainWindow(window, TServices{prompts, launcher, desktop.FileDialogs, desktop.Clock},
                          preview);
        const TMainWidgets ui(window);

        window.SetupFromPartNumber("R187PA0125BSG");
        QCOMPARE(prompts.Texts("error"),
                 std::vector<std::string>{"'x' is not a valid floating point value"});
        QCOMPARE(prompts.UnderHourglass, std::vector<bool>{false});
        QVERIFY(!QApplication::overrideCursor());
        // The window shows as much of the set-up as was done before the error.
        QCOMPARE(ui.cbxProductType->ItemIndex(), static_cast<int>(FamilyType::Straight));
    }

    void nextRefusesAnIncompleteFirstScreen() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("information"),
                 std::vector<std::string>{"Please fill all options to continue."});
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);

        ChooseFamilyAndWaveguide(window);
        QCOMPARE(window.Core().ProductTypeIndex, 8);
        QVERIFY(ui.cbxWaveguide->ItemIndex() >= 0);
        QCOMPARE(ui.cbxWaveguide->ItemIndex(), window.Core().WaveguideIndex);
        // The flanges are still missing.
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{2});
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);

        PickItem(ui.cbxFlangeA, 0);
        PickItem(ui.cbxFlangeB, 0);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QCOMPARE(test.Prompts.Messages.size(), std::size_t{2});
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage2);
        QCOMPARE(ui.lblWizard->text(), QStringLiteral("Wizard - Screen 2 of 2"));

        QTest::mouseClick(ui.btnBack, Qt::LeftButton);
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);
        QCOMPARE(ui.lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
    }

    void resetSettingsClearsTheChoices() {
        TWindowUnderTest test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        ShowActive(window);
        CompleteScreenOne(window);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        window.Core().PartNumber = "R187PA0125BSG";
        window.Core().AddOrderEnabled = true;
        window.MirrorState();
        QCOMPARE(ui.txtPartNumber->text(), QStringLiteral("R187PA0125BSG"));
        ui.btnCreate->setFocus();

        ui.mnuResetSettings->trigger();
        QCOMPARE(ui.cbxProductType->ItemIndex(), -1);
        QCOMPARE(ui.cbxProductType->count(), 11);
        QCOMPARE(ui.cbxWaveguide->count(), 0);
        QCOMPARE(ui.cbxFlangeA->count(), 0);
        QCOMPARE(ui.cbxLength->count(), 0);
        QCOMPARE(ui.cbxFinish->ItemIndex(), -1);
        QCOMPARE(ui.txtPartNumber->text(), QString());
        QVERIFY(!ui.btnAddOrder->isEnabled());
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);
        QCOMPARE(ui.lblWizard->text(), QStringLiteral("Wizard - Screen 1 of 2"));
        QTRY_VERIFY(ui.cbxProductType->hasFocus());
        QVERIFY(ui.mnuMetric->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }

    void finishAsksBeforeEnding() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        window.show();
        QSignalSpy closed(&window, &TfrmMain::FormClosed);
        CompleteScreenOne(window);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);

        test.Prompts.Answers = {TDialogResult::Cancel};
        QTest::mouseClick(ui.btnFinish, Qt::LeftButton);
        QCOMPARE(test.Prompts.Texts("confirm"),
                 std::vector<std::string>{"Do you wish to exit now?"});
        QVERIFY(window.isVisible());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(ui.cbxProductType->ItemIndex(), 8);
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage2);

        test.Prompts.Answers = {TDialogResult::Continue};
        QTest::mouseClick(ui.btnFinish, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.count(), 1);
        QVERIFY(test.Folder.Exists("Corvane.ini"));
    }

    void familyChoiceSetsUpTheFlangeGroupsAndLengthPage() {
        TWindowUnderTest test;
        TfrmMain& window = test.Create();
        const TMainWidgets ui(window);
        ShowActive(window);
        QTest::keyClick(ui.cbxProductType, 'p');
        QCOMPARE(ui.cbxProductType->ItemIndex(), 7);
        QCOMPARE(ui.gbxFlangeA->title(), QStringLiteral(" For Fitment to Flange "));
        QCOMPARE(ui.gbxFlangeB->title(), QString());
        QVERIFY(!ui.cbxFlangeB->isEnabled());
        QCOMPARE(ui.nbLengthPages->currentIndex(), 1);
        QCOMPARE(ui.cbxWaveguide->count(), window.Core().WaveguideList.RowCount());
        QVERIFY(ui.cbxWaveguide->count() > 0);

        PickItem(ui.cbxWaveguide, 0);
        QCOMPARE(ui.cbxWaveguide->ItemIndex(), 0);
        QCOMPARE(ui.txtLength->text(), QStringLiteral("N/A"));
        QCOMPARE(ui.cbxFlangeA->count(), window.Core().FlangeAList.RowCount());
        QVERIFY(ui.cbxFlangeA->count() > 0);

        QTest::keyClick(ui.cbxProductType, 'c');
        QCOMPARE(ui.gbxFlangeA->title(), QStringLiteral(" Flange "));
        QCOMPARE(ui.gbxFlangeB->title(), QStringLiteral(" Coax Type "));
        QVERIFY(ui.cbxCoax->isVisible());
        QVERIFY(ui.cbxCoax->isEnabled());
        QVERIFY(!ui.cbxFlangeB->isVisible());
        QVERIFY(!ui.chkFlangeAdaptor->isVisible());

        QTest::keyClick(ui.cbxProductType, 'e');
        QCOMPARE(ui.gbxFlangeB->title(), QStringLiteral(" Flange B "));
        QVERIFY(ui.cbxFlangeB->isVisible() && ui.cbxFlangeB->isEnabled());
        QVERIFY(!ui.cbxCoax->isVisible());
        QCOMPARE(ui.nbLengthPages->currentIndex(), 2);
        QVERIFY(!ui.cbxLegALength->isEditable());

        QTest::keyClick(ui.cbxProductType, 'r');
        QCOMPARE(ui.nbLengthPages->currentIndex(), 0);
        QVERIFY(ui.cbxLength->isEditable());
        QVERIFY(ui.chkFlangeAdaptor->isVisible());
    }

    void tabFollowsTheReadingOrderOnBothScreens() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        const TMainWidgets ui(w);
        ShowActive(w);
        PickItem(ui.cbxProductType, FamilyType::Straight);
        Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(ui.cbxFlangeA, w.Core().FlangeAList, "B");
        Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
        QCOMPARE(TabWalk(ui.cbxProductType),
                 (QStringList{"cbxProductType", "cbxWaveguide", "cbxFlangeA", "cbxFlangeB",
                              "cbxLength", "chkFlangeAdaptor", "btnNext"}));

        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QVERIFY(ui.btnAddOrder->isEnabled());
        // Top row left to right, then the left column down, then the buttons below.
        const QStringList screenTwo{
            "btnCreate", "txtPartNumber",    "btnAddOrder",        "btnViewOrder", "btnViewSpecs",
            "cbxFinish", "FrequencyChoice0", "btnOtherFreqRanges", "btnBack",      "btnFinish"};
        QCOMPARE(TabWalk(ui.btnCreate), screenTwo);
        // Choices built anew for another size keep their place; the second press lands
        // where the first did.
        QTest::mouseClick(ui.btnBack, Qt::LeftButton);
        Pick(ui.cbxWaveguide, w.Core().WaveguideList, "090");
        Pick(ui.cbxFlangeA, w.Core().FlangeAList, "A");
        Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(TabWalk(ui.btnCreate), screenTwo);
        QCOMPARE(TabWalk(ui.btnCreate), screenTwo);
    }

    void closedListsShowTheWholeTextOfEverySampleRow() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        const TMainWidgets ui(w);
        w.show();
        auto table = [&](const char* name) {
            TTxtTable rows =
                TTxtTable::CreateFromFile(test.Folder.Path() + "Data/" + name, test.Prompts);
            rows.DeleteHeader();
            return rows;
        };
        const TTxtTable families = table("Family.tbl");
        const TTxtTable flanges = table("Flange.tbl");
        const TTxtTable coax = table("CoaxType.tbl");
        const TTxtTable sizes = table("WGSize.tbl");
        const TTxtTable tapers = table("Taper.tbl");
        struct TCase {
            const char* What;
            TMultiColumnCombo* List;
            int Family; // whose waveguide columns apply, or -1
            int ListColumn;
            const TTxtTable& Rows;
            int TableColumn;
        };
        const TCase cases[] = {
            {"family name", ui.cbxProductType, -1, 1, families, 2},
            {"flange A type", ui.cbxFlangeA, -1, 1, flanges, 3},
            {"flange A model", ui.cbxFlangeA, -1, 2, flanges, 4},
            {"flange B type", ui.cbxFlangeB, -1, 1, flanges, 3},
            {"flange B model", ui.cbxFlangeB, -1, 2, flanges, 4},
            {"coax type", ui.cbxCoax, -1, 1, coax, 2},
            {"WR", ui.cbxWaveguide, FamilyType::Straight, 1, sizes, 2},
            {"US military", ui.cbxWaveguide, FamilyType::Straight, 2, sizes, 4},
            {"British", ui.cbxWaveguide, FamilyType::Straight, 3, sizes, 5},
            {"IEC", ui.cbxWaveguide, FamilyType::Straight, 4, sizes, 6},
            {"taper name", ui.cbxWaveguide, FamilyType::Tapered, 1, tapers, 3},
            {"taper sizes", ui.cbxWaveguide, FamilyType::Tapered, 2, tapers, 4},
        };
        for (const TCase& c : cases) {
            if (c.Family >= 0) {
                PickItem(ui.cbxProductType, c.Family);
            }
            const int widest = WidestText(c.List->fontMetrics(), c.Rows, c.TableColumn);
            const int room = ClosedTextWidth(*c.List, c.ListColumn);
            QVERIFY2(widest <= room,
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(c.What).arg(widest).arg(room)));
        }
    }

    void waveguideCaptionsNameTheColumnsTheClosedBoxShows() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        const TMainWidgets ui(w);
        w.show();
        TMPLabel* const captions[] = {ui.lblWaveguideCode, ui.lblWR, ui.lblUSMilitary,
                                      ui.lblBritish, ui.lblIEC};
        struct TCase {
            int Family;
            QStringList Shown;
        };
        const TCase cases[] = {
            {FamilyType::Straight, {" Code", " WR", " US Military", " British", " IEC"}},
            // The pair's British and IEC names are seen in the open list only.
            {FamilyType::Tapered, {" Code", " Transition", " Sizes"}},
            {FamilyType::EBend, {" Code", " WR", " US Military", " British", " IEC"}},
        };
        for (const TCase& c : cases) {
            PickItem(ui.cbxProductType, c.Family);
            QStringList shown;
            int x = ui.cbxWaveguide->x();
            for (int col = 0; col < 5; ++col) {
                if (captions[col]->isVisible()) {
                    shown << captions[col]->text();
                    QCOMPARE(captions[col]->x(), x);
                }
                x += ui.cbxWaveguide->Columns()[col].Width();
            }
            QVERIFY2(shown == c.Shown, qPrintable(shown.join(QLatin1Char('|'))));
        }
    }

    void createShowsThePartNumberUntilAChoiceChanges() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        const TMainWidgets ui(w);
        w.show();
        PickItem(ui.cbxProductType, FamilyType::Straight);
        Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(ui.cbxFlangeA, w.Core().FlangeAList, "B");
        Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage2);
        QVERIFY(!ui.btnAddOrder->isEnabled());
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(ui.txtPartNumber->text(), QStringLiteral("R187PA0120BSG"));
        QVERIFY(ui.btnAddOrder->isEnabled());
        QVERIFY(ui.btnViewSpecs->isEnabled());

        PickItem(ui.cbxFinish, 1);
        QCOMPARE(ui.txtPartNumber->text(), QString());
        QVERIFY(!ui.btnAddOrder->isEnabled());
        QVERIFY(!ui.btnViewSpecs->isEnabled());
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(ui.txtPartNumber->text(), QStringLiteral("R187PA0120BSN"));
        QVERIFY(test.Prompts.Messages.empty());
    }

    void frequencyChoiceShownIsTheOneThatComposes() {
        TWindowUnderTest test;
        TfrmMain& w = test.Create();
        const TMainWidgets ui(w);
        ShowActive(w);
        PickItem(ui.cbxProductType, FamilyType::Straight);
        Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(ui.cbxFlangeA, w.Core().FlangeAList, "A");
        Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QVERIFY(ui.FrequencyChoices().size() >= 2);
        // The topmost choice is the one selected when the choices are built.
        QVERIFY(ui.FrequencyChoices()[0]->isChecked());
        for (int round = 0; round < 2; ++round) {
            for (const std::size_t i : {std::size_t{1}, std::size_t{0}}) {
                TCVNRadioButton* choice = ui.FrequencyChoices()[i];
                QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(6, choice->height() / 2));
                QVERIFY(choice->isChecked());
                QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
                QCOMPARE(ui.txtPartNumber->text().right(2), choice->FreqBand + QStringLiteral("G"));
            }
        }
        // A choice made by the program, not by a click, is shown too.
        w.SetupFromPartNumber("R187PA0120A" + CoreStr(ui.FrequencyChoices()[1]->FreqBand) + "G");
        QVERIFY(ui.FrequencyChoices()[1]->isChecked());
        QVERIFY(!ui.FrequencyChoices()[0]->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }
};

CORVANE_UI_TEST(MainWindowTest)

#include "MainWindowTest.moc"
