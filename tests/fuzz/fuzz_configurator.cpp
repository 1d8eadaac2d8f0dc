// The main window's rules driven by a fuzzed sequence of user actions, each with an
// argument the window could send, optionally over one fuzzed catalogue table. Data
// errors abandon the action, as the general error handler does; after every action
// each chosen item must be one the lists show.
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace cvn;

namespace {

// With CORVANE_FUZZ_TRACE set, each action is printed, to replay a finding by hand.
void Trace(const std::string& what) {
    static const bool on = std::getenv("CORVANE_FUZZ_TRACE") != nullptr;
    if (on) {
        std::fprintf(stderr, "%s\n", what.c_str());
    }
}

// An item of a drop-down list: the user can choose one but never none. -1 when the
// list is empty, and then there is no event.
int Pick(FuzzedDataProvider& in, std::size_t count, const char* what) {
    const int index =
        count == 0 ? -1 : in.ConsumeIntegralInRange<int>(0, static_cast<int>(count) - 1);
    Trace(std::string(what) + " " + std::to_string(index) + " of " + std::to_string(count));
    return index;
}

void Choose(TConfigurator& w, void (TConfigurator::*change)(int), int index) {
    if (index >= 0) {
        (w.*change)(index);
    }
}

void CheckChosen(const char* what, int index, std::size_t count) {
    if (index < -1 || index >= static_cast<int>(count)) {
        fuzz::Fail(std::string(what) + " index " + std::to_string(index) + " of " +
                   std::to_string(count) + " items");
    }
}

// The length boxes of the notebook page shown; the others are hidden and keep what
// they held, in whichever unit, until their family comes back.
std::vector<TLengthBox> ShownLengthBoxes(const TConfigurator& w) {
    if (w.LengthPage == 0) {
        return {TLengthBox::Length};
    }
    return w.LengthPage == 2 ? std::vector{TLengthBox::LegA, TLengthBox::LegB}
                             : std::vector<TLengthBox>{};
}

void CheckState(TConfigurator& w) {
    CheckChosen("product type", w.ProductTypeIndex, w.ProductTypeItems().size());
    CheckChosen("waveguide", w.WaveguideIndex, w.WaveguideItems().size());
    CheckChosen("flange A", w.FlangeAIndex, w.FlangeAItems().size());
    if (w.CoaxInFront) {
        CheckChosen("coax", w.CoaxIndex, w.CoaxItems().size());
    } else {
        CheckChosen("flange B", w.FlangeBIndex, w.FlangeBItems().size());
    }
    for (const TLengthBox box : ShownLengthBoxes(w)) {
        const TLengthList& list = w.LengthList(box);
        CheckChosen("length", list.ItemIndex, list.Items().size());
    }
    fuzz::FailIf(w.FrequencyChoices.empty() != (w.SelectedFrequency < 0),
                 "frequency choices without one selected");
    CheckChosen("frequency", w.SelectedFrequency, w.FrequencyChoices.size());
}

// A length list of the page shown: an item picked or a length typed (only an editable
// box takes typed text), or the focus passing through it with a text typed.
void ActOnLength(TConfigurator& w, FuzzedDataProvider& in, bool passing) {
    const std::vector<TLengthBox> boxes = ShownLengthBoxes(w);
    const TLengthBox box = boxes[in.ConsumeIntegralInRange<std::size_t>(0, boxes.size() - 1)];
    const TLengthList& list = w.LengthList(box);
    if (!list.Enabled || (!passing && list.Items().empty() && !list.Editable)) {
        return;
    }
    if (passing) {
        // Focus passing through a box that cannot be typed into leaves its text as is.
        const std::string text = list.Editable ? in.ConsumeRandomLengthString(12) : list.Text;
        Trace("box " + std::to_string(static_cast<int>(box)) + " typed '" + text + "'");
        w.cbxLengthEnter(box);
        w.cbxLengthExit(box, text);
        return;
    }
    const bool typed = list.Editable && (list.Items().empty() || in.ConsumeBool());
    const int index = typed ? -1 : Pick(in, list.Items().size(), "length");
    const std::string text = index >= 0 ? list.Items()[static_cast<std::size_t>(index)]
                                        : in.ConsumeRandomLengthString(12);
    Trace("box " + std::to_string(static_cast<int>(box)) + " text '" + text + "'");
    w.LengthChange(box, index, text);
}

// The actions that take no argument: buttons of screen 2, Next, the menu, and what the
// window asks of its own accord.
using TPlainAction = void (*)(TConfigurator&);
const TPlainAction kPlainActions[] = {[](TConfigurator& w) { w.btnOtherFreqRangesClick(); },
                                      [](TConfigurator& w) { w.btnNextClick(); },
                                      [](TConfigurator& w) { w.btnBackClick(); },
                                      [](TConfigurator& w) { w.btnCreateClick(); },
                                      [](TConfigurator& w) { w.mnuImperialClick(); },
                                      [](TConfigurator& w) { w.mnuMetricClick(); },
                                      [](TConfigurator& w) { w.mnuResetSettingsClick(); },
                                      [](TConfigurator& w) { w.DescribeConfiguration(); },
                                      [](TConfigurator& w) { w.RefreshSpecs(); }};

void Act(TConfigurator& w, FuzzedDataProvider& in) {
    // The screen of each action's control (0: either); the window sends no event for a
    // hidden or disabled control.
    static constexpr int kScreen[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2,
                                      2, 2, 1, 2, 2, 0, 0, 0, 0, 0};
    const int action = in.ConsumeIntegralInRange(0, 20);
    if (kScreen[action] != 0 && (kScreen[action] == 1) != (w.Screen == 1)) {
        return;
    }
    Trace("action " + std::to_string(action));
    switch (action) {
    case 0:
        Choose(w, &TConfigurator::cbxProductTypeChange,
               Pick(in, w.ProductTypeItems().size(), "product type"));
        break;
    case 1:
        Choose(w, &TConfigurator::cbxWaveguideChange,
               Pick(in, w.WaveguideItems().size(), "waveguide"));
        break;
    case 2:
        Choose(w, &TConfigurator::cbxFlangeAChange, Pick(in, w.FlangeAItems().size(), "flange A"));
        break;
    case 3:
        if (!w.CoaxInFront && w.FlangeBEnabled) {
            Choose(w, &TConfigurator::cbxFlangeBChange,
                   Pick(in, w.FlangeBItems().size(), "flange B"));
        }
        break;
    case 4:
        if (w.CoaxInFront && w.CoaxEnabled) {
            Choose(w, &TConfigurator::cbxCoaxChange, Pick(in, w.CoaxItems().size(), "coax"));
        }
        break;
    case 5:
    case 6:
    case 7:
    case 8:
        if (!ShownLengthBoxes(w).empty()) {
            ActOnLength(w, in, action == 8);
        }
        break;
    case 9:
        if (w.LengthPage == 0 && w.FlangeAdaptorVisible) {
            w.chkFlangeAdaptorClick(in.ConsumeBool());
        }
        break;
    case 10:
        if (w.FinishEnabled) {
            Choose(w, &TConfigurator::cbxFinishChange, Pick(in, w.FinishItems.size(), "finish"));
        }
        break;
    case 11:
        Choose(w, &TConfigurator::FrequencyChoiceClick,
               Pick(in, w.FrequencyChoices.size(), "frequency"));
        break;
    default:
        kPlainActions[action - 12](w);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::ProgramFolder();
    std::unique_ptr<fuzz::TReplacedTable> table;
    if (in.ConsumeBool()) {
        const int which = in.ConsumeIntegralInRange(0, fuzz::kTableCount - 1);
        const std::string bytes = in.ConsumeRandomLengthString(4096);
        Trace(std::string("table ") + fuzz::kTableNames[which] + ":\n" + bytes);
        table = std::make_unique<fuzz::TReplacedTable>(fuzz::kTableNames[which], bytes);
    }
    fuzz::TFuzzPrompts prompts(&in);
    std::unique_ptr<TConfigurator> wizard;
    try {
        wizard = fuzz::NewWizard(prompts);
    } catch (const EConvertError&) {
        return 0;
    }
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        try {
            Act(*wizard, in);
        } catch (const EConvertError& e) {
            // A data error in a table: the error handler shows it, the action is abandoned.
            Trace(std::string("data error: ") + e.what());
        }
        CheckState(*wizard);
    }
    return 0;
}
