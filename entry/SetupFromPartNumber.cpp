#include "entry/SetupFromPartNumber.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/LengthLists.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "wizard/Configurator.h"

namespace cvn {

namespace {

// Clears the flag however the set-up ends, a data error included: a flag left set
// would stop every later handler from restoring the user's choices.
class TApplyingGuard {
public:
    TApplyingGuard() { ApplyingPartNumber = true; }
    ~TApplyingGuard() { ApplyingPartNumber = false; }
    TApplyingGuard(const TApplyingGuard&) = delete;
    TApplyingGuard& operator=(const TApplyingGuard&) = delete;
};

// The first item whose length code equals code, or -1.
int FindLength(const TStrings& items, int digits, const std::string& code) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string itemCode;
        if (TryLengthCode(items[i], digits, itemCode) && itemCode == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A step-twist part number carries no band of its own: it is a whole row of
// StepTwist.tbl, and the row's frequency range is what tells it apart from its
// neighbours of the same size. Without this the wizard would come back on the first
// range, which composes a different part number.
void ChooseStepTwistRange(TConfigurator& wizard, const std::string& p, TUserPrompts& prompts) {
    const TFieldTable steps = LoadFieldTable("StepTwist.tbl", prompts);
    const int row = FindRow(steps, StepTwistColumn::PartNumber, p);
    if (row < 0) {
        return;
    }
    const std::string range(steps.GetField(row, StepTwistColumn::Range));
    for (std::size_t i = 0; i < wizard.FrequencyChoices.size(); ++i) {
        if (wizard.FrequencyChoices[i].FreqRange == range) {
            wizard.FrequencyChoiceClick(static_cast<int>(i));
            return;
        }
    }
}

void ApplyFields(TConfigurator& wizard, const std::string& p, TUserPrompts& prompts) {
    using namespace FamilyType;
    const int t = FamilyTypeOf(p, prompts);
    if (t == Unknown || t >= static_cast<int>(wizard.ProductTypeItems().size())) {
        wizard.ProductTypeIndex = -1;
        return;
    }
    wizard.cbxProductTypeChange(t);

    const std::string unit = PartField(p, t, PartFieldNo::Unit);
    if (unit == "P") {
        wizard.mnuImperialClick();
    } else if (unit != "N") {
        wizard.mnuMetricClick();
    }

    const std::string waveguide =
        PartField(p, t, t == StepTwist ? PartFieldNo::BeforeLast : PartFieldNo::Waveguide);
    if (const int row = FindRow(wizard.WaveguideList, WaveguideColumn::Code, waveguide); row >= 0) {
        wizard.cbxWaveguideChange(row);
    }
    if (const int row =
            FindRow(wizard.FlangeAList, FlangeColumn::Code, PartField(p, t, PartFieldNo::FlangeA));
        row >= 0) {
        wizard.cbxFlangeAChange(row);
    }
    // For the coax transition the B list holds coax types.
    const int codeB = t == Coax ? CoaxTypeColumn::Code : FlangeColumn::Code;
    if (const int row = FindRow(wizard.FlangeBList, codeB, PartField(p, t, PartFieldNo::FlangeB));
        row >= 0) {
        if (t == Coax) {
            wizard.cbxCoaxChange(row);
        } else {
            wizard.cbxFlangeBChange(row);
        }
    }

    const std::string length = PartField(p, t, PartFieldNo::Length);
    if (HasTwoLegs(t)) {
        if (const int i = FindLength(wizard.LegALength.Items(), 3, length); i >= 0) {
            wizard.LegALength.Select(i);
        }
        const std::string legB = PartField(p, t, PartFieldNo::LegB);
        if (const int i = FindLength(wizard.LegBLength.Items(), 3, legB); i >= 0) {
            wizard.LegBLength.Select(i);
        }
    } else if (HasOneLength(t)) {
        if (const int i = FindLength(wizard.Length.Items(), 4, length); i >= 0) {
            wizard.Length.Select(i);
            wizard.cbxLengthChange(i, wizard.Length.Text);
        }
    }

    if (IsOneOf(t, {Coax, Twist, EBend, FlexTwist, HBend, MiterH, MiterE, Straight})) {
        const std::string band = PartField(p, t, PartFieldNo::Band);
        for (std::size_t i = 0; i < wizard.FrequencyChoices.size(); ++i) {
            if (wizard.FrequencyChoices[i].FreqBand == band) {
                wizard.FrequencyChoiceClick(static_cast<int>(i));
                break;
            }
        }
    }
    if (t == StepTwist) {
        ChooseStepTwistRange(wizard, p, prompts);
    }
    if (IsOneOf(t, {Coax, Twist, EBend, HBend, MiterH, MiterE, Straight, Tapered})) {
        const std::string finish = PartField(p, t, PartFieldNo::Finish);
        if (finish == "G") {
            wizard.cbxFinishChange(0);
        } else if (finish == "N") {
            wizard.cbxFinishChange(1);
        }
    }
}

} // namespace

void SetupFromPartNumber(TConfigurator& wizard, const std::string& partNumber,
                         TUserPrompts& prompts) {
    if (partNumber.empty()) {
        return;
    }
    {
        // One event: every table is read once for all the handlers it drives.
        const TTableReadScope tables;
        TApplyingGuard applying;
        ApplyFields(wizard, partNumber, prompts);
    }
    wizard.Screen = 1;
}

} // namespace cvn
