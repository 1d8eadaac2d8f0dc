#include "wizard/Configurator.h"

#include "catalogue/Errors.h"
#include "catalogue/FieldTable.h"
#include "catalogue/Files.h"
#include "catalogue/IniFile.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "orders/SiteList.h"

#include <algorithm>
#include <clocale>
#include <exception>
#include <initializer_list>

namespace cvn {

bool ApplyingPartNumber = false;

namespace {

std::vector<TStrings> Rows(const TTxtTable& table, std::initializer_list<int> columns) {
    std::vector<TStrings> rows;
    rows.reserve(static_cast<std::size_t>(table.RowCount()));
    for (int r = 0; r < table.RowCount(); ++r) {
        TStrings texts;
        for (const int c : columns) {
            texts.push_back(table.GetField(r, c));
        }
        rows.push_back(std::move(texts));
    }
    return rows;
}

} // namespace

const TStrings& TLengthList::Items() const {
    return IsImperial ? ImperialItems : MetricItems;
}

void TLengthList::ClearAllItems() {
    ItemIndex = -1;
    Text.clear();
    ImperialItems.clear();
    MetricItems.clear();
}

void TLengthList::Select(int index) {
    const TStrings& items = Items();
    if (index < 0 || index >= static_cast<int>(items.size())) {
        ItemIndex = -1;
        Text.clear();
        return;
    }
    ItemIndex = index;
    Text = items[static_cast<std::size_t>(index)];
}

void TLengthList::SelectText(const std::string& text) {
    const TStrings& items = Items();
    const auto found = std::find(items.begin(), items.end(), text);
    Select(found == items.end() ? -1 : static_cast<int>(found - items.begin()));
}

TConfigurator::TConfigurator(TUserPrompts& prompts) : Prompts(prompts) {}

std::string TConfigurator::SettingsFileName() const {
    return AppPath + "Corvane.ini";
}

std::string TConfigurator::HelpFileName() const {
    return ResolvePath(AppPath + "Corvane38.html");
}

std::vector<TStrings> TConfigurator::ProductTypeItems() const {
    return Rows(FamilyTable, {FamilyColumn::Letter, FamilyColumn::Name});
}

std::vector<TStrings> TConfigurator::WaveguideItems() const {
    return Rows(WaveguideList,
                {WaveguideColumn::Code, WaveguideNameColumn, WaveguideColumn::Detail1,
                 WaveguideColumn::Detail2, WaveguideColumn::Detail3});
}

std::vector<TStrings> TConfigurator::FlangeAItems() const {
    return Rows(FlangeAList, {FlangeColumn::Code, FlangeColumn::Type, FlangeColumn::Model});
}

std::vector<TStrings> TConfigurator::FlangeBItems() const {
    return ProductTypeIndex == FamilyType::Coax
               ? std::vector<TStrings>{}
               : Rows(FlangeBList, {FlangeColumn::Code, FlangeColumn::Type, FlangeColumn::Model});
}

std::vector<TStrings> TConfigurator::CoaxItems() const {
    return ProductTypeIndex == FamilyType::Coax
               ? Rows(FlangeBList, {CoaxTypeColumn::Code, CoaxTypeColumn::Name})
               : std::vector<TStrings>{};
}

TLengthList& TConfigurator::LengthList(TLengthBox box) {
    switch (box) {
    case TLengthBox::LegA:
        return LegALength;
    case TLengthBox::LegB:
        return LegBLength;
    default:
        return Length;
    }
}

std::string TConfigurator::WizardCaption() const {
    return Screen == 1 ? "Wizard - Screen 1 of 2" : "Wizard - Screen 2 of 2";
}

std::string TConfigurator::UnitLabel() const {
    return IsImperial ? "inches" : "mm";
}

void TConfigurator::FormCreate(const std::string& programFolder) {
    // Table numbers are read and written with "." whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    SetAppPath(programFolder);

    if (ReadIniString(SettingsFileName(), "UNITS", "type", "P") == "P") {
        IsImperial = true;
        mnuImperialClick();
    } else {
        IsImperial = false;
        mnuMetricClick();
    }

    FlangeAList = {};
    FlangeBList = {};
    OrderLines = {};
    WaveguideList = {};
    FamilyTable = LoadDataTable("Family.tbl", Prompts);
    FlangeTable = LoadDataTable("Flange.tbl", Prompts);
    DimensionsTable = LoadDataTable("Dimensions.tbl", Prompts);

    PhotoPicture = "WG.gif";
    HelpEnabled = FileExists(HelpFileName());
}

void TConfigurator::FormClose() {
    try {
        WriteIniString(SettingsFileName(), "UNITS", "type", IsImperial ? "P" : "M");
    } catch (const EFCreateError& e) {
        // A program folder that cannot be written loses the unit choice: the user is
        // told, and closing goes on to the site list.
        Prompts.Error(e.what());
    }
    try {
        WriteSiteList(OrderLines, Prompts);
    } catch (const std::exception& e) {
        Prompts.Error(e.what());
    }
    for (TTxtTable* table : {&FamilyTable, &FlangeTable, &WaveguideList, &DimensionsTable,
                             &FlangeAList, &FlangeBList, &OrderLines}) {
        *table = {};
    }
}

void TConfigurator::btnNextClick() {
    const TTableReadScope tables;
    if (!ScreenOneComplete()) {
        Prompts.Information("Please fill all options to continue.");
        return;
    }
    Screen = 2;
}

void TConfigurator::btnBackClick() {
    Screen = 1;
}

bool TConfigurator::btnFinishClick() {
    return Prompts.YesNo("Do you wish to exit now?");
}

void TConfigurator::mnuResetSettingsClick() {
    ProductTypeIndex = -1;
    PhotoPicture = "WG.gif";

    WaveguideList = {};
    FlangeAList = {};
    FlangeBList = {};
    WaveguideIndex = FlangeAIndex = FlangeBIndex = CoaxIndex = -1;
    FlangeAPicture.clear();
    FlangeBPicture.clear();

    Length.ClearAllItems();
    LegALength.ClearAllItems();
    LegBLength.ClearAllItems();
    LengthText.clear();
    LengthPicture.clear();

    FinishIndex = -1;
    ClearFrequencyChoices();
    ClearSpecGrid();
    PartNumber.clear();
    // Without a part number there is nothing to add or to show.
    AddOrderEnabled = false;
    ViewSpecsEnabled = false;
    Screen = 1;
}

void TConfigurator::cbxFinishChange(int index) {
    const TTableReadScope tables;
    FinishIndex = index;
    RefreshSpecs();
}

} // namespace cvn
