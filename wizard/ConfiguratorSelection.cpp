// Which families, sizes, flanges and coax types are offered, and what survives when
// an upper choice changes.

#include "wizard/Configurator.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <optional>
#include <set>
#include <string_view>

namespace cvn {

namespace {

bool HasRow(const TTxtTable& table, int row) {
    return row >= 0 && row < table.RowCount();
}

// The code column of the chosen row, if a row is chosen.
std::optional<std::string> ChosenCode(const TTxtTable& table, int row, int codeColumn) {
    if (!HasRow(table, row)) {
        return std::nullopt;
    }
    return table.GetField(row, codeColumn);
}

} // namespace

std::string TConfigurator::FamilyField(int column) const {
    return HasRow(FamilyTable, ProductTypeIndex) ? FamilyTable.GetField(ProductTypeIndex, column)
                                                 : std::string();
}

std::string TConfigurator::WaveguideCode() const {
    return HasRow(WaveguideList, WaveguideIndex)
               ? WaveguideList.GetField(WaveguideIndex, WaveguideColumn::Code)
               : std::string();
}

void TConfigurator::cbxProductTypeChange(int index) {
    const TTableReadScope tables;
    ProductTypeIndex = index;
    if (!HasRow(FamilyTable, index)) {
        return;
    }
    const int family = index;
    ClearSpecGrid();

    std::optional<std::string> previous;
    if (!ApplyingPartNumber) {
        previous = ChosenCode(WaveguideList, WaveguideIndex, WaveguideColumn::Code);
    }
    LoadWaveguideList(family);
    const int kept = previous ? FindRow(WaveguideList, WaveguideColumn::Code, *previous) : -1;
    try {
        if (kept >= 0) {
            cbxWaveguideChange(kept);
        } else {
            ClearWaveguideChoices();
        }
    } catch (...) {
        // A data error while re-applying the size must not leave the previous family's
        // pictures, length page and captions on screen.
        ShowFamily(family);
        throw;
    }
    ShowFamily(family);
}

void TConfigurator::LoadWaveguideList(int family) {
    if (family == FamilyType::Tapered) {
        WaveguideColumnWidths = {30, 105, 120, 100, 105};
        WaveguideDropWidth = 440;
        WaveguideCaptions = {" Code", " Transition", " Sizes", " British", " IEC"};
    } else {
        WaveguideColumnWidths = {30, 60, 60, 60, 60};
        WaveguideDropWidth = 260;
        WaveguideCaptions = {" Code", " WR", " US Military", " British", " IEC"};
    }
    const TFieldTable sizes = LoadFieldTable(WaveguideListTable(family), Prompts);
    WaveguideNameColumn =
        family == FamilyType::Tapered ? WaveguideColumn::TaperName : WaveguideColumn::SizeName;
    WaveguideIndex = -1;

    const TWaveguideSource source = WaveguideSourceOf(family);
    const TOfferedWaveguides offered(
        family, source.Table.empty() ? TFieldTable() : LoadFieldTable(source.Table, Prompts));
    WaveguideList = {};
    for (int r = 0; r < sizes.RowCount(); ++r) {
        if (offered.Contains(sizes.GetField(r, WaveguideColumn::Code))) {
            WaveguideList.Lines.emplace_back(sizes.Line(r));
        }
    }
}

void TConfigurator::ClearWaveguideChoices() {
    FlangeAList = {};
    FlangeBList = {};
    FlangeAIndex = FlangeBIndex = CoaxIndex = -1;
    LengthText.clear();
    Length.ClearAllItems();
    Length.Enabled = true;
    FlangeAdaptorChecked = false;
    LegALength.ClearAllItems();
    LegBLength.ClearAllItems();
    FlangeAPicture.clear();
    FlangeBPicture.clear();
    FinishIndex = -1;
    PartNumber.clear();
    AddOrderEnabled = false;
    ViewSpecsEnabled = false;
}

// Pictures, length page and the flange B group of a newly chosen family.
void TConfigurator::ShowFamily(int family) {
    PhotoPicture = FamilyField(FamilyColumn::Photo);
    LengthPicture = FamilyField(FamilyColumn::Picture);
    SetLengthPage(family);

    if (family != FamilyType::Coax) {
        FlangeBEnabled = true;
        CodeCaptionEnabled = FlangeTypeCaptionEnabled = ModelCaptionEnabled = true;
        CoaxInFront = false;
        FlangeACaption = " Flange A ";
        FlangeBCaption = " Flange B ";
    } else {
        CoaxInFront = true;
        CoaxEnabled = CoaxTypeCaptionEnabled = CodeCaptionEnabled = true;
        FlangeACaption = " Flange ";
        FlangeBCaption = " Coax Type ";
    }
    if (family == FamilyType::PressureWindow) {
        FlangeACaption = " For Fitment to Flange ";
        FlangeBCaption = "";
        FlangeBEnabled = CoaxEnabled = false;
        CodeCaptionEnabled = FlangeTypeCaptionEnabled = ModelCaptionEnabled = false;
    }

    // The list the family does not use is emptied; for the coax transition the flange B
    // table holds the coax types, which only the coax list shows.
    if (family == FamilyType::PressureWindow) {
        FlangeBList = {};
        FlangeBIndex = CoaxIndex = -1;
    } else if (family == FamilyType::Coax) {
        FlangeBIndex = -1;
    } else {
        CoaxIndex = -1;
    }
    FlangeAdaptorVisible = family == FamilyType::Straight;
}

void TConfigurator::cbxWaveguideChange(int index) {
    const TTableReadScope tables;
    WaveguideIndex = index;
    const int family = ProductTypeIndex;
    if (!HasRow(WaveguideList, index) || !HasRow(FamilyTable, family)) {
        RefreshSpecs();
        return;
    }
    const std::string code = WaveguideList.GetField(index, WaveguideColumn::Code);
    if (IsSpecialQuote(code, family)) {
        Prompts.Information(SpecialQuoteMessage(code));
        WaveguideIndex = -1;
        if (family == FamilyType::Coax) {
            FlangeBList = {};
            CoaxIndex = -1;
        }
        RefreshSpecs();
        return;
    }

    std::optional<std::string> flangeA;
    std::optional<std::string> flangeB;
    if (!ApplyingPartNumber) {
        flangeA = ChosenCode(FlangeAList, FlangeAIndex, FlangeColumn::Code);
        if (family == FamilyType::Coax) {
            flangeB = ChosenCode(FlangeBList, CoaxIndex, CoaxTypeColumn::Code);
        } else if (family != FamilyType::PressureWindow) {
            flangeB = ChosenCode(FlangeBList, FlangeBIndex, FlangeColumn::Code);
        }
    }
    FlangeAPicture.clear();
    FlangeBPicture.clear();
    SetUpForWaveguide(family, code);

    if (family == FamilyType::StepTwist) {
        // Also while a part number is applied: a step-twist's part number carries no
        // flanges, so nothing else would choose them.
        if (FlangeAList.RowCount() > 0) {
            cbxFlangeAChange(0);
        }
        if (FlangeBList.RowCount() > 0) {
            cbxFlangeBChange(0);
        }
    } else if (!ApplyingPartNumber) {
        RestoreFlanges(family, flangeA, flangeB);
    }
    RefreshSpecs();
}

void TConfigurator::SetUpForWaveguide(int family, const std::string& code) {
    SetFinishForFamily(family);
    switch (family) {
    case FamilyType::Coax:
        FlangesByWaveguide(FlangeAList, code);
        CoaxTypes(code);
        LengthText = "N/A";
        break;
    case FamilyType::Twist:
        FlangesByWaveguide(FlangeAList, code);
        FlangesByWaveguide(FlangeBList, code);
        ShowPresetLength();
        LoadWaveguideVSWR();
        break;
    case FamilyType::EBend:
    case FamilyType::HBend:
    case FamilyType::MiterH:
    case FamilyType::MiterE:
        FlangesByWaveguide(FlangeAList, code);
        FlangesByWaveguide(FlangeBList, code);
        // Both legs go first, so a table error in leg A leaves no lengths of the
        // previous size in leg B.
        LegBLength.ClearAllItems();
        FillLengthList(LegALength);
        FillLengthList(LegBLength);
        LoadWaveguideVSWR();
        break;
    case FamilyType::FlexTwist:
        FlangesByWaveguide(FlangeAList, code);
        FlangesByWaveguide(FlangeBList, code);
        FillFlexibleLengths();
        LoadFlexVSWR();
        break;
    case FamilyType::PressureWindow:
        PressureWindowFlanges(code);
        LengthText = "N/A";
        break;
    case FamilyType::Straight:
        FlangesByWaveguide(FlangeAList, code);
        FlangesByWaveguide(FlangeBList, code);
        FillLengthList(Length);
        LoadWaveguideVSWR();
        break;
    case FamilyType::StepTwist:
        LoadStepTwistFrequencies();
        ShowStepTwistLength();
        StepTwistFlanges(code);
        break;
    case FamilyType::Tapered:
        // The ends differ in size: flange A fits the small end, flange B the large one.
        FlangesByWaveguide(FlangeAList, code);
        FlangesByWaveguide(FlangeBList,
                           WaveguideList.GetField(WaveguideIndex, TaperColumn::LargeCode));
        ShowPresetLength();
        LoadWaveguideVSWR();
        break;
    default:
        break;
    }
}

void TConfigurator::RestoreFlanges(int family, const std::optional<std::string>& flangeA,
                                   const std::optional<std::string>& flangeB) {
    if (flangeA) {
        const int row = FindRow(FlangeAList, FlangeColumn::Code, *flangeA);
        if (row >= 0) {
            cbxFlangeAChange(row);
        }
    }
    if (flangeB) {
        const int row = FindRow(FlangeBList, FlangeColumn::Code, *flangeB);
        if (row >= 0) {
            if (family == FamilyType::Coax) {
                cbxCoaxChange(row);
            } else {
                cbxFlangeBChange(row);
            }
        }
    }
}

void TConfigurator::FlangesByWaveguide(TTxtTable& list, const std::string& code) {
    list = {};
    for (int r = 0; r < FlangeTable.RowCount(); ++r) {
        if (FlangeTable.FieldView(r, FlangeColumn::Waveguide) == code) {
            list.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(r)]);
        }
    }
    if (&list == &FlangeAList) {
        FlangeAIndex = -1;
    } else {
        FlangeBIndex = CoaxIndex = -1;
    }
}

