// The frequency choices: which bands a configuration is catalogued in, each with its
// VSWR. They are thrown away and built anew whenever a selection that decides them
// changes; the tables are read afresh each time so that edits take effect at once.

#include "wizard/Configurator.h"

#include "catalogue/FieldTable.h"
#include "catalogue/Fixed.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <cstddef>

namespace cvn {

namespace {

// A row of Frequency.tbl as it stands in the file, with the VSWR appended as field 4.
std::string FrequencyLine(const TFieldTable& frequencies, int row, std::string_view vswr) {
    std::string line(frequencies.Line(row));
    line += '|';
    line += vswr;
    return line;
}

// The rows of Frequency.tbl for the size, in table order: every band is looked up
// among these instead of the whole table.
std::vector<int> FrequencyRowsOf(const TFieldTable& frequencies, const std::string& waveguide) {
    std::vector<int> rows;
    for (int s = 0; s < frequencies.RowCount(); ++s) {
        if (frequencies.GetField(s, FrequencyColumn::Waveguide) == waveguide) {
            rows.push_back(s);
        }
    }
    return rows;
}

// Appends the size's frequency rows of the band, in table order, each with the VSWR.
void AddBandRows(TTxtTable& rows, const TFieldTable& frequencies, const std::vector<int>& ofSize,
                 std::string_view band, std::string_view vswr) {
    for (const int s : ofSize) {
        if (frequencies.GetField(s, FrequencyColumn::Band) == band) {
            rows.Lines.push_back(FrequencyLine(frequencies, s, vswr));
        }
    }
}

// The flexible-twist breakpoint that applies to a length: the smallest breakpoint not
// below it. Empty when the length is no number or lies beyond the last breakpoint.
std::string FlexBreakpoint(TStrings breakpoints, const std::string& lengthText) {
    if (!IsNumber(lengthText)) {
        return {};
    }
    const std::string key =
        IsImperial ? lengthText : FormatInches(MmToInches(StrToFloat(lengthText)));
    const double value = StrToFloat(key);
    breakpoints.push_back(key);
    // Equal values keep their order, so a key equal to a breakpoint lands after it.
    SortNumeric(breakpoints);
    for (std::size_t i = 0; i < breakpoints.size(); ++i) {
        if (StrToFloat(breakpoints[i]) == value) {
            return i + 1 < breakpoints.size() ? breakpoints[i + 1] : std::string();
        }
    }
    return {};
}

} // namespace

void TConfigurator::LoadWaveguideVSWR() {
    const TFieldTable frequencies = LoadFieldTable("Frequency.tbl", Prompts);
    const TFieldTable vswr = LoadFieldTable("WGVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string letter = FamilyField(FamilyColumn::Letter);
    const std::vector<int> ofSize = FrequencyRowsOf(frequencies, waveguide);
    TTxtTable rows;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, WGVSWRColumn::Waveguide) == waveguide &&
            vswr.GetField(r, WGVSWRColumn::Letter) == letter) {
            AddBandRows(rows, frequencies, ofSize, vswr.GetField(r, WGVSWRColumn::Band),
                        vswr.GetField(r, WGVSWRColumn::Vswr));
        }
    }
    BuildFrequencyChoices(rows, FrequencyColumn::Band, FrequencyColumn::Range,
                          FrequencyColumn::Vswr);
}

void TConfigurator::LoadFlexVSWR() {
    const TFieldTable frequencies = LoadFieldTable("Frequency.tbl", Prompts);
    const TFieldTable vswr = LoadFieldTable("FlexVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    TStrings breakpoints;
    std::vector<int> ofWaveguide;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, FlexVSWRColumn::Waveguide) == waveguide) {
            breakpoints.emplace_back(vswr.GetField(r, FlexVSWRColumn::Breakpoint));
            ofWaveguide.push_back(r);
        }
    }
    SortUnique(breakpoints);
    // A length beyond the last breakpoint has no VSWR in the catalogue: no choices, so
    // Create says that nothing matches instead of quoting another length's figures.
    const std::string breakpoint = FlexBreakpoint(std::move(breakpoints), Length.Text);
    TTxtTable rows;
    if (!breakpoint.empty()) {
        const double limit = StrToFloat(breakpoint);
        const std::vector<int> ofSize = FrequencyRowsOf(frequencies, waveguide);
        for (const int r : ofWaveguide) {
            if (StrToFloat(vswr.GetField(r, FlexVSWRColumn::Breakpoint)) == limit) {
                AddBandRows(rows, frequencies, ofSize, vswr.GetField(r, FlexVSWRColumn::Band),
                            vswr.GetField(r, FlexVSWRColumn::Vswr));
            }
        }
    }
    BuildFrequencyChoices(rows, FrequencyColumn::Band, FrequencyColumn::Range,
                          FrequencyColumn::Vswr);
}

void TConfigurator::LoadCoaxVSWR() {
    const TFieldTable frequencies = LoadFieldTable("Frequency.tbl", Prompts);
    const TFieldTable vswr = LoadFieldTable("CoaxVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string coax = CoaxCode();
    const std::vector<int> ofSize = FrequencyRowsOf(frequencies, waveguide);
    TTxtTable rows;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, CoaxVSWRColumn::Waveguide) == waveguide &&
            vswr.GetField(r, CoaxVSWRColumn::Coax) == coax) {
            AddBandRows(rows, frequencies, ofSize, vswr.GetField(r, CoaxVSWRColumn::Band),
                        vswr.GetField(r, CoaxVSWRColumn::Vswr));
        }
    }
    SortUnique(rows.Lines);
    BuildFrequencyChoices(rows, FrequencyColumn::Band, FrequencyColumn::Range,
                          FrequencyColumn::Vswr);
}

