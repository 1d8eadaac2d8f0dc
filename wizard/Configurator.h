#pragma once

#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"

#include <string>
#include <vector>

namespace cvn {

class TUserPrompts;

// The texts one frequency choice carries on screen 2.
struct TFrequencyChoice {
    std::string FreqWaveguide;
    std::string FreqBand;
    std::string FreqRange;
    std::string FreqVSWR;
};

// A length list that holds an inch list and a millimetre list; the visible items are
// always the list of the unit in force.
struct TLengthList {
    TStrings ImperialItems;
    TStrings MetricItems;
    int ItemIndex = -1;
    std::string Text;

    const TStrings& Items() const;
    void ClearAllItems();
};

// The main window's state and rules, without the window: what each list holds and
// which item is chosen, the screen shown, the unit system and the settings file. The
// window forwards every user event to the method of the same name and then shows
// the state; it decides nothing itself. Texts are the catalogue's Windows-1252 bytes.
class TConfigurator {
public:
    explicit TConfigurator(TUserPrompts& prompts);

    // Tables owned for the window's life; item i of a list shows row i of its table.
    TTxtTable FamilyTable;
    TTxtTable FlangeTable;
    TTxtTable WaveguideList;
    TTxtTable DimensionsTable;
    TTxtTable FlangeAList;
    TTxtTable FlangeBList;
    TTxtTable OrderLines;
    int WaveguideNameColumn = 2;
    std::vector<TFrequencyChoice> FrequencyChoices;
    int SelectedFrequency = -1;
    int LastLengthIndex = -1;

    // Chosen items (-1: none).
    int ProductTypeIndex = -1;
    int WaveguideIndex = -1;
    int FlangeAIndex = -1;
    int FlangeBIndex = -1;
    int CoaxIndex = -1;
    int FinishIndex = 0;
    std::vector<TStrings> FinishItems{{"G", "Gray"}, {"N", "Unpainted"}};

    TLengthList Length;
    TLengthList LegALength;
    TLengthList LegBLength;
    std::string LengthText; // the read-only preset length

    // Picture files in the Images folder; empty clears the picture.
    std::string PhotoPicture;
    std::string LengthPicture;
    std::string FlangeAPicture;
    std::string FlangeBPicture;

    std::string PartNumber;
    bool AddOrderEnabled = false;
    bool ViewSpecsEnabled = false;
    int Screen = 1; // 1 or 2
    bool ImperialChecked = false;
    bool MetricChecked = false;
    bool HelpEnabled = false;

    std::string SettingsFileName() const;
    std::string HelpFileName() const;

    // What the lists show: one entry per item, one text per column.
    std::vector<TStrings> ProductTypeItems() const;
    std::vector<TStrings> WaveguideItems() const;
    std::vector<TStrings> FlangeAItems() const;
    std::vector<TStrings> FlangeBItems() const;
    std::vector<TStrings> CoaxItems() const;

    std::string WizardCaption() const;
    std::string UnitLabel() const;
    bool ScreenOneComplete() const;

    // Window events.
    void FormCreate(const std::string& programFolder);
    void FormClose();
    void btnNextClick();
    void btnBackClick();
    // True when the user confirmed that the program should end.
    bool btnFinishClick();
    void mnuResetSettingsClick();
    void mnuImperialClick();
    void mnuMetricClick();
    void cbxProductTypeChange(int index);
    void cbxWaveguideChange(int index);
    void cbxFlangeAChange(int index);
    void cbxFlangeBChange(int index);
    void cbxCoaxChange(int index);
    void cbxFinishChange(int index);

    // After every change of a choice: no part number until Create is pressed again.
    void RefreshSpecs();

private:
    void SetUnits(bool imperial);

    TUserPrompts& Prompts;
};

} // namespace cvn