void TConfigurator::CoaxTypes(const std::string& code) {
    const TFieldTable types = LoadFieldTable("CoaxType.tbl", Prompts);
    const TFieldTable vswr = LoadFieldTable("CoaxVSWR.tbl", Prompts);
    FlangeBList = {};
    FlangeBIndex = CoaxIndex = -1;
    std::set<std::string_view, std::less<>> offered;
    for (int v = 0; v < vswr.RowCount(); ++v) {
        if (vswr.GetField(v, CoaxVSWRColumn::Waveguide) == code) {
            offered.insert(vswr.GetField(v, CoaxVSWRColumn::Coax));
        }
    }
    for (int t = 0; t < types.RowCount(); ++t) {
        if (offered.count(types.GetField(t, CoaxTypeColumn::Code)) > 0) {
            FlangeBList.Lines.emplace_back(types.Line(t));
        }
    }
    // A connector listed twice shows once.
    SortUnique(FlangeBList.Lines);
}

// The rows of FlangeTable for the size, in table order.
std::vector<int> TConfigurator::FlangeRowsOf(const std::string& code) const {
    std::vector<int> rows;
    for (int f = 0; f < FlangeTable.RowCount(); ++f) {
        if (FlangeTable.FieldView(f, FlangeColumn::Waveguide) == code) {
            rows.push_back(f);
        }
    }
    return rows;
}

