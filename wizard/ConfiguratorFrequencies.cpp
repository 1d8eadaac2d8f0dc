// The frequency choices: which bands a configuration is catalogued in, each with its
// VSWR. They are thrown away and built anew whenever a selection that decides them
// changes; the tables are read afresh each time so that edits take effect at once.

#include "wizard/Configurator.h"

#include "catalogue/Fixed.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"

#include <cstddef>

namespace cvn {

namespace {

// A row of Frequency.tbl as it stands in the file, with the VSWR appended as field 4.
std::string FrequencyLine(const TTxtTable& frequencies, int row, const std::string& vswr) {
    return frequencies.Lines[static_cast<std::size_t>(row)] + "|" + vswr;
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
    const TTxtTable frequencies = LoadDataTable("Frequency.tbl", Prompts);
    const TTxtTable vswr = LoadDataTable("WGVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string letter = FamilyField(1);
    TTxtTable rows;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, 2) != waveguide || vswr.GetField(r, 1) != letter) {
            continue;
        }
        const std::string band = vswr.GetField(r, 3);
        for (int s = 0; s < frequencies.RowCount(); ++s) {
            if (frequencies.GetField(s, 1) == waveguide && frequencies.GetField(s, 2) == band) {
                rows.Lines.push_back(FrequencyLine(frequencies, s, vswr.GetField(r, 4)));
            }
        }
    }
    BuildFrequencyChoices(rows, 2, 3, 4);
}

void TConfigurator::LoadFlexVSWR() {
    const TTxtTable frequencies = LoadDataTable("Frequency.tbl", Prompts);
    const TTxtTable vswr = LoadDataTable("FlexVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    TStrings breakpoints;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, 1) == waveguide) {
            breakpoints.push_back(vswr.GetField(r, 3));
        }
    }
    SortUnique(breakpoints);
    // A length beyond the last breakpoint has no VSWR in the catalogue: no choices, so
    // Create says that nothing matches instead of quoting another length's figures.
    const std::string breakpoint = FlexBreakpoint(std::move(breakpoints), Length.Text);
    TTxtTable rows;
    if (!breakpoint.empty()) {
        const double limit = StrToFloat(breakpoint);
        for (int r = 0; r < vswr.RowCount(); ++r) {
            if (vswr.GetField(r, 1) != waveguide || StrToFloat(vswr.GetField(r, 3)) != limit) {
                continue;
            }
            const std::string band = vswr.GetField(r, 2);
            for (int s = 0; s < frequencies.RowCount(); ++s) {
                if (frequencies.GetField(s, 1) == waveguide && frequencies.GetField(s, 2) == band) {
                    rows.Lines.push_back(FrequencyLine(frequencies, s, vswr.GetField(r, 4)));
                }
            }
        }
    }
    BuildFrequencyChoices(rows, 2, 3, 4);
}

void TConfigurator::LoadCoaxVSWR() {
    const TTxtTable frequencies = LoadDataTable("Frequency.tbl", Prompts);
    const TTxtTable vswr = LoadDataTable("CoaxVSWR.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string coax = CoaxCode();
    TTxtTable rows;
    for (int r = 0; r < vswr.RowCount(); ++r) {
        if (vswr.GetField(r, 1) != waveguide || vswr.GetField(r, 3) != coax) {
            continue;
        }
        for (int s = 0; s < frequencies.RowCount(); ++s) {
            if (frequencies.GetField(s, 1) == waveguide &&
                frequencies.GetField(s, 2) == vswr.GetField(r, 2)) {
                rows.Lines.push_back(FrequencyLine(frequencies, s, vswr.GetField(r, 4)));
            }
        }
    }
    SortUnique(rows.Lines);
    BuildFrequencyChoices(rows, 2, 3, 4);
}

void TConfigurator::LoadPressureWindowVSWR() {
    const TTxtTable windows = LoadDataTable("PressureWindows.tbl", Prompts);
    const TTxtTable frequencies = LoadDataTable("Frequency.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    const std::string flange = FlangeACode();
    TTxtTable rows;
    // Windows are catalogued for the full band only, written exactly "S".
    for (int s = 0; s < frequencies.RowCount(); ++s) {
        if (frequencies.GetField(s, 1) != waveguide || frequencies.GetField(s, 2) != "S") {
            continue;
        }
        for (int r = 0; r < windows.RowCount(); ++r) {
            if (windows.GetField(r, 1) == waveguide && windows.GetField(r, 2) == flange) {
                rows.Lines.push_back(FrequencyLine(frequencies, s, windows.GetField(r, 5)));
            }
        }
    }
    BuildFrequencyChoices(rows, 2, 3, 4);
}

void TConfigurator::LoadStepTwistFrequencies() {
    const TTxtTable table = LoadDataTable("StepTwist.tbl", Prompts);
    const std::string waveguide = WaveguideCode();
    TTxtTable rows;
    for (int r = 0; r < table.RowCount(); ++r) {
        if (table.GetField(r, 1) == waveguide) {
            rows.Lines.push_back(table.GetField(r, 1) + "|" + table.GetField(r, 2) + "|" +
                                 table.GetField(r, 3) + "|" + table.GetField(r, 4));
        }
    }
    BuildFrequencyChoices(rows, 2, 3, 4);
}

void TConfigurator::AddFrequencyChoice(const TTxtTable& rows, int row, int bandColumn,
                                       int rangeColumn, int vswrColumn, int top) {
    TFrequencyChoice choice;
    choice.FreqWaveguide = rows.GetField(row, 1);
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