void TConfigurator::LoadPressureWindowVSWR() {
    const TFieldTable windows = LoadFieldTable("PressureWindows.tbl", Prompts);
    const TFieldTable frequencies = LoadFieldTable("Frequency.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string flange = FlangeACode();
    std::vector<int> fitting;
    for (int r = 0; r < windows.RowCount(); ++r) {
        if (windows.GetField(r, PressureWindowColumn::Waveguide) == waveguide &&
            windows.GetField(r, PressureWindowColumn::Flange) == flange) {
            fitting.push_back(r);
        }
    }
    TTxtTable rows;
    // Windows are catalogued for the full band only, written exactly "S".
    for (int s = 0; s < frequencies.RowCount(); ++s) {
        if (frequencies.GetField(s, FrequencyColumn::Waveguide) != waveguide ||
            frequencies.GetField(s, FrequencyColumn::Band) != "S") {
            continue;
        }
        for (const int r : fitting) {
            rows.Lines.push_back(
                FrequencyLine(frequencies, s, windows.GetField(r, PressureWindowColumn::Vswr)));
        }
    }
    BuildFrequencyChoices(rows, FrequencyColumn::Band, FrequencyColumn::Range,
                          FrequencyColumn::Vswr);
}

void TConfigurator::LoadStepTwistFrequencies() {
    const TFieldTable table = LoadFieldTable("StepTwist.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    TTxtTable rows;
    for (int r = 0; r < table.RowCount(); ++r) {
        if (table.GetField(r, StepTwistColumn::Waveguide) == waveguide) {
            std::string line(table.GetField(r, StepTwistColumn::Waveguide));
            for (int c = StepTwistColumn::Band; c <= StepTwistColumn::Vswr; ++c) {
                line += '|';
                line += table.GetField(r, c);
            }
            rows.Lines.push_back(std::move(line));
        }
    }
    BuildFrequencyChoices(rows, FrequencyColumn::Band, FrequencyColumn::Range,
                          FrequencyColumn::Vswr);
}

void TConfigurator::AddFrequencyChoice(const TTxtTable& rows, int row, int bandColumn,
                                       int rangeColumn, int vswrColumn, int top) {
    TFrequencyChoice choice;
    choice.FreqWaveguide = rows.GetField(row, FrequencyColumn::Waveguide);
    choice.FreqBand = rows.GetField(row, bandColumn);
    choice.FreqRange = rows.GetField(row, rangeColumn);
    choice.FreqVSWR = rows.GetField(row, vswrColumn);
    choice.Top = top;
    FrequencyChoices.push_back(std::move(choice));
}

void TConfigurator::BuildFrequencyChoices(TTxtTable& rows, int bandColumn, int rangeColumn,
                                          int vswrColumn) {
    const TFrequencyChoice* selected = SelectedFrequencyChoice();
    const std::string band = selected ? selected->FreqBand : std::string();
    ClearFrequencyChoices();

    int y = FrequencyLayout::FirstTop;
    FrequencyChoices.reserve(static_cast<std::size_t>(rows.RowCount()));
    for (int r = 0; r < rows.RowCount(); ++r) {
        if (UpperCase(rows.GetField(r, bandColumn)) == "S") {
            FrequencyLabels.push_back({"Wide Band", y});
            y += FrequencyLayout::Step;
            AddFrequencyChoice(rows, r, bandColumn, rangeColumn, vswrColumn, y);
            y += FrequencyLayout::Step;
            rows.Lines.erase(rows.Lines.begin() + r);
            break;
        }
    }
    if (rows.RowCount() > 0) {
        FrequencyLabels.push_back({"Narrow Band", y});
        y += FrequencyLayout::Step;
        for (int r = 0; r < rows.RowCount(); ++r) {
            AddFrequencyChoice(rows, r, bandColumn, rangeColumn, vswrColumn, y);
            y += FrequencyLayout::Step;
        }
    }

    if (FrequencyChoices.empty()) {
        return;
    }
    int chosen = 0;
    for (std::size_t i = 0; i < FrequencyChoices.size(); ++i) {
        if (FrequencyChoices[i].FreqBand == band) {
            chosen = static_cast<int>(i);
            break;
        }
    }
    FrequencyChoiceClick(chosen);
}

const TFrequencyChoice* TConfigurator::SelectedFrequencyChoice() const {
    if (SelectedFrequency < 0 || SelectedFrequency >= static_cast<int>(FrequencyChoices.size())) {
        return nullptr;
    }
    return &FrequencyChoices[static_cast<std::size_t>(SelectedFrequency)];
}

void TConfigurator::ClearFrequencyChoices() {
    FrequencyChoices.clear();
    FrequencyLabels.clear();
    SelectedFrequency = -1;
}

void TConfigurator::FrequencyChoiceClick(int index) {
    const TTableReadScope tables;
    if (index < 0 || index >= static_cast<int>(FrequencyChoices.size())) {
        return;
    }
    SelectedFrequency = index;
    RefreshSpecs();
}

void TConfigurator::btnOtherFreqRangesClick() {
    Prompts.Information("Other frequency ranges are available by special quote.\rPlease "
                        "contact your Brenmoor represantative for details.");
}

} // namespace cvn
