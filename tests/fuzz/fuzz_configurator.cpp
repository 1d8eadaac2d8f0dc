// The main window's rules driven by a fuzzed sequence of user actions, each with an
// argument the window could send, optionally over one fuzzed catalogue table. Data
// errors abandon the action, as the general error handler does; after every action
// each chosen item must be one the lists show.
#include "catalogue/Errors.h"
#include "catalogue/cvnLib.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <cstdint>
#include <memory>

using namespace cvn;

namespace {

int Pick(FuzzedDataProvider& in, std::size_t count) {
    return in.ConsumeIntegralInRange<int>(-1, static_cast<int>(count) - 1);
}

void CheckChosen(const char* what, int index, std::size_t count) {
    if (index < -1 || index >= static_cast<int>(count)) {
        fuzz::Fail(std::string(what) + " index " + std::to_string(index) + " of " +
                   std::to_string(count) + " items");
    }
}

void CheckState(TConfigurator& w) {
    CheckChosen("product type", w.ProductTypeIndex, w.ProductTypeItems().size());
    CheckChosen("waveguide", w.WaveguideIndex, w.WaveguideItems().size());
    CheckChosen("flange A", w.FlangeAIndex, w.FlangeAItems().size());
    CheckChosen("flange B", w.FlangeBIndex, w.FlangeBItems().size());
    CheckChosen("coax", w.CoaxIndex, w.CoaxItems().size());
    for (const TLengthBox box : {TLengthBox::Length, TLengthBox::LegA, TLengthBox::LegB}) {
        const TLengthList& list = w.LengthList(box);
        CheckChosen("length", list.ItemIndex, list.Items().size());
    }
    if (w.FrequencyChoices.empty() != (w.SelectedFrequency < 0)) {
        fuzz::Fail("frequency choices without one selected");
    }
    CheckChosen("frequency", w.SelectedFrequency, w.FrequencyChoices.size());
}

void Act(TConfigurator& w, FuzzedDataProvider& in) {
    static const TLengthBox boxes[] = {TLengthBox::Length, TLengthBox::LegA, TLengthBox::LegB};
    switch (in.ConsumeIntegralInRange(0, 20)) {
    case 0:
        w.cbxProductTypeChange(Pick(in, w.ProductTypeItems().size()));
        break;
    case 1:
        w.cbxWaveguideChange(Pick(in, w.WaveguideItems().size()));
        break;
    case 2:
        w.cbxFlangeAChange(Pick(in, w.FlangeAItems().size()));
        break;
    case 3:
        w.cbxFlangeBChange(Pick(in, w.FlangeBItems().size()));
        break;
    case 4:
        w.cbxCoaxChange(Pick(in, w.CoaxItems().size()));
        break;
    case 5:
    case 6:
    case 7: {
        const TLengthBox box = in.PickValueInArray(boxes);
        const TLengthList& list = w.LengthList(box);
        const int index = Pick(in, list.Items().size());
        const std::string text = index >= 0 ? list.Items()[static_cast<std::size_t>(index)]
                                            : in.ConsumeRandomLengthString(12);
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
        const TLengthBox box = in.PickValueInArray(boxes);
        w.cbxLengthEnter(box);
        w.cbxLengthExit(box, in.ConsumeRandomLengthString(12));
        break;
    }
    case 9:
        w.chkFlangeAdaptorClick(in.ConsumeBool());
        break;
    case 10:
        w.cbxFinishChange(Pick(in, w.FinishItems.size()));
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
        table = std::make_unique<fuzz::TReplacedTable>(fuzz::kTableNames[which],
                                                       in.ConsumeRandomLengthString(4096));
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
        } catch (const EConvertError&) {
            // A data error in a table: the error handler shows it, the action is abandoned.
        }
        CheckState(wizard);
    }
    return 0;
}
