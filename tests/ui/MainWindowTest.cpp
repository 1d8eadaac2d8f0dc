#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/ProgramFonts.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
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
    PickItem(list, FindRow(rows, 1, code));
}

void Straight187(TfrmMain& w, const char* flangeA = "B") {
    const TMainWidgets ui(w);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    PickItem(ui.cbxProductType, FamilyType::Straight);
    Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
    Pick(ui.cbxFlangeA, w.Core().FlangeAList, flangeA);
    Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
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
        QVERIFY2(box->count() == static_cast<int>(items.size()) && box->ItemIndex() == index, step);
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
    for (const auto& [name, enabled] : {std::pair{"lblCode", core.CodeCaptionEnabled},
                                        {"lblFlangeType", core.FlangeTypeCaptionEnabled},
                                        {"lblModel", core.ModelCaptionEnabled},
                                        {"lblCoaxType", core.CoaxTypeCaptionEnabled}}) {
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
    void initTestCase() { RegisterProgramFonts(); }

    // Each user event goes to the core, and the widgets then show the core's state: the
    // steps of a configuration from the empty window to a part number and back.
    void everyEventIsMirroredIntoTheWidgets() {
        test::TSampleProgram test("[UNITS]\r\ntype=M\r\n");
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto key = [&](char letter) { QTest::keyClick(ui.cbxProductType, letter); };
        // Each step: its name, what it does, the part number then shown.
        const std::tuple<const char*, std::function<void()>, const char*> steps[] = {
            {"opened", [] {}, ""},
            {"Next on an empty screen", [&] { Click(ui.btnNext); }, ""},
            {"pressure window typed", [&] { key('p'); }, ""},
            {"its first size", [&] { PickItem(ui.cbxWaveguide, 0); }, ""},
            {"coax transition typed", [&] { key('c'); }, ""},
            {"E-bend typed", [&] { key('e'); }, ""},
            {"Imperial", [&] { ui.mnuImperial->trigger(); }, ""},
            {"Imperial again", [&] { ui.mnuImperial->trigger(); }, ""},
            {"straight section", [&] { Straight187(w); }, ""},
            {"Next", [&] { Click(ui.btnNext); }, ""},
            {"Create", [&] { Click(ui.btnCreate); }, "R187PA0120BSG"},
            {"another finish", [&] { PickItem(ui.cbxFinish, 1); }, ""},
            {"Create again", [&] { Click(ui.btnCreate); }, "R187PA0120BSN"},
            {"Back", [&] { Click(ui.btnBack); }, "R187PA0120BSN"},
            {"Reset Settings", [&] { ui.mnuResetSettings->trigger(); }, ""},
        };
        for (const auto& [name, act, partNumber] : steps) {
            act();
            VerifyMirrors(w, name);
            QVERIFY2(ui.txtPartNumber->text() == QLatin1String(partNumber), name);
        }
        QCOMPARE(test.Prompts.Texts("information"),
                 std::vector<std::string>{"Please fill all options to continue."});
        QVERIFY(!ui.imgPhoto->pixmap().isNull());
        QTRY_VERIFY(ui.cbxProductType->hasFocus());
    }

    void helpNeedsTheGuidePageAndSaysWhenItCannotOpenIt() {
        const struct {
            const char* Page; // written beside the program, or nothing
            bool Opens, Enabled;
            std::size_t Messages;
        } cases[] = {
            {"corvane38.HTML", true, true, 0},
            {"Corvane38.html", false, true, 1},
            {"Corvane38.hlp", true, false, 0},
            {nullptr, true, false, 0},
        };
        for (const auto& c : cases) {
            test::TSampleProgram test;
            if (c.Page) {
                test.Folder.Write(c.Page, "<html></html>");
            }
            test.Launcher.Answer = c.Opens;
            const TMainWidgets ui(test.Main());
            QCOMPARE(ui.mnuHelp->isEnabled(), c.Enabled);
            ui.mnuHelp->trigger();
            QCOMPARE(test.Launcher.Opened.size(), c.Enabled ? 1U : 0U);
            QVERIFY(!c.Enabled || test.Launcher.Opened[0] == test.Folder.Path() + c.Page);
            QCOMPARE(test.Prompts.Messages.size(), c.Messages);
        }
    }

    // The window shows as much of a set-up as was done before its data error.
    void aDataErrorInASetUpIsShownWithoutTheHourglass() {
        test::TSampleProgram test;
        std::string dimensions = test.Folder.Read("Data/Dimensions.tbl");
        dimensions.replace(dimensions.find("R|187|4.0|"), 10, "R|187|x|");
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
        VerifyMirrors(window, "after the error");
        QCOMPARE(window.Core().ProductTypeIndex, static_cast<int>(FamilyType::Straight));
    }

    void finishAsksBeforeEndingAndTheCloseWritesTheSettings() {
        test::TSampleProgram test;
        TfrmMain& window = test.Main();
        const TMainWidgets ui(window);
        QSignalSpy closed(&window, &TfrmMain::FormClosed);
        Straight187(window);
        Click(ui.btnNext);
        for (const TDialogResult answer : {TDialogResult::Cancel, TDialogResult::Continue}) {
            test.Prompts.Answers = {answer};
            Click(ui.btnFinish);
            const bool ends = answer == TDialogResult::Continue;
            QCOMPARE(window.isVisible(), !ends);
            QCOMPARE(closed.count(), ends ? 1 : 0);
            QCOMPARE(test.Folder.Exists("Corvane.ini") && test.Folder.Exists("corvane38.lom"),
                     ends);
        }
        QCOMPARE(test.Prompts.Texts("confirm"),
                 std::vector<std::string>(2, "Do you wish to exit now?"));
    }

    // Top row left to right, then the left column down, then the buttons below; choices
    // built anew for another size keep their place, press after press.
    void tabFollowsTheReadingOrderOnBothScreens() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        Straight187(w);
        QCOMPARE(TabWalk(ui.cbxProductType),
                 (QStringList{"cbxProductType", "cbxWaveguide", "cbxFlangeA", "cbxFlangeB",
                              "cbxLength", "chkFlangeAdaptor", "btnNext"}));
        const QStringList screenTwo{
            "btnCreate", "txtPartNumber",    "btnAddOrder",        "btnViewOrder", "btnViewSpecs",
            "cbxFinish", "FrequencyChoice0", "btnOtherFreqRanges", "btnBack",      "btnFinish"};
        for (const char* size : {"187", "090"}) {
            Pick(ui.cbxWaveguide, w.Core().WaveguideList, size);
            Pick(ui.cbxFlangeA, w.Core().FlangeAList, "A");
            Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
            Click(ui.btnNext);
            Click(ui.btnCreate);
            QCOMPARE(TabWalk(ui.btnCreate), screenTwo);
            QCOMPARE(TabWalk(ui.btnCreate), screenTwo);
            Click(ui.btnBack);
        }
    }

    // The captions stand over the columns the closed box shows, each in its bevel; the
    // pair's British and IEC names are seen in the open list only.
    void waveguideCaptionsNameTheColumnsTheClosedBoxShows() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        w.show();
        TMPLabel* const captions[] = {ui.lblWaveguideCode, ui.lblWR, ui.lblUSMilitary,
                                      ui.lblBritish, ui.lblIEC};
        const QString all = QStringLiteral(" Code| WR| US Military| British| IEC");
        const std::pair<int, QString> cases[] = {{FamilyType::Straight, all},
                                                 {FamilyType::Tapered, " Code| Transition| Sizes"},
                                                 {FamilyType::EBend, all}};
        for (const auto& [family, expected] : cases) {
            PickItem(ui.cbxProductType, family);
            QStringList shown;
            int x = ui.cbxWaveguide->x();
            for (int col = 0; col < 5; ++col) {
                if (captions[col]->isVisible()) {
                    shown << captions[col]->text();
                    QCOMPARE(captions[col]->x(), x);
                }
                x += ui.cbxWaveguide->Columns()[col].Width();
            }
            QCOMPARE(shown.join(QLatin1Char('|')), expected);
        }
        // The bevel: white top edge, grey right and bottom ones.
        const QImage bevel = ui.lblWR->grab().toImage();
        QCOMPARE(bevel.pixelColor(bevel.width() / 2, 0), QColor(Qt::white));
        QCOMPARE(bevel.pixelColor(bevel.width() / 2, bevel.height() - 1), QColor(0x80, 0x80, 0x80));
        QCOMPARE(bevel.pixelColor(bevel.width() - 1, bevel.height() / 2), QColor(0x80, 0x80, 0x80));
    }

    // The topmost choice is selected when they are built; a click or a set-up chooses.
    void frequencyChoiceShownIsTheOneThatComposes() {
        test::TSampleProgram test;
        TfrmMain& w = test.Main();
        const TMainWidgets ui(w);
        Straight187(w, "A");
        Click(ui.btnNext);
        QVERIFY(ui.FrequencyChoices().size() >= 2 && ui.FrequencyChoices()[0]->isChecked());
        for (const std::size_t i : {1U, 0U, 1U}) {
            TCVNRadioButton* choice = ui.FrequencyChoices()[i];
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
            Click(ui.btnCreate);
            QCOMPARE(ui.txtPartNumber->text().right(2), choice->FreqBand + QStringLiteral("G"));
        }
        w.SetupFromPartNumber("R187PA0120A" + CoreStr(ui.FrequencyChoices()[0]->FreqBand) + "G");
        QVERIFY(ui.FrequencyChoices()[0]->isChecked() && !ui.FrequencyChoices()[1]->isChecked());
        QVERIFY(test.Prompts.Messages.empty());
    }
};

CORVANE_UI_TEST(MainWindowTest)

#include "MainWindowTest.moc"
