#pragma once

#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cvn {

// True while the wizard is being set up from a typed part number: the selection
// handlers then leave the choosing to that set-up instead of restoring earlier choices.
extern bool ApplyingPartNumber;

// The texts one frequency choice carries on screen 2, and where the window places it
// inside the frequency box (pixels from its top; the left edge is fixed).
struct TFrequencyChoice {
    std::string FreqWaveguide;
    std::string FreqBand;
    std::string FreqRange;
    std::string FreqVSWR;
    int Top = 0;

    std::string Caption() const { return FreqRange + " / VSWR: " + FreqVSWR; }
};

// "Wide Band" or "Narrow Band" over the choices of that kind.
struct TFrequencyLabel {
    std::string Caption;
    int Top = 0;
};

// Where the frequency labels and choices stand inside the frequency box.
namespace FrequencyLayout {
constexpr int FirstTop = 16;
constexpr int Step = 16;
constexpr int LabelLeft = 8;
constexpr int ChoiceLeft = 15;
constexpr int ChoiceWidth = 170;
} // namespace FrequencyLayout

// The description grid: 4 columns (margin, code, label, value) by 11 rows.
constexpr int SpecGridCols = 4;
constexpr int SpecGridRows = 11;
using TSpecGrid = std::array<std::array<std::string, SpecGridCols>, SpecGridRows>;

// A length list that holds an inch list and a millimetre list; the visible items are
// always the list of the unit in force. Text is what the box shows: the chosen item,
// or what the user typed into an editable list.
struct TLengthList {
    TStrings ImperialItems;
    TStrings MetricItems;
    int ItemIndex = -1;
    std::string Text;
    bool Editable = false; // a length can be typed, not only picked
    bool Enabled = true;

    const TStrings& Items() const;
    void ClearAllItems();
    // Chooses a visible item (-1: none) and shows its text.
    void Select(int index);
    // Chooses the visible item that reads exactly text; none when there is no such item.
    void SelectText(const std::string& text);
};

// The three length lists of screen 1, as the handlers that they share name them.
enum class TLengthBox { Length, LegA, LegB };

// The main window's state and rules, without the window: what each list holds and
// which item is chosen, captions and enabled states, pictures, the screen shown, the
// unit system and the settings file. The window forwards every user event to the
// method of the same name and then shows the state; it decides nothing itself. When
// a handler chooses an item itself it runs that list's handler, as the window would.
// Texts are the catalogue's Windows-1252 bytes.
class TConfigurator {
public:
    explicit TConfigurator(TUserPrompts& prompts);

    // Tables owned for the window's life; item i of a list shows row i of its table.
    TTxtTable FamilyTable;
    TTxtTable FlangeTable;
    TTxtTable WaveguideList;
    TTxtTable DimensionsTable;
    TTxtTable FlangeAList;
    TTxtTable FlangeBList; // the coax types for the coax transition
    TTxtTable OrderLines;
    int WaveguideNameColumn = WGSizeColumn::WR;
    // Top to bottom; exactly one is selected whenever there are any.
    std::vector<TFrequencyChoice> FrequencyChoices;
    std::vector<TFrequencyLabel> FrequencyLabels;
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
    bool FinishEnabled = true;

    // Column widths of the waveguide list, the width of its open list and the captions
    // over its columns. A tapered transition's list shows the pair's name and sizes
    // where the others show the WR and US military names.
    std::vector<int> WaveguideColumnWidths{30, 60, 60, 60, 60};
    int WaveguideDropWidth = 260;
    TStrings WaveguideCaptions{" Code", " WR", " US Military", " British", " IEC"};

    // The flange groups: captions, and which of the flange B list and the coax list
    // (each with its column captions) lies in front and can be used.
    std::string FlangeACaption = " Flange A ";
    std::string FlangeBCaption = " Flange B ";
    bool FlangeBEnabled = true;     // cbxFlangeB
    bool CoaxEnabled = true;        // cbxCoax
    bool CoaxInFront = false;       // cbxCoax and lblCoaxType over cbxFlangeB and its captions
    bool CodeCaptionEnabled = true; // lblCode
    bool FlangeTypeCaptionEnabled = true; // lblFlangeType
    bool ModelCaptionEnabled = true;      // lblModel
    bool CoaxTypeCaptionEnabled = true;   // lblCoaxType

    // The length group: page 0 one length list, 1 a preset length, 2 two leg lists.
    int LengthPage = 1;
    TLengthList Length;
    TLengthList LegALength;
    TLengthList LegBLength;
    std::string LengthText; // the read-only preset length
    bool FlangeAdaptorChecked = false;
    bool FlangeAdaptorVisible = false;
    // Set by the check of a typed length: the list that takes the focus back.
    std::optional<TLengthBox> FocusBackTo;

    // Picture files in the Images folder; empty clears the picture.
    std::string PhotoPicture;
    std::string LengthPicture;
    std::string FlangeAPicture;
    std::string FlangeBPicture;

    // grdSpecs: SpecGrid[row][column].
    TSpecGrid SpecGrid;

