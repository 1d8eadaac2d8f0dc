#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/ProgramFonts.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QSignalSpy>

#include <functional>

using namespace cvn;

namespace {

using test::PickItem;
using test::TMainWidgets;

// Notes, for each error shown, whether the hourglass was up at the time.
class TCursorAtErrors : public test::TScriptedPrompts {
public:
    std::vector<bool> UnderHourglass;
    void Error(const std::string& text) override {
        UnderHourglass.push_back(QApplication::overrideCursor() != nullptr);
        TScriptedPrompts::Error(text);
    }
};

// Chooses an item of a list by the code in its first column, as the user picks it.
void Pick(TMultiColumnCombo* list, const TTxtTable& rows, const std::string& code) {
    const int row = FindRow(rows, 1, code);
    QVERIFY2(row >= 0, code.c_str());
    PickItem(list, row);
}

void ShowActive(TfrmMain& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void Straight187(TfrmMain& w, const char* flangeA = "B") {
    const TMainWidgets ui(w);
    PickItem(ui.cbxProductType, FamilyType::Straight);
    Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
    Pick(ui.cbxFlangeA, w.Core().FlangeAList, flangeA);
    Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
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

// Every widget shows what the core's state says, after whatever event came last.
void VerifyMirrors(TfrmMain& w, const char* step) {
    const TMainWidgets ui(w);
    const TConfigurator& core = w.Core();
    const auto list = [&](TMultiColumnCombo* box, const std::vector<TStrings>& items, int index) {
        QVERIFY2(box->count() == static_cast<int>(items.size()), step);
        QVERIFY2(box->ItemIndex() == index, step);
        for (std::size_t i = 0; i < items.size() && !items[i].empty(); ++i) {
            QVERIFY2(box->ColumnText(static_cast<int>(i), 0) == QStr(items[i][0]), step);
        }
    };
    list(ui.cbxProductType, core.ProductTypeItems(), core.ProductTypeIndex);
    list(ui.cbxWaveguide, core.WaveguideItems(), core.WaveguideIndex);
    list(ui.cbxFlangeA, core.FlangeAItems(), core.FlangeAIndex);
    list(ui.cbxFlangeB, core.FlangeBItems(), core.FlangeBIndex);
    list(ui.cbxCoax, core.CoaxItems(), core.CoaxIndex);
    QVERIFY2(ui.Wizard->currentWidget() == (core.Screen == 1 ? ui.WizardPage1 : ui.WizardPage2),
             step);
    QVERIFY2(ui.lblWizard->text() == QStr(core.WizardCaption()), step);
    QVERIFY2(ui.gbxFlangeA->title() == QStr(core.FlangeACaption), step);
    QVERIFY2(ui.gbxFlangeB->title() == QStr(core.FlangeBCaption), step);
    QVERIFY2(ui.cbxFlangeB->isEnabled() == core.FlangeBEnabled, step);
    QVERIFY2(ui.cbxCoax->isEnabled() == core.CoaxEnabled, step);
    if (core.Screen == 1) {
        QVERIFY2(ui.cbxCoax->isVisible() == core.CoaxInFront, step);
        QVERIFY2(ui.cbxFlangeB->isVisible() == !core.CoaxInFront, step);
        QVERIFY2(ui.chkFlangeAdaptor->isVisible() == core.FlangeAdaptorVisible, step);
    }
    const std::pair<const char*, bool> captions[] = {
        {"lblCode", core.CodeCaptionEnabled},
        {"lblFlangeType", core.FlangeTypeCaptionEnabled},
        {"lblModel", core.ModelCaptionEnabled},
        {"lblCoaxType", core.CoaxTypeCaptionEnabled}};
    for (const auto& [name, enabled] : captions) {
        QVERIFY2(test::Find<QLabel>(&w, name)->isEnabled() == enabled, name);
    }
    QVERIFY2(ui.nbLengthPages->currentIndex() == core.LengthPage, step);
    for (QLabel* unit : {ui.lblLength1, ui.lblLength2, ui.lblLength4}) {
        QVERIFY2(unit->text() == QStr(core.UnitLabel()), step);
    }
    QVERIFY2(ui.mnuImperial->isChecked() == core.ImperialChecked, step);
    QVERIFY2(ui.mnuMetric->isChecked() == core.MetricChecked, step);
    QVERIFY2(ui.txtPartNumber->text() == QStr(core.PartNumber), step);
    QVERIFY2(ui.btnAddOrder->isEnabled() == core.AddOrderEnabled, step);
    QVERIFY2(ui.btnViewSpecs->isEnabled() == core.ViewSpecsEnabled, step);
    QVERIFY2(ui.cbxFinish->ItemIndex() == core.FinishIndex, step);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program does at start: the window's fonts.
        RegisterProgramFonts();
    }

    // Each user event goes to the core, and the widgets then show the core's state: the
    // steps of a configuration from the empty window to a part number and back.
    void everyEventIsMirroredIntoTheWidgets() {
        test::TSampleProgram test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        ShowActive(w);
        const auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
        struct TStep {
            const char* Name;
            std::function<void()> Act;
            int LengthPage; // -1: not checked
            const char* PartNumber;
        };
        // clang-format off
        const TStep steps[] = {
            {"opened", [] {}, -1, ""},
            {"Next on an empty screen", [&] { click(ui.btnNext); }, -1, ""},
            {"pressure window typed", [&] { QTest::keyClick(ui.cbxProductType, 'p'); }, 1, ""},
            {"its first size", [&] { PickItem(ui.cbxWaveguide, 0); }, 1, ""},
            {"coax transition typed", [&] { QTest::keyClick(ui.cbxProductType, 'c'); }, -1, ""},
            {"E-bend typed", [&] { QTest::keyClick(ui.cbxProductType, 'e'); }, 2, ""},
            {"Imperial", [&] { ui.mnuImperial->trigger(); }, 2, ""},
            {"Imperial again", [&] { ui.mnuImperial->trigger(); }, 2, ""},
            {"straight section", [&] { Straight187(w); }, 0, ""},
            {"Next", [&] { click(ui.btnNext); }, 0, ""},
            {"Create", [&] { click(ui.btnCreate); }, 0, "R187PA0120BSG"},
            {"another finish", [&] { PickItem(ui.cbxFinish, 1); }, 0, ""},
            {"Create again", [&] { click(ui.btnCreate); }, 0, "R187PA0120BSN"},
            {"Back", [&] { click(ui.btnBack); }, 0, "R187PA0120BSN"},
            {"Reset Settings", [&] { ui.mnuResetSettings->trigger(); }, -1, ""},
        };
        // clang-format on
        for (const TStep& step : steps) {
            step.Act();
            VerifyMirrors(w, step.Name);
            if (QTest::currentTestFailed()) {
                return;
            }
            QVERIFY2(step.LengthPage < 0 || ui.nbLengthPages->currentIndex() == step.LengthPage,
                     step.Name);
            QVERIFY2(ui.txtPartNumber->text() == QString::fromLatin1(step.PartNumber), step.Name);
        }
        QCOMPARE(test.Prompts.Texts("information"),
                 std::vector<std::string>{"Please fill all options to continue."});
        QCOMPARE(ui.cbxProductType->count(), 11);
        QVERIFY(!ui.imgPhoto->pixmap().isNull());
        QTRY_VERIFY(ui.cbxProductType->hasFocus());
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
            test::TSampleProgram test;
            if (c.Page) {
                test.Folder.Write(c.Page, "<html></html>");
            }
            test.Launcher.Answer = c.Opens;
            const TMainWidgets ui(test.Main());
            QCOMPARE(ui.mnuHelp->isEnabled(), c.Enabled);
            ui.mnuHelp->trigger();
            QCOMPARE(test.Launcher.Opened,
                     c.Enabled ? std::vector<std::string>{test.Folder.Path() + c.Page}
                               : std::vector<std::string>{});
            QCOMPARE(test.Prompts.Messages.size(), c.Messages);
        }
    }

    void aDataErrorInASetUpIsShownWithoutTheHourglass() {
        test::TSampleProgram test;
        std::string dimensions = test.Folder.Read("Data/Dimensions.tbl");
        const std::string sizeRow = "R|187|4.0|";
        dimensions.replace(dimensions.find(sizeRow), sizeRow.size(), "R|187|x|");
        test.Folder.Write("Data/Dimensions.tbl", dimensions);
        TCursorAtErrors prompts;
        test.UsePrompts = &prompts;
        TfrmMain& window = test.Main();
        window.show();
        window.SetupFromPartNumber("R187PA0125BSG");
        QCOMPARE(prompts.Texts("error"),
                 std::vector<std::string>{"'x' is not a valid floating point value"});
        QCOMPARE(prompts.UnderHourglass, std::vector<bool>{false});
        QVERIFY(!QApplication::overrideCursor());
        // The window shows as much of the set-up as was done before the error.
        VerifyMirrors(window, "after the error");
        QCOMPARE(TMainWidgets(window).cbxProductType->ItemIndex(),
                 static_cast<int>(FamilyType::Straight));
    }

    void finishAsksBeforeEndingAndTheCloseWritesTheSettings() {
        test::TSampleProgram test;
        TfrmMain& window = test.Main();
        const TMainWidgets ui(window);
        window.show();
        QSignalSpy closed(&window, &TfrmMain::FormClosed);
        Straight187(window);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        for (const TDialogResult answer : {TDialogResult::Cancel, TDialogResult::Continue}) {
            test.Prompts.Answers = {answer};
            QTest::mouseClick(ui.btnFinish, Qt::LeftButton);
            const bool ends = answer == TDialogResult::Continue;
            QCOMPARE(window.isVisible(), !ends);
            QCOMPARE(closed.count(), ends ? 1 : 0);
            QCOMPARE(test.Folder.Exists("Corvane.ini"), ends);
            QCOMPARE(test.Folder.Exists("corvane38.lom"), ends);
        }
        QCOMPARE(test.Prompts.Texts("confirm"),
                 std::vector<std::string>(2, "Do you wish to exit now?"));
    }

    void tabFollowsTheReadingOrderOnBothScreens() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        ShowActive(w);
        Straight187(w);
        QCOMPARE(TabWalk(ui.cbxProductType),
                 (QStringList{"cbxProductType", "cbxWaveguide", "cbxFlangeA", "cbxFlangeB",
                              "cbxLength", "chkFlangeAdaptor", "btnNext"}));
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
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

    // The captions stand over the columns the closed box shows, each in its bevel.
    void waveguideCaptionsNameTheColumnsTheClosedBoxShows() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
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
        // The bevel: white top and left edges, grey right and bottom ones.
        const QImage bevel = ui.lblWR->grab().toImage();
        const int middle = bevel.width() / 2;
        QCOMPARE(bevel.pixelColor(middle, 0), QColor(Qt::white));
        QCOMPARE(bevel.pixelColor(middle, bevel.height() - 1), QColor(0x80, 0x80, 0x80));
        QCOMPARE(bevel.pixelColor(bevel.width() - 1, bevel.height() / 2), QColor(0x80, 0x80, 0x80));
    }

    void frequencyChoiceShownIsTheOneThatComposes() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        ShowActive(w);
        Straight187(w, "A");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QVERIFY(ui.FrequencyChoices().size() >= 2);
        // The topmost choice is the one selected when the choices are built.
        QVERIFY(ui.FrequencyChoices()[0]->isChecked());
        for (const std::size_t i : {std::size_t{1}, std::size_t{0}, std::size_t{1}}) {
            TCVNRadioButton* choice = ui.FrequencyChoices()[i];
            QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier,
                              QPoint(6, choice->height() / 2));
            QVERIFY(choice->isChecked());
            QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
            QCOMPARE(ui.txtPartNumber->text().right(2), choice->FreqBand + QStringLiteral("G"));
        }
        // A choice made by the program, not by a click, is shown too.
        w.SetupFromPartNumber("R187PA0120A" + CoreStr(ui.FrequencyChoices()[0]->FreqBand) + "G");
        QVERIFY(ui.FrequencyChoices()[0]->isChecked());
        QVERIFY(!ui.FrequencyChoices()[1]->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }
};

CORVANE_UI_TEST(MainWindowTest)

#include "MainWindowTest.moc"
