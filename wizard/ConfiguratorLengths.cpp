// The length group: which page and list style a family uses, the lists and preset
// lengths of a size, typed lengths, the flange adaptor and the unit switch.

#include "wizard/Configurator.h"

#include "catalogue/Errors.h"
#include "catalogue/FieldTable.h"
#include "catalogue/Fixed.h"
#include "catalogue/LengthLists.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <algorithm>
#include <cmath>

namespace cvn {

namespace {

// The flange adaptor's fixed length in each unit.
constexpr const char* kAdaptorInches = "4.0";
constexpr const char* kAdaptorMillimetres = "102";

// Lengths compare at the four decimals they are held with.
double Scaled(const std::string& text) {
    return std::nearbyint(StrToFloat(text) * 10000.0);
}

// A length of the other unit as the active unit's lists write it; empty for a value
// no list could hold.
std::string Converted(const std::string& text) {
    try {
        const double value = StrToFloat(text);
        return IsImperial ? FormatInches(MmToInches(value)) : MillimetreText(InchesToMm(value));
    } catch (const EConvertError&) {
        return {};
    }
}

} // namespace

void TConfigurator::SetLengthPage(int family) {
    switch (family) {
    case FamilyType::Coax:
    case FamilyType::Twist:
    case FamilyType::PressureWindow:
    case FamilyType::StepTwist:
    case FamilyType::Tapered:
        LengthPage = 1;
        break;
    case FamilyType::Straight:
        Length.Enabled = !FlangeAdaptorChecked;
        Length.Editable = true;
        LengthPage = 0;
        break;
    case FamilyType::FlexTwist:
        Length.Editable = false;
        Length.Enabled = true;
        LengthPage = 0;
        break;
    case FamilyType::MiterH:
    case FamilyType::MiterE:
        LegALength.Editable = LegBLength.Editable = true;
        LengthPage = 2;
        break;
    case FamilyType::EBend:
    case FamilyType::HBend:
        LegALength.Editable = LegBLength.Editable = false;
        LengthPage = 2;
        break;
    default:
        break;
    }
}

void TConfigurator::FillLengthList(TLengthList& list) {
    list.ClearAllItems();
    TLengthLists built = BuildLengthLists(FamilyTable, ProductTypeIndex, DimensionsTable,
                                          WaveguideCode(), IsImperial);
    list.ImperialItems = std::move(built.ImperialItems);
    list.MetricItems = std::move(built.MetricItems);
    std::string preset = IsImperial ? built.ImperialDefault : built.MetricDefault;
    // The adaptor belongs to the straight section; a box left checked by it while
    // another family is shown does not move that family's defaults.
    if (FlangeAdaptorChecked && ProductTypeIndex == FamilyType::Straight) {
        preset = IsImperial ? kAdaptorInches : kAdaptorMillimetres;
    }
    list.SelectText(preset);
}

void TConfigurator::FillFlexibleLengths() {
    const TFieldTable specs = LoadFieldTable("FlexSpecs.tbl", Prompts);
    const TFieldTable metric = LoadFieldTable("FlexMetricLengths.tbl", Prompts);
    const TFieldTable imperial = LoadFieldTable("FlexImperialLengths.tbl", Prompts);
    Length.ClearAllItems();
    const int row = FindRow(specs, FlexSpecsColumn::Waveguide, WaveguideCode());
    if (row < 0) {
        return;
    }
    const std::string preset =
        IsImperial ? InchText(std::string(specs.GetField(row, FlexSpecsColumn::DefaultInches)))
                   : MillimetreText(StrToFloat(specs.GetField(row, FlexSpecsColumn::DefaultMm)));
    // Built aside, so that a length that is not a number leaves the list empty.
    TStrings inches;
    for (int r = 0; r < imperial.RowCount(); ++r) {
        inches.push_back(InchText(std::string(imperial.GetField(r, FlexLengthsColumn::Length))));
    }
    Length.ImperialItems = std::move(inches);
    for (int r = 0; r < metric.RowCount(); ++r) {
        Length.MetricItems.emplace_back(metric.GetField(r, FlexLengthsColumn::Length));
    }
    Length.SelectText(preset);
}

void TConfigurator::ShowPresetLength() {
    LengthText.clear();
    const int row =
        FindRow(DimensionsTable, {{DimensionsColumn::Letter, FamilyField(FamilyColumn::Letter)},
                                  {DimensionsColumn::Waveguide, WaveguideCode()}});
    if (row >= 0) {
        const std::string inches = DimensionsTable.GetField(row, DimensionsColumn::DefaultInches);
        LengthText = IsImperial ? InchText(inches) : MillimetreText(InchesToMm(StrToFloat(inches)));
    }
    if (LengthText.empty()) {
        LengthText = "U/F";
    }
}

void TConfigurator::ShowStepTwistLength() {
    LengthText.clear();
    // Read whole: its first line is searched like any other.
    const TFieldTable table = LoadFieldTableWithHeader("StepTwist.tbl", Prompts);
    const TFrequencyChoice* choice = SelectedFrequencyChoice();
    if (!choice) {
        return;
    }
    const int row = FindRow(table, {{StepTwistColumn::Waveguide, WaveguideCode()},
                                    {StepTwistColumn::Range, choice->FreqRange}});
    if (row < 0) {
        return;
    }
    const std::string inches(table.GetField(row, StepTwistColumn::Length));
    LengthText = IsImperial ? inches : MillimetreText(InchesToMm(StrToFloat(inches)));
}

void TConfigurator::cbxLengthEnter(TLengthBox box) {
    const TTableReadScope tables;
    const TLengthList& list = LengthList(box);
    if (list.Editable && !list.Items().empty()) {
        LastLengthIndex = list.ItemIndex;
    }
}

void TConfigurator::cbxLengthExit(TLengthBox box, const std::string& text) {
    const TTableReadScope tables;
    TLengthList& list = LengthList(box);
    if (!list.Editable || list.Items().empty()) {
        return;
    }
    list.Text = text;
    const TStrings& items = list.Items();
    const int last = static_cast<int>(items.size()) - 1;
    if (!IsNumber(text)) {
        Prompts.Error("\"" + text + "\" is not a valid Length value.");
        // Without an earlier length to go back to the box is emptied: the refused text
        // must not reach the part number.
        list.Select(LastLengthIndex >= 0 && LastLengthIndex <= last ? LastLengthIndex : -1);
        FocusBackTo = box;
    } else if (Scaled(text) > Scaled(items.back())) {
        Prompts.Error("Length \"" + text + "\" is not available.");
        list.Select(last);
        LastLengthIndex = last;
        FocusBackTo = box;
    } else if (Scaled(text) < Scaled(items.front())) {
        Prompts.Error("Length \"" + text + "\" is not available.");
        list.Select(0);
        LastLengthIndex = 0;
        FocusBackTo = box;
    } else {
        // A length between two steps is raised to the next one without a word.
        list.Select(IndexOfValue(text, items));
    }
    RefreshSpecs();
}

void TConfigurator::cbxLengthChange(int index, const std::string& text) {
    const TTableReadScope tables;
    Length.ItemIndex = index;
    Length.Text = text;
    if (ProductTypeIndex == FamilyType::FlexTwist && IsNumber(text)) {
        LoadFlexVSWR();
    }
    RefreshSpecs();
}

void TConfigurator::cbxLegALengthChange(int index, const std::string& text) {
    const TTableReadScope tables;
    LegALength.ItemIndex = index;
    LegALength.Text = text;
    RefreshSpecs();
}

void TConfigurator::cbxLegBLengthChange(int index, const std::string& text) {
    const TTableReadScope tables;
    LegBLength.ItemIndex = index;
    LegBLength.Text = text;
    RefreshSpecs();
}

void TConfigurator::LengthChange(TLengthBox box, int index, const std::string& text) {
    switch (box) {
    case TLengthBox::LegA:
        cbxLegALengthChange(index, text);
        break;
    case TLengthBox::LegB:
        cbxLegBLengthChange(index, text);
        break;
    default:
        cbxLengthChange(index, text);
        break;
    }
}

void TConfigurator::LengthTyped(TLengthBox box, int index, const std::string& text) {
    struct TTyping {
        bool& Flag;
        explicit TTyping(bool& flag) : Flag(flag) { Flag = true; }
        ~TTyping() { Flag = false; }
    } typing(TypingLength);
    LengthChange(box, index, text);
}

void TConfigurator::chkFlangeAdaptorClick(bool checked) {
    const TTableReadScope tables;
    FlangeAdaptorChecked = checked;
    Length.Enabled = !checked;
    if (checked) {
        const TStrings& items = Length.Items();
        const auto found = std::find(items.begin(), items.end(),
                                     IsImperial ? kAdaptorInches : kAdaptorMillimetres);
        if (found != items.end()) {
            Length.Select(static_cast<int>(found - items.begin()));
        }
    }
    RefreshSpecs();
}

void TConfigurator::mnuImperialClick() {
    const TTableReadScope tables;
    if (!ImperialChecked) {
        SetUnits(true);
    }
}

void TConfigurator::mnuMetricClick() {
    const TTableReadScope tables;
    if (!MetricChecked) {
        SetUnits(false);
    }
}

void TConfigurator::SetUnits(bool imperial) {
    ImperialChecked = imperial;
    MetricChecked = !imperial;
    IsImperial = imperial;
    ConvertShownLengths();
    RefreshSpecs();
    const bool lengthMissing =
        (LengthPage == 0 && Length.Text.empty()) ||
        (LengthPage == 2 && (LegALength.Text.empty() || LegBLength.Text.empty()));
    if (lengthMissing) {
        Screen = 1;
    }
}

void TConfigurator::ConvertShownLengths() {
    if (LengthPage == 1) {
        if (IsNumber(LengthText)) {
            LengthText = Converted(LengthText);
        }
        return;
    }
    for (TLengthList* list : {&Length, &LegALength, &LegBLength}) {
        if ((list == &Length) != (LengthPage == 0)) {
            continue;
        }
        const std::string shown = list->Text;
        list->Select(-1);
        if (IsNumber(shown)) {
            list->SelectText(Converted(shown));
        }
    }
}

} // namespace cvn
