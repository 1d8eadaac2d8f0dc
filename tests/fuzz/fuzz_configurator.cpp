// The main window's rules driven by a fuzzed sequence of user actions, each with an
// argument the window could send, optionally over one fuzzed catalogue table. Data
// errors abandon the action, as the general error handler does; after every action
// each chosen item must be one the lists show.
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <vector>

using namespace cvn;
using W = TConfigurator;

namespace {

// An item of a drop-down list: the user can choose one but never none. -1 when the
// list is empty, and then there is no event.
int Pick(FuzzedDataProvider& in, std::size_t count) {
    return count == 0 ? -1 : in.ConsumeIntegralInRange<int>(0, static_cast<int>(count) - 1);
}

void CheckChosen(const char* what, int index, std::size_t count) {
    if (index < -1 || index >= static_cast<int>(count)) {
        fuzz::Fail(std::string(what) + " beyond its list");
    }
}

// The length boxes of the notebook page shown; the others are hidden and keep what
// they held, in whichever unit, until their family comes back.
std::vector<TLengthBox> ShownLengthBoxes(const W& w) {
    if (w.LengthPage == 0) {
        return {TLengthBox::Length};
    }
    return w.LengthPage == 2 ? std::vector{TLengthBox::LegA, TLengthBox::LegB}
                             : std::vector<TLengthBox>{};
}

// The drop-down lists of screen 1: what each offers, its chosen index and its event.
// Flange B and the coax list share a place (Side 1, 2): the one behind is not checked.
struct TList {
    const char* Name;
    std::vector<TStrings> (W::*Items)() const;
    int W::*Index;
    void (W::*Change)(int);
    int Side;
    bool W::*Enabled;
};
// clang-format off
const TList kLists[] = {
    {"product type", &W::ProductTypeItems, &W::ProductTypeIndex, &W::cbxProductTypeChange, 0, nullptr},
    {"waveguide", &W::WaveguideItems, &W::WaveguideIndex, &W::cbxWaveguideChange, 0, nullptr},
    {"flange A", &W::FlangeAItems, &W::FlangeAIndex, &W::cbxFlangeAChange, 0, nullptr},
    {"flange B", &W::FlangeBItems, &W::FlangeBIndex, &W::cbxFlangeBChange, 1, &W::FlangeBEnabled},
    {"coax", &W::CoaxItems, &W::CoaxIndex, &W::cbxCoaxChange, 2, &W::CoaxEnabled},
};
// The actions that take no argument: buttons of screen 2, Next, the menu, and what the
// window asks of its own accord.
void (*const kPlainActions[])(W&) = {
    [](W& w) { w.btnOtherFreqRangesClick(); }, [](W& w) { w.btnNextClick(); },
    [](W& w) { w.btnBackClick(); }, [](W& w) { w.btnCreateClick(); },
    [](W& w) { w.mnuImperialClick(); }, [](W& w) { w.mnuMetricClick(); },
    [](W& w) { w.mnuResetSettingsClick(); }, [](W& w) { w.DescribeConfiguration(); },
    [](W& w) { w.RefreshSpecs(); }};
// The screen of each action's control (0: either); the window sends no event for a
// hidden or disabled control.
constexpr int kScreen[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 0, 0, 0, 0, 0};
// clang-format on

bool OnSide(const W& w, int side) {
    return side == 0 || (side == 2) == w.CoaxInFront;
}

void CheckState(W& w) {
    for (const TList& list : kLists) {
        if (OnSide(w, list.Side)) {
            CheckChosen(list.Name, w.*list.Index, (w.*list.Items)().size());
        }
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
void ActOnLength(W& w, FuzzedDataProvider& in, bool passing) {
    const std::vector<TLengthBox> boxes = ShownLengthBoxes(w);
    if (boxes.empty()) {
        return;
    }
    const TLengthBox box = boxes[in.ConsumeIntegralInRange<std::size_t>(0, boxes.size() - 1)];
    const TLengthList& list = w.LengthList(box);
    if (!list.Enabled || (!passing && list.Items().empty() && !list.Editable)) {
        return;
    }
    // Focus passing through a box that cannot be typed into leaves its text as is.
    const bool typed = list.Editable && (passing || list.Items().empty() || in.ConsumeBool());
    const int index = typed || passing ? -1 : Pick(in, list.Items().size());
    const std::string text = index >= 0 ? list.Items()[static_cast<std::size_t>(index)]
                             : typed    ? in.ConsumeRandomLengthString(12)
                                        : list.Text;
    if (passing) {
        w.cbxLengthEnter(box);
        w.cbxLengthExit(box, text);
    } else {
        w.LengthChange(box, index, text);
    }
}

void Choose(W& w, void (W::*change)(int), int index) {
    if (index >= 0) {
        (w.*change)(index);
    }
}

void Act(W& w, FuzzedDataProvider& in) {
    const int action = in.ConsumeIntegralInRange(0, 20);
    if (kScreen[action] != 0 && (kScreen[action] == 1) != (w.Screen == 1)) {
        return;
    }
    if (action < 5) {
        const TList& list = kLists[action];
        const bool enabled = OnSide(w, list.Side) && (list.Enabled == nullptr || w.*list.Enabled);
        Choose(w, list.Change, enabled ? Pick(in, (w.*list.Items)().size()) : -1);
    } else if (action < 9) {
        ActOnLength(w, in, action == 8);
    } else if (action == 9) {
        if (w.LengthPage == 0 && w.FlangeAdaptorVisible) {
            w.chkFlangeAdaptorClick(in.ConsumeBool());
        }
    } else if (action == 10) {
        Choose(w, &W::cbxFinishChange, w.FinishEnabled ? Pick(in, w.FinishItems.size()) : -1);
    } else if (action == 11) {
        Choose(w, &W::FrequencyChoiceClick, Pick(in, w.FrequencyChoices.size()));
    } else {
        kPlainActions[action - 12](w);
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
        table = std::make_unique<fuzz::TReplacedTable>(fuzz::kTableNames[which], bytes);
    }
    fuzz::TFuzzPrompts prompts(&in);
    std::unique_ptr<W> wizard;
    try {
        wizard = fuzz::NewWizard(prompts);
    } catch (const EConvertError&) {
        return 0;
    }
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        try {
            Act(*wizard, in);
        } catch (const EConvertError&) {
            // A data error in a table: the error handler shows it, the action is abandoned.
        }
        CheckState(*wizard);
    }
    return 0;
}