    std::string PartNumber;
    bool AddOrderEnabled = false;
    bool ViewSpecsEnabled = false;
    int Screen = 1; // 1 or 2
    bool ImperialChecked = false;
    bool MetricChecked = false;
    bool HelpEnabled = false;

    std::string SettingsFileName() const;
    // The user guide page beside the program, which Help opens; Help is enabled only
    // when it is there.
    std::string HelpFileName() const;

    // What the lists show: one entry per item, one text per column.
    std::vector<TStrings> ProductTypeItems() const;
    std::vector<TStrings> WaveguideItems() const;
    std::vector<TStrings> FlangeAItems() const;
    std::vector<TStrings> FlangeBItems() const;
    std::vector<TStrings> CoaxItems() const;

    TLengthList& LengthList(TLengthBox box);
    // The selected frequency choice; null while there is none.
    const TFrequencyChoice* SelectedFrequencyChoice() const;
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
    // A length list gains the focus, and loses it with text in its box.
    void cbxLengthEnter(TLengthBox box);
    void cbxLengthExit(TLengthBox box, const std::string& text);
    // An item was picked (index) or a length typed (index as the box has it).
    void cbxLengthChange(int index, const std::string& text);
    void cbxLegALengthChange(int index, const std::string& text);
    void cbxLegBLengthChange(int index, const std::string& text);
    // The change handler of whichever of the three length lists box names.
    void LengthChange(TLengthBox box, int index, const std::string& text);
    // A keystroke in an editable length list: the grid follows the text, but nothing is
    // said about it until the list is left (cbxLengthExit); a message box in the middle
    // of typing would take the keys that follow.
    void LengthTyped(TLengthBox box, int index, const std::string& text);
    void chkFlangeAdaptorClick(bool checked);
    void cbxFinishChange(int index);
    // A click on frequency choice index: it alone is selected.
    void FrequencyChoiceClick(int index);
    void btnOtherFreqRangesClick();
    void btnCreateClick();

    // After every change of a choice: the description grid rewritten, and no part
    // number until Create is pressed again.
    void RefreshSpecs();
    // The one-line description that goes with the part number into the order.
    std::string DescribeConfiguration() const;

    // The digits a listed length contributes to the part number: four for the straight
    // section and the flexible twist, three for the legs. A text that is no whole number
    // once its point is gone is reported and gives the empty text.
    std::string LengthCode(const std::string& text, int family);
    std::string FinishCode() const;
    // Exchanges the characters at the 1-based positions i < j when the one at i is the
    // higher: the lower flange code goes first.
    static void OrderFlangeCodes(std::string& partNumber, int i, int j);

private:
    // Selection lists (ConfiguratorSelection.cpp).
    void LoadWaveguideList(int family);
    void ClearWaveguideChoices();
    void ShowFamily(int family);
    void SetUpForWaveguide(int family, const std::string& code);
    void RestoreFlanges(int family, const std::optional<std::string>& flangeA,
                        const std::optional<std::string>& flangeB);
    void FlangesByWaveguide(TTxtTable& list, const std::string& code);
    void CoaxTypes(const std::string& code);
    void PressureWindowFlanges(const std::string& code);
    void StepTwistFlanges(const std::string& code);
    std::vector<int> FlangeRowsOf(const std::string& code) const;
    std::string FamilyField(int column) const;
    std::string WaveguideCode() const;

    // Lengths and units (ConfiguratorLengths.cpp).
    void SetLengthPage(int family);
    void FillLengthList(TLengthList& list);
    void FillFlexibleLengths();
    void ShowPresetLength();
    void ShowStepTwistLength();
    void SetUnits(bool imperial);
    void ConvertShownLengths();

    // The finish preset, the part number and the description grid
    // (ConfiguratorCompose.cpp).
    void SetFinishForFamily(int family);
    void ComposePartNumber(int family);
    void ComposeFromSelections(int family);
    void StepTwistPartNumber();
    void PressureWindowPartNumber();
    TDialogResult ConfirmTapered(const std::string& message);
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2);
    void ClearSpecGrid();
    void FillSpecGrid(int family);
    std::string FlangeACode() const;
    std::string FlangeBCode() const;
    std::string CoaxCode() const;
    std::string WaveguideName() const;

    // The frequency choices, rebuilt where the selections decide them
    // (ConfiguratorFrequencies.cpp).
    void LoadWaveguideVSWR();
    void LoadFlexVSWR();
    void LoadCoaxVSWR();
    void LoadPressureWindowVSWR();
    void LoadStepTwistFrequencies();
    void BuildFrequencyChoices(TTxtTable& rows, int bandColumn, int rangeColumn, int vswrColumn);
    void ClearFrequencyChoices();
    void AddFrequencyChoice(const TTxtTable& rows, int row, int bandColumn, int rangeColumn,
                            int vswrColumn, int top);

    TUserPrompts& Prompts;
    // While a length is being typed: its code, when it has none, is not reported.
    bool TypingLength = false;
};

} // namespace cvn
