// The description on screen 2: one grid row per chosen item with its code and plain
// name, rewritten after every change, and the one-line text that goes into the order.

#include "wizard/Configurator.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/cvnLib.h"

namespace cvn {

namespace {

bool Chosen(const TTxtTable& table, int row) {
    return row >= 0 && row < table.RowCount();
}

// Families whose part number carries neither finish nor finish row.
bool WithoutFinish(int family) {
    using namespace FamilyType;
    return family == FlexTwist || family == PressureWindow || family == StepTwist;
}

const char* DescriptionPrefix(int family) {
    switch (family) {
    case FamilyType::Coax:
        return "Waveguide to Coax Transititon, ";
    case FamilyType::Twist:
        return "90\xB0 Twist, ";
    case FamilyType::EBend:
        return "E Bend 90\xB0, ";
    case FamilyType::FlexTwist:
        return "Flexible Twist, ";
    case FamilyType::HBend:
        return "H Bend 90\xB0, ";
    case FamilyType::MiterH:
        return "90\xB0 Miter H, ";
    case FamilyType::MiterE:
        return "90\xB0 Miter E, ";
    case FamilyType::PressureWindow:
        return "Pressure Window, ";
    case FamilyType::Straight:
        return "Straight Section, ";
    case FamilyType::StepTwist:
        return "90\xB0 Step-Twist, ";
    case FamilyType::Tapered:
        return "Tapered Transition, ";
    default:
        return "";
    }
}

} // namespace

void TConfigurator::ClearSpecGrid() {
    for (auto& row : SpecGrid) {
        for (std::string& cell : row) {
            cell.clear();
        }
    }
}

void TConfigurator::RefreshSpecs() {
    ClearSpecGrid();
    FillSpecGrid(ProductTypeIndex);
    PartNumber.clear();
    AddOrderEnabled = false;
    ViewSpecsEnabled = false;
}

void TConfigurator::FillSpecGrid(int family) {
    using namespace FamilyType;
    int row = 1;
    const auto write = [&](const std::string& code, const std::string& label,
                           const std::string& value) {
        if (row < SpecGridRows) {
            SpecGrid[static_cast<std::size_t>(row)] = {"", code, label, value};
        }
        ++row;
    };

    if (Chosen(FamilyTable, ProductTypeIndex)) {
        write(FamilyField(FamilyColumn::Letter), "Product Type", FamilyField(FamilyColumn::Name));
    }
    if (Chosen(WaveguideList, WaveguideIndex)) {
        write(WaveguideCode(), "Waveguide", WaveguideName());
    }
    if (HasOneLength(family) || HasTwoLegs(family)) {
        write(IsImperial ? "P" : "M", "Units", IsImperial ? "in." : "mm");
    }
    if (Chosen(FlangeAList, FlangeAIndex)) {
        write(FlangeACode(), "Flange A",
              ChosenField(FlangeAList, FlangeAIndex, FlangeColumn::Type));
    }
    if (HasTwoLegs(family) && IsNumber(LegALength.Text)) {
        write(LengthCode(LegALength.Text, family), "Length A", LegALength.Text);
    }
    if (HasOneLength(family) && IsNumber(Length.Text)) {
        write(LengthCode(Length.Text, family), "Length", Length.Text);
    }
    // A pressure window has no flange B; a choice left from the family before it is
    // only dropped once the family is shown, after its size has refreshed this grid.
    if (family != Coax && family != PressureWindow && Chosen(FlangeBList, FlangeBIndex)) {
        write(FlangeBCode(), "Flange B",
              ChosenField(FlangeBList, FlangeBIndex, FlangeColumn::Type));
    }
    if (family == Coax && Chosen(FlangeBList, CoaxIndex)) {
        write(CoaxCode(), "Coax Type", ChosenField(FlangeBList, CoaxIndex, CoaxTypeColumn::Name));
    }
    if (HasTwoLegs(family) && IsNumber(LegBLength.Text)) {
        write(LengthCode(LegBLength.Text, family), "Length B", LegBLength.Text);
    }
    if (const TFrequencyChoice* choice = SelectedFrequencyChoice()) {
        write(choice->FreqBand, "Frequency", choice->Caption());
    }
    if (FinishIndex >= 0 && FinishIndex < static_cast<int>(FinishItems.size()) &&
        !WithoutFinish(family)) {
        const TStrings& finish = FinishItems[static_cast<std::size_t>(FinishIndex)];
        write(finish[0], "Finish", finish[1]);
    }
}

std::string TConfigurator::DescribeConfiguration() const {
    const int family = ProductTypeIndex;
    std::string text = DescriptionPrefix(family);
    text += WaveguideName() + ", ";
    text += ChosenField(FlangeAList, FlangeAIndex, FlangeColumn::Type) + ", ";
    if (HasOneLength(family)) {
        text += "Length: " + Length.Text + ", ";
    } else if (HasTwoLegs(family)) {
        text += "Leg A Length: " + LegALength.Text + ", ";
    }
    if (family == FamilyType::Coax) {
        if (Chosen(FlangeBList, CoaxIndex)) {
            text += ChosenField(FlangeBList, CoaxIndex, CoaxTypeColumn::Name) + ", ";
        }
    } else if (Chosen(FlangeBList, FlangeBIndex)) {
        text += ChosenField(FlangeBList, FlangeBIndex, FlangeColumn::Type) + ", ";
    }
    if (HasTwoLegs(family)) {
        text += "Leg B Length: " + LegBLength.Text + ", ";
    }
    if (const TFrequencyChoice* choice = SelectedFrequencyChoice()) {
        text += choice->Caption();
    }
    text += ", ";
    if (WithoutFinish(family)) {
        text.erase(text.size() - 2);
    } else if (FinishIndex >= 0 && FinishIndex < static_cast<int>(FinishItems.size())) {
        text += FinishItems[static_cast<std::size_t>(FinishIndex)][1];
    }
    return text;
}

} // namespace cvn
