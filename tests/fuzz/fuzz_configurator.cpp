// The main window's rules driven by a fuzzed sequence of user actions, each with an
// argument the window could send, optionally over one fuzzed catalogue table. Data
// errors abandon the action, as the general error handler does; after every action
// each chosen item must be one the lists show.
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace cvn;

namespace {

// An item of a drop-down list: the user can choose one but never none. -1 when the
// list is empty, and then there is no event.
int Pick(FuzzedDataProvider& in, std::size_t count) {
    return count == 0 ? -1 : in.ConsumeIntegralInRange<int>(0, static_cast<int>(count) - 1);
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
    switch (w.LengthPage) {
    case 0:
        return {TLengthBox::Length};
    case 2:
        return {TLengthBox::LegA, TLengthBox::LegB};
    default:
        return {};
    }
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
    if (w.FrequencyChoices.empty() != (w.SelectedFrequency < 0)) {
        fuzz::Fail("frequency choices without one selected");
    }
    CheckChosen("frequency", w.SelectedFrequency, w.FrequencyChoices.size());
}

// With CORVANE_FUZZ_TRACE set, each action is printed, to replay a finding by hand.
void Trace(const std::string& what) {
    static const bool on = std::getenv("CORVANE_FUZZ_TRACE") != nullptr;
    if (on) {
        std::fprintf(stderr, "%s\n", what.c_str());
    }
}

int Pick(FuzzedDataProvider& in, std::size_t count, const char* what) {
    const int index = Pick(in, count);
    Trace(std::string(what) + " " + std::to_string(index) + " of " + std::to_string(count));
    return index;
}

void Choose(TConfigurator& w, void (TConfigurator::*change)(int), int index) {
    if (index >= 0) {
        (w.*change)(index);
    }
}

// Whether the control of the action is on screen and enabled: the window sends no
// event for a hidden or disabled control.
bool CanAct(const TConfigurator& w, int action) {
    const bool one = w.Screen == 1;
    switch (action) {
    case 0:
    case 1:
    case 2:
    case 13:
        return one;
    case 3:
        return one && !w.CoaxInFront && w.FlangeBEnabled;
    case 4:
        return one && w.CoaxInFront && w.CoaxEnabled;
    case 5:
    case 6:
    case 7:
    case 8:
        return one && !ShownLengthBoxes(w).empty();
    case 9:
        return one && w.LengthPage == 0 && w.FlangeAdaptorVisible;
    case 10:
        return !one && w.FinishEnabled;
    case 11:
    case 12:
    case 14:
    case 15:
        return !one;
    default:
        return true; // the menu and what the window asks of its own accord
    }
}

void Act(TConfigurator& w, FuzzedDataProvider& in) {
    const int action = in.ConsumeIntegralInRange(0, 20);
    if (!CanAct(w, action)) {
        return;
    }
    const std::vector<TLengthBox> boxes = ShownLengthBoxes(w);
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
        Choose(w, &TConfigurator::cbxFlangeBChange, Pick(in, w.FlangeBItems().size(), "flange B"));
        break;
    case 4:
        Choose(w, &TConfigurator::cbxCoaxChange, Pick(in, w.CoaxItems().size(), "coax"));
        break;
    case 5:
    case 6:
    case 7: {
        const TLengthBox box = boxes[in.ConsumeIntegralInRange<std::size_t>(0, boxes.size() - 1)];
        if (!w.LengthList(box).Enabled) {
            break;
        }
        const TLengthList& list = w.LengthList(box);
        if (list.Items().empty() && !list.Editable) {
            break;
        }
        // Only an editable box takes typed text instead of an item.
        const bool typed = list.Editable && (list.Items().empty() || in.ConsumeBool());
        const int index = typed ? -1 : Pick(in, list.Items().size(), "length");
        const std::string text = index >= 0 ? list.Items()[static_cast<std::size_t>(index)]
                                            : in.ConsumeRandomLengthString(12);
        Trace("box " + std::to_string(static_cast<int>(box)) + " text '" + text + "'");
        if (box == TLengthBox::Length) {
            w.cbxLengthChange(index, text);
        } else if (box == TLengthBox::LegA) {
            w.cbxLegALengthChange(index, text);
        } else {
            w.cbxLegBLengthChange(index, text);
        }
        break;
    }
    case 8: {
        const TLengthBox box = boxes[in.ConsumeIntegralInRange<std::size_t>(0, boxes.size() - 1)];
        if (!w.LengthList(box).Enabled) {
            break;
        }
        // Focus passing through a box that cannot be typed into leaves its text as is.
        const std::string text =
            w.LengthList(box).Editable ? in.ConsumeRandomLengthString(12) : w.LengthList(box).Text;
        Trace("box " + std::to_string(static_cast<int>(box)) + " typed '" + text + "'");
        w.cbxLengthEnter(box);
        w.cbxLengthExit(box, text);
        break;
    }
    case 9:
        w.chkFlangeAdaptorClick(in.ConsumeBool());
        break;
    case 10:
        Choose(w, &TConfigurator::cbxFinishChange, Pick(in, w.FinishItems.size(), "finish"));
        break;
    case 11:
        if (!w.FrequencyChoices.empty()) {
            w.FrequencyChoiceClick(
                in.ConsumeIntegralInRange<int>(0, static_cast<int>(w.FrequencyChoices.size()) - 1));
        }
        break;
    case 12:
        w.btnOtherFreqRangesClick();
        break;
    case 13:
        w.btnNextClick();
        break;
    case 14:
        w.btnBackClick();
        break;
    case 15:
        w.btnCreateClick();
        break;
    case 16:
        w.mnuImperialClick();
        break;
    case 17:
        w.mnuMetricClick();
        break;
    case 18:
        w.mnuResetSettingsClick();
        break;
    case 19:
        w.DescribeConfiguration();
        break;
    default:
        w.RefreshSpecs();
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
    IsImperial = true;
    TConfigurator wizard{prompts};
    try {
        wizard.FormCreate(fuzz::ProgramFolder());
    } catch (const EConvertError&) {
        return 0;
    }
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        try {
            Act(wizard, in);
        } catch (const EConvertError& e) {
            Trace(std::string("data error: ") + e.what());
            // A data error in a table: the error handler shows it, the action is abandoned.
        }
        CheckState(wizard);
    }
    return 0;
}
