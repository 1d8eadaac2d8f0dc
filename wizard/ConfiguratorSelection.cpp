// Which families, sizes, flanges and coax types are offered, and what survives when
// an upper choice changes.

#include "wizard/Configurator.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <optional>

namespace cvn {

namespace {

bool HasRow(const TTxtTable& table, int row) {
    return row >= 0 && row < table.RowCount();
}

// The code of the chosen row, if a row is chosen.
std::optional<std::string> ChosenCode(const TTxtTable& table, int row) {
    if (!HasRow(table, row)) {
        return std::nullopt;
    }
    return table.GetField(row, 1);
}

} // namespace

std::string TConfigurator::FamilyField(int column) const {
    return HasRow(FamilyTable, ProductTypeIndex) ? FamilyTable.GetField(ProductTypeIndex, column)
                                                 : std::string();
}

std::string TConfigurator::WaveguideCode() const {
    return HasRow(WaveguideList, WaveguideIndex) ? WaveguideList.GetField(WaveguideIndex, 1)
                                                 : std::string();
}

void TConfigurator::cbxProductTypeChange(int index) {
    ProductTypeIndex = index;
    if (!HasRow(FamilyTable, index)) {
        return;
    }
    const int family = index;
    ClearSpecGrid();

    std::optional<std::string> previous;
    if (!ApplyingPartNumber) {
        previous = ChosenCode(WaveguideList, WaveguideIndex);
    }
    LoadWaveguideList(family);
    const int kept = previous ? FindRow(WaveguideList, 1, *previous) : -1;
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
    } else {
        WaveguideColumnWidths = {30, 60, 60, 60, 60};
        WaveguideDropWidth = 260;
    }
    WaveguideList = LoadDataTable(WaveguideListTable(family), Prompts);
    WaveguideNameColumn = family == FamilyType::Tapered ? 3 : 2;
    WaveguideIndex = -1;

    const TWaveguideSource source = WaveguideSourceOf(family);
    const TTxtTable offered =
        source.Table.empty() ? TTxtTable() : LoadDataTable(source.Table, Prompts);
    TStrings kept;
    for (int r = 0; r < WaveguideList.RowCount(); ++r) {
        if (FamilyOffersWaveguide(family, WaveguideList.GetField(r, 1), offered)) {
            kept.push_back(WaveguideList.Lines[static_cast<std::size_t>(r)]);
        }
    }
    WaveguideList.Lines = std::move(kept);
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
    PhotoPicture = FamilyField(6);
    LengthPicture = FamilyField(5);
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
    WaveguideIndex = index;
    const int family = ProductTypeIndex;
    if (!HasRow(WaveguideList, index) || !HasRow(FamilyTable, family)) {
        RefreshSpecs();
        return;
    }
    const std::string code = WaveguideList.GetField(index, 1);
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
        flangeA = ChosenCode(FlangeAList, FlangeAIndex);
        if (family == FamilyType::Coax) {
            flangeB = ChosenCode(FlangeBList, CoaxIndex);
        } else if (family != FamilyType::PressureWindow) {
            flangeB = ChosenCode(FlangeBList, FlangeBIndex);
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
        FlangesByWaveguide(FlangeBList, WaveguideList.GetField(WaveguideIndex, 2));
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
        const int row = FindRow(FlangeAList, 1, *flangeA);
        if (row >= 0) {
            cbxFlangeAChange(row);
        }
    }
    if (flangeB) {
        const int row = FindRow(FlangeBList, 1, *flangeB);
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
        if (FlangeTable.GetField(r, 2) == code) {
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
    const TTxtTable types = LoadDataTable("CoaxType.tbl", Prompts);
    const TTxtTable vswr = LoadDataTable("CoaxVSWR.tbl", Prompts);
    FlangeBList = {};
    FlangeBIndex = CoaxIndex = -1;
    for (int t = 0; t < types.RowCount(); ++t) {
        const std::string type = types.GetField(t, 1);
        for (int v = 0; v < vswr.RowCount(); ++v) {
            if (vswr.GetField(v, 3) == type && vswr.GetField(v, 1) == code) {
                FlangeBList.Lines.push_back(types.Lines[static_cast<std::size_t>(t)]);
            }
        }
    }
    // Every VSWR row of a connector adds it once more; the list shows each once.
    SortUnique(FlangeBList.Lines);
}

void TConfigurator::PressureWindowFlanges(const std::string& code) {
    const TTxtTable windows = LoadDataTable("PressureWindows.tbl", Prompts);
    FlangeAList = {};
    FlangeAIndex = -1;
    for (int w = 0; w < windows.RowCount(); ++w) {
        if (windows.GetField(w, 1) != code) {
            continue;
        }
        const std::string flange = windows.GetField(w, 2);
        for (int f = 0; f < FlangeTable.RowCount(); ++f) {
            if (FlangeTable.GetField(f, 2) == code && FlangeTable.GetField(f, 1) == flange) {
                FlangeAList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
            }
        }
    }
}

void TConfigurator::StepTwistFlanges(const std::string& code) {
    const TTxtTable offered = LoadDataTable("StepFlange.tbl", Prompts);
    FlangeAList = {};
    FlangeBList = {};
    FlangeAIndex = FlangeBIndex = CoaxIndex = -1;
    for (int s = 0; s < offered.RowCount(); ++s) {
        if (offered.GetField(s, 2) != code) {
            continue;
        }
        const std::string flange = offered.GetField(s, 1);
        for (int f = 0; f < FlangeTable.RowCount(); ++f) {
            if (FlangeTable.GetField(f, 1) == flange && FlangeTable.GetField(f, 2) == code) {
                FlangeAList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
                FlangeBList.Lines.push_back(FlangeTable.Lines[static_cast<std::size_t>(f)]);
            }
        }
    }
}

void TConfigurator::cbxFlangeAChange(int index) {
    FlangeAIndex = index;
    FlangeAPicture = HasRow(FlangeAList, index) ? FlangeAList.GetField(index, 5) : std::string();
    if (ProductTypeIndex == FamilyType::PressureWindow) {
        LoadPressureWindowVSWR();
    }
    RefreshSpecs();
}

void TConfigurator::cbxFlangeBChange(int index) {
    FlangeBIndex = index;
    FlangeBPicture = HasRow(FlangeBList, index) ? FlangeBList.GetField(index, 5) : std::string();
    RefreshSpecs();
}

void TConfigurator::cbxCoaxChange(int index) {
    CoaxIndex = index;
    if (HasRow(FlangeBList, index)) {
        LoadCoaxVSWR();
    }
    RefreshSpecs();
}

} // namespace cvn