void TConfigurator::PressureWindowFlanges(const std::string& code) {
    const TFieldTable windows = LoadFieldTable("PressureWindows.tbl", Prompts);
    FlangeAList = {};
    FlangeAIndex = -1;
    const std::vector<int> flanges = FlangeRowsOf(code);
    for (int w = 0; w < windows.RowCount(); ++w) {
        if (windows.GetField(w, PressureWindowColumn::Waveguide) != code) {
            continue;
        }
        const std::string_view flange = windows.GetField(w, PressureWindowColumn::Flange);
        for (const int f : flanges) {
            if (FlangeTable.FieldView(f, FlangeColumn::Code) == flange) {
                FlangeAList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
            }
        }
    }
}

void TConfigurator::StepTwistFlanges(const std::string& code) {
    const TFieldTable offered = LoadFieldTable("StepFlange.tbl", Prompts);
    FlangeAList = {};
    FlangeBList = {};
    FlangeAIndex = FlangeBIndex = CoaxIndex = -1;
    const std::vector<int> flanges = FlangeRowsOf(code);
    for (int s = 0; s < offered.RowCount(); ++s) {
        if (offered.GetField(s, StepFlangeColumn::Waveguide) != code) {
            continue;
        }
        const std::string_view flange = offered.GetField(s, StepFlangeColumn::Flange);
        for (const int f : flanges) {
            if (FlangeTable.FieldView(f, FlangeColumn::Code) == flange) {
                FlangeAList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
                FlangeBList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
            }
        }
    }
}

void TConfigurator::cbxFlangeAChange(int index) {
    const TTableReadScope tables;
    FlangeAIndex = index;
    FlangeAPicture = HasRow(FlangeAList, index) ? FlangeAList.GetField(index, FlangeColumn::Picture)
                                                : std::string();
    if (ProductTypeIndex == FamilyType::PressureWindow) {
        LoadPressureWindowVSWR();
    }
    RefreshSpecs();
}

void TConfigurator::cbxFlangeBChange(int index) {
    const TTableReadScope tables;
    FlangeBIndex = index;
    FlangeBPicture = HasRow(FlangeBList, index) ? FlangeBList.GetField(index, FlangeColumn::Picture)
                                                : std::string();
    RefreshSpecs();
}

void TConfigurator::cbxCoaxChange(int index) {
    const TTableReadScope tables;
    CoaxIndex = index;
    if (HasRow(FlangeBList, index)) {
        LoadCoaxVSWR();
    }
    RefreshSpecs();
}

} // namespace cvn
