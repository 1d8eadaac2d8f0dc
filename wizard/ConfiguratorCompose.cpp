// The part number: the checks before it may be composed, the two confirmations, the
// characters each selection contributes, and the finish preset per family.

#include "wizard/Configurator.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/LengthLists.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <initializer_list>
#include <utility>

namespace cvn {

std::string TConfigurator::FlangeACode() const {
    return ChosenField(FlangeAList, FlangeAIndex, FlangeColumn::Code);
}

std::string TConfigurator::FlangeBCode() const {
    return ChosenField(FlangeBList, FlangeBIndex, FlangeColumn::Code);
}

std::string TConfigurator::CoaxCode() const {
    return ChosenField(FlangeBList, CoaxIndex, CoaxTypeColumn::Code);
}

std::string TConfigurator::WaveguideName() const {
    return ChosenField(WaveguideList, WaveguideIndex, WaveguideNameColumn);
}

bool TConfigurator::ScreenOneComplete() const {
    using namespace FamilyType;
    const int family = ProductTypeIndex;
    if (family < 0 || WaveguideIndex < 0 || FlangeAIndex < 0) {
        return false;
    }
    if (family == Coax) {
        if (CoaxIndex < 0) {
            return false;
        }
    } else if (family != PressureWindow && FlangeBIndex < 0) {
        return false;
    }
    if (HasOneLength(family)) {
        return !Length.Text.empty();
    }
    if (HasTwoLegs(family)) {
        return !LegALength.Text.empty() && !LegBLength.Text.empty();
    }
    return true;
}

void TConfigurator::SetFinishForFamily(int family) {
    using namespace FamilyType;
    FinishEnabled = true;
    const int remembered = FinishIndex;
    FinishItems[1][1] = "Unpainted";
    switch (family) {
    case Coax:
        FinishIndex = 0;
        FinishEnabled = false;
        break;
    case FlexTwist:
        // A flexible twist comes in black; its part number carries no finish.
        FinishItems[1][1] = "Black";
        FinishIndex = 1;
        FinishEnabled = false;
        break;
    case PressureWindow:
        FinishIndex = 1;
        FinishEnabled = false;
        break;
    case StepTwist:
        FinishIndex = -1;
        FinishEnabled = false;
        break;
    default:
        FinishIndex = remembered >= 0 ? remembered : 0;
        break;
    }
}

void TConfigurator::btnCreateClick() {
    const TTableReadScope tables;
    using namespace FamilyType;
    if (FrequencyChoices.empty()) {
        Prompts.Error("Unable to create part number. No frequency matches found.\rThe part "
                      "number you were about to create may not be supported.\rPlease contact "
                      "your Brenmoor represantative.");
        return;
    }
    const int family = ProductTypeIndex;
    if (family == Tapered && FlangeACode() != FlangeBCode()) {
        const TTaperedWaveguide sizes =
            SplitTaper(ChosenField(WaveguideList, WaveguideIndex, WaveguideColumn::Sizes));
        const std::string message =
            "The waveguide size is different on each end of this part. Please\rverify your "
            "configuration to make sure your flanges are correct.\r\rSmaller end (" +
            sizes.Smaller + ") has a " +
            ChosenField(FlangeAList, FlangeAIndex, FlangeColumn::Type) + " flange" + "\r\r" +
            "Larger end (" + sizes.Larger + ") has a " +
            ChosenField(FlangeBList, FlangeBIndex, FlangeColumn::Type) + " flange";
        if (ConfirmTapered(message) == TDialogResult::Continue) {
            ComposePartNumber(family);
        }
    } else if ((family == MiterH || family == MiterE) && LegALength.Text != LegBLength.Text &&
               FlangeACode() != FlangeBCode()) {
        const std::string unit = IsImperial ? " in." : " mm";
        const std::string& legA = LegALength.Text;
        const std::string& legB = LegBLength.Text;
        const std::string typeA = ChosenField(FlangeAList, FlangeAIndex, FlangeColumn::Type);
        const std::string typeB = ChosenField(FlangeBList, FlangeBIndex, FlangeColumn::Type);
        const bool aShorter = StrToFloat(legA) < StrToFloat(legB);
        const std::string line1 = "The shorter leg (" + (aShorter ? legA : legB) + unit +
                                  ") has a " + (aShorter ? typeA : typeB) + " flange";
        const std::string line2 = "The longer leg (" + (aShorter ? legB : legA) + unit +
                                  ") has a " + (aShorter ? typeB : typeA) + " flange";
        switch (ConfirmSwap(line1, line2)) {
        case TDialogResult::Continue:
            ComposePartNumber(family);
            break;
        case TDialogResult::Swap: {
            // Both miter flange lists hold the same rows, so exchanging the indexes
            // exchanges the flanges.
            const int previousA = FlangeAIndex;
            cbxFlangeAChange(FlangeBIndex);
            cbxFlangeBChange(previousA);
            ComposePartNumber(family);
            break;
        }
        default:
            break;
        }
    } else {
        ComposePartNumber(family);
    }
    // Only a part number in the box can be ordered or shown: a cancelled confirmation
    // or a length that gave no code leaves nothing to act on.
    const bool composed = !PartNumber.empty();
    ViewSpecsEnabled = composed && family != PressureWindow && family != StepTwist;
    AddOrderEnabled = composed;
}

TDialogResult TConfigurator::ConfirmTapered(const std::string& message) {
    return Prompts.ConfirmTapered(message);
}

TDialogResult TConfigurator::ConfirmSwap(const std::string& line1, const std::string& line2) {
    return Prompts.ConfirmSwap(line1, line2);
}

void TConfigurator::ComposePartNumber(int family) {
    switch (family) {
    case FamilyType::StepTwist:
        StepTwistPartNumber();
        break;
    case FamilyType::PressureWindow:
        PressureWindowPartNumber();
        break;
    default:
        ComposeFromSelections(family);
        break;
    }
}

void TConfigurator::ComposeFromSelections(int family) {
    using namespace FamilyType;
    std::string p = FamilyField(FamilyColumn::Letter) + WaveguideCode();
    if (HasOneLength(family) || HasTwoLegs(family)) {
        p += IsImperial ? "P" : "M";
    }
    const std::string codeA = FlangeACode();
    const std::string codeB = family == Coax ? CoaxCode() : FlangeBCode();
    const int flangeA = static_cast<int>(p.size()) + 1;
    p += codeA;
    // A length that gives no code is reported once and composes nothing: a part
    // number without its length would name another part.
    std::string lengthA;
    std::string lengthB;
    if (HasOneLength(family) || HasTwoLegs(family)) {
        lengthA = LengthCode(HasOneLength(family) ? Length.Text : LegALength.Text, family);
        if (lengthA.empty()) {
            return;
        }
    }
    if (HasTwoLegs(family)) {
        lengthB = LengthCode(LegBLength.Text, family);
        if (lengthB.empty()) {
            return;
        }
    }
    p += lengthA;
    const int flangeB = static_cast<int>(p.size()) + 1;
    p += codeB + lengthB;
    if (const TFrequencyChoice* choice = SelectedFrequencyChoice(); choice && family != Tapered) {
        p += choice->FreqBand;
    }
    if (family != FlexTwist) {
        p += FinishCode();
    }
    // The flange characters are ordered where they actually stand (6 and 10 in a bend,
    // 6 and 11 in a straight section or flexible twist): a length code longer than its
    // usual width moves flange B, and ordering fixed positions would then move a digit.
    if (IsOneOf(family, {EBend, HBend, FlexTwist, Straight}) && codeA.size() == 1 &&
        codeB.size() == 1) {
        OrderFlangeCodes(p, flangeA, flangeB);
    }
    PartNumber = p;
}

std::string TConfigurator::LengthCode(const std::string& text, int family) {
    std::string code;
    if (!TryLengthCode(text, HasOneLength(family) ? 4 : 3, code)) {
        if (!TypingLength) {
            Prompts.Information("Please enter a valid Length value.");
        }
        return {};
    }
    return code;
}

std::string TConfigurator::FinishCode() const {
    if (FinishIndex < 0) {
        return {};
    }
    return FinishIndex == 0 ? "G" : "N";
}

void TConfigurator::OrderFlangeCodes(std::string& partNumber, int i, int j) {
    if (i < 1 || j < 1 || static_cast<std::size_t>(j) > partNumber.size()) {
        return;
    }
    char& a = partNumber[static_cast<std::size_t>(i - 1)];
    char& b = partNumber[static_cast<std::size_t>(j - 1)];
    if (static_cast<unsigned char>(a) > static_cast<unsigned char>(b)) {
        std::swap(a, b);
    }
}

void TConfigurator::StepTwistPartNumber() {
    const TFieldTable table = LoadFieldTable("StepTwist.tbl", Prompts);
    const TFrequencyChoice* choice = SelectedFrequencyChoice();
    const std::string range = choice ? choice->FreqRange : std::string();
    const int row = FindRow(
        table, {{StepTwistColumn::Waveguide, WaveguideCode()}, {StepTwistColumn::Range, range}});
    if (row >= 0) {
        PartNumber = table.GetField(row, StepTwistColumn::PartNumber);
    }
}

void TConfigurator::PressureWindowPartNumber() {
    const TFieldTable table = LoadFieldTable("PressureWindows.tbl", Prompts);
    const int row = FindRow(table, {{PressureWindowColumn::Waveguide, WaveguideCode()},
                                    {PressureWindowColumn::Flange, FlangeACode()}});
    if (row >= 0) {
        PartNumber = table.GetField(row, PressureWindowColumn::PartNumber);
    }
}

} // namespace cvn
