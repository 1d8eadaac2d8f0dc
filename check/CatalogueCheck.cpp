#include "check/CatalogueCheck.h"

#include "catalogue/Errors.h"
#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/Files.h"
#include "catalogue/Fixed.h"
#include "catalogue/FrequencyRange.h"
#include "catalogue/LengthLists.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "check/ConversionCheck.h"

#include <map>
#include <set>
#include <unordered_map>

namespace cvn {

namespace {

// Shows nothing: the check reads the tables itself and reports what it finds.
class TSilentPrompts : public TUserPrompts {
public:
    void Information(const std::string&) override {}
    void Error(const std::string&) override {}
    bool YesNo(const std::string&) override { return false; }
    TDialogResult ConfirmTapered(const std::string&) override { return TDialogResult::Cancel; }
    TDialogResult ConfirmSwap(const std::string&, const std::string&) override {
        return TDialogResult::Cancel;
    }
};

enum class TNum { Money, Integer, Decimal };

class TChecker {
public:
    std::vector<TCatalogueProblem> Problems;

    void Run() {
        CheckNumbers();
        CheckReferences();
        for (int f = 0; f < FamilyType::Count; ++f) {
            CheckFamily(f);
        }
        for (const auto& [where, codes] : BeyondBreakpoint) {
            std::string list;
            for (const std::string& code : codes) {
                list += (list.empty() ? "" : ", ") + code;
            }
            const TTxtTable& t = T(where.first);
            Report(where.first, where.second,
                   "length " + t.GetField(where.second, FlexLengthsColumn::Length) +
                       " lies beyond the largest breakpoint of waveguide " + list);
        }
        CheckPictures();
        CheckConversions();
        CheckFormulaTexts();
    }

private:
    std::map<std::string, TTxtTable> Tables;
    std::map<std::pair<std::string, int>, std::vector<std::string>> BeyondBreakpoint;
    std::set<std::string> Unreadable;
    // The conversion messages of values already reported where they stand.
    std::set<std::string> KnownErrors;
    TSilentPrompts Silent;
    // Rows of a table by the trimmed value of one column, in table order. Each size
    // looks up its own rows, so one pass per (table, column) replaces a scan per size;
    // the index lives only as long as this check run, like the tables it points into.
    std::map<std::pair<std::string, int>, std::unordered_map<std::string_view, std::vector<int>>>
        Indexes;

    const TTxtTable& T(const std::string& name) {
        auto it = Tables.find(name);
        if (it != Tables.end()) {
            return it->second;
        }
        std::string bytes, error;
        TTxtTable table;
        if (!ReadTableFile(DataPath + name, bytes, error)) {
            Report(name, -2, "cannot be read: " + error);
            Unreadable.insert(name);
        } else {
            table.Lines = SplitLines(bytes);
            table.DeleteHeader();
        }
        return Tables.emplace(name, std::move(table)).first->second;
    }

    // row is the data row (header dropped); -2 reports against the file as a whole.
    void Report(const std::string& file, int row, const std::string& problem) {
        Problems.push_back({file, row + 2, problem});
    }

    bool Number(const std::string& file, int row, int column, TNum kind, double* out = nullptr) {
        const std::string text = T(file).GetField(row, column);
        double value = 0;
        bool ok = false;
        switch (kind) {
        case TNum::Money: {
            TFixed f;
            ok = TFixed::TryParse(text, f);
            value = f.ToDouble();
            break;
        }
        case TNum::Integer: {
            int i = 0;
            ok = TryStrToInt(text, i);
            value = i;
            break;
        }
        case TNum::Decimal:
            ok = TryStrToFloat(text, value);
            break;
        }
        if (!ok) {
            // The same value met again while configuring is the same problem.
            KnownErrors.insert("'" + Quoted(text) + "' is not a valid floating point value");
            KnownErrors.insert("'" + Quoted(text) + "' is not a valid integer value");
            Report(file, row,
                   "column " + std::to_string(column) + ": '" + Quoted(text) + "' is not a " +
                       (kind == TNum::Integer ? "whole number" : "number"));
        } else if (kind == TNum::Money && value < 0) {
            Report(file, row,
                   "column " + std::to_string(column) + ": price " + text + " is negative");
        } else if (out) {
            *out = value;
        }
        return ok;
    }

    void Columns(const std::string& file, std::initializer_list<std::pair<int, TNum>> columns) {
        const TTxtTable& t = T(file);
        for (int r = 0; r < t.RowCount(); ++r) {
            for (const auto& [column, kind] : columns) {
                Number(file, r, column, kind);
            }
        }
    }

    void CheckNumbers() {
        const TTxtTable& family = T("Family.tbl");
        for (int r = 0; r < family.RowCount(); ++r) {
            for (int c : {FamilyColumn::InchStep, FamilyColumn::MmStep}) {
                double step = 0;
                if (Number("Family.tbl", r, c, TNum::Decimal, &step) && step <= 0) {
                    Report("Family.tbl", r,
                           "column " + std::to_string(c) +
                               ": a length step must be greater than zero");
                }
            }
        }
        const TTxtTable& dims = T("Dimensions.tbl");
        for (int r = 0; r < dims.RowCount(); ++r) {
            double v[DimensionsColumn::DefaultMm + 1] = {};
            bool ok = true;
            for (int c = DimensionsColumn::MinInches; c <= DimensionsColumn::DefaultMm; ++c) {
                ok = Number("Dimensions.tbl", r, c, TNum::Decimal, &v[c]) && ok;
            }
            if (ok && v[DimensionsColumn::MinInches] > v[DimensionsColumn::MaxInches]) {
                Report("Dimensions.tbl", r, "the shortest length is longer than the longest");
            }
            try {
                CheckLengthRange(dims, r);
            } catch (const EConvertError& e) {
                Report("Dimensions.tbl", r, e.what());
            }
        }
        Columns("FlexSpecs.tbl", {{FlexSpecsColumn::DefaultInches, TNum::Decimal},
                                  {FlexSpecsColumn::DefaultMm, TNum::Decimal}});
        Columns("FlexImperialLengths.tbl", {{FlexLengthsColumn::Length, TNum::Decimal}});
        Columns("FlexMetricLengths.tbl", {{FlexLengthsColumn::Length, TNum::Decimal}});
        Columns("FlexVSWR.tbl", {{FlexVSWRColumn::Breakpoint, TNum::Decimal}});
        Columns("StepTwist.tbl", {{StepTwistColumn::Length, TNum::Decimal}});
        Columns("CoaxPrice.tbl", {{CoaxTwistPriceColumn::Price, TNum::Money},
                                  {CoaxTwistPriceColumn::MaxQuantity, TNum::Integer}});
        Columns("RigidTwistPrice.tbl", {{CoaxTwistPriceColumn::Price, TNum::Money},
                                        {CoaxTwistPriceColumn::MaxQuantity, TNum::Integer},
                                        {CoaxTwistPriceColumn::GraySurcharge, TNum::Money}});
        Columns("EBendPrice.tbl", {{BendPriceColumn::Price, TNum::Money},
                                   {BendPriceColumn::MaxQuantity, TNum::Integer}});
        Columns("HBendPrice.tbl", {{BendPriceColumn::Price, TNum::Money},
                                   {BendPriceColumn::MaxQuantity, TNum::Integer}});
        Columns("FlexTwistPrice.tbl", {{FlexPriceColumn::Price, TNum::Money},
                                       {FlexPriceColumn::MaxQuantity, TNum::Integer}});
        Columns("MiterBendPrice.tbl", {{MiterPriceColumn::BasePrice, TNum::Money},
                                       {MiterPriceColumn::MaxQuantity, TNum::Integer},
                                       {MiterPriceColumn::LongLegSurcharge, TNum::Money},
                                       {MiterPriceColumn::GraySurcharge, TNum::Money},
                                       {MiterPriceColumn::BandSurcharge, TNum::Money},
                                       {MiterPriceColumn::LegThreshold, TNum::Decimal}});
        Columns("StraightSectionPrice.tbl", {{StraightPriceColumn::BasePrice, TNum::Money},
                                             {StraightPriceColumn::PerFoot, TNum::Money},
                                             {StraightPriceColumn::GraySurcharge, TNum::Money},
                                             {StraightPriceColumn::MaxQuantity, TNum::Integer}});
        Columns("StepTwistPrice.tbl", {{StepTwistPriceColumn::Price, TNum::Money}});
        Columns("TaperedTransitionPrice.tbl", {{TaperPriceColumn::Price, TNum::Money},
                                               {TaperPriceColumn::MaxQuantity, TNum::Integer},
                                               {TaperPriceColumn::GraySurcharge, TNum::Money}});
    }

    const std::vector<int>& RowsWith(const std::string& file, int column, std::string_view value) {
        static const std::vector<int> none;
        auto [index, added] = Indexes.try_emplace({file, column});
        if (added) {
            const TTxtTable& t = T(file);
            for (int r = 0; r < t.RowCount(); ++r) {
                index->second[t.FieldView(r, column)].push_back(r);
            }
        }
        const auto rows = index->second.find(value);
        return rows == index->second.end() ? none : rows->second;
    }

    // The first row matching every key, found through the first key's index; -1 if none.
    int FirstRow(const std::string& file,
                 std::initializer_list<std::pair<int, std::string_view>> keys) {
        const TTxtTable& t = T(file);
        const auto& [column, key] = *keys.begin();
        for (const int r : RowsWith(file, column, key)) {
            bool all = true;
            for (auto more = keys.begin() + 1; all && more != keys.end(); ++more) {
                all = t.FieldView(r, more->first) == more->second;
            }
            if (all) {
                return r;
            }
        }
        return -1;
    }

    bool HasRow(const std::string& file,
                std::initializer_list<std::pair<int, std::string_view>> keys) {
        return FirstRow(file, keys) >= 0;
    }

    void Need(bool ok, const std::string& file, int row, const std::string& problem) {
        if (!ok) {
            Report(file, row, problem);
        }
    }

    bool IsWaveguide(const std::string& code) {
        return HasRow("WGSize.tbl", {{WGSizeColumn::Code, code}});
    }

    bool IsFamilyLetter(const std::string& letter) {
        return !letter.empty() && HasRow("Family.tbl", {{FamilyColumn::Letter, letter}});
    }

    void CheckReferences() {
        const TTxtTable& family = T("Family.tbl");
        if (family.RowCount() != FamilyType::Count && !Unreadable.count("Family.tbl")) {
            Report("Family.tbl", -2,
                   "has " + std::to_string(family.RowCount()) +
                       " families, the program numbers 11");
        }
        for (int f = 0; f < family.RowCount() && f < FamilyType::Count; ++f) {
            const std::string letter = family.GetField(f, FamilyColumn::Letter);
            const bool tableDefined = f == FamilyType::PressureWindow || f == FamilyType::StepTwist;
            const int classedAs =
                letter.size() == 1 ? FamilyTypeOfLetter(letter[0]) : FamilyType::Unknown;
            if (!tableDefined && classedAs != f) {
                std::string expected;
                for (char c = 'A'; c <= 'Z'; ++c) {
                    if (FamilyTypeOfLetter(c) == f) {
                        expected = c;
                    }
                }
                Report("Family.tbl", f,
                       "family " + std::to_string(f) + " must have the letter " + expected +
                           ", not '" + letter + "'");
            } else if (tableDefined && classedAs != FamilyType::Unknown) {
                Report("Family.tbl", f, "letter '" + letter + "' belongs to another family");
            }
        }
        const TTxtTable& sizes = T("WGSize.tbl");
        std::set<std::string> seen;
        for (int r = 0; r < sizes.RowCount(); ++r) {
            const std::string code = sizes.GetField(r, WGSizeColumn::Code);
            Need(code.size() == 3, "WGSize.tbl", r,
                 "waveguide code '" + code + "' is not 3 characters");
            Need(seen.insert(code).second, "WGSize.tbl", r,
                 "waveguide code " + code + " is listed twice");
        }
        auto wg = [&](const std::string& file, int column) {
            const TTxtTable& t = T(file);
            for (int r = 0; r < t.RowCount(); ++r) {
                const std::string code = t.GetField(r, column);
                Need(IsWaveguide(code), file, r, "waveguide " + code + " is not in WGSize.tbl");
            }
        };
        auto band = [&](const std::string& file, int wgColumn, int bandColumn) {
            const TTxtTable& t = T(file);
            for (int r = 0; r < t.RowCount(); ++r) {
                const std::string code = t.GetField(r, wgColumn);
                const std::string b = t.GetField(r, bandColumn);
                Need(b.size() == 1, file, r, "band '" + b + "' is not one character");
                Need(HasRow("Frequency.tbl",
                            {{FrequencyColumn::Waveguide, code}, {FrequencyColumn::Band, b}}),
                     file, r, "waveguide " + code + " band " + b + " has no row in Frequency.tbl");
            }
        };
        const TTxtTable& flanges = T("Flange.tbl");
        for (int r = 0; r < flanges.RowCount(); ++r) {
            Need(flanges.GetField(r, FlangeColumn::Code).size() == 1, "Flange.tbl", r,
                 "flange code is not one character");
        }
        wg("Flange.tbl", FlangeColumn::Waveguide);
        wg("Frequency.tbl", FrequencyColumn::Waveguide);
        const TTxtTable& freq = T("Frequency.tbl");
        for (int r = 0; r < freq.RowCount(); ++r) {
            TStrings fields;
            freq.SplitRow(r, fields);
            Need(fields.size() == 3, "Frequency.tbl", r,
                 "has " + std::to_string(fields.size()) +
                     " fields; the VSWR is appended as the fourth");
            Need(freq.GetField(r, FrequencyColumn::Band).size() == 1, "Frequency.tbl", r,
                 "band is not one character");
            const std::string range = freq.GetField(r, FrequencyColumn::Range);
            Need(ParseFrequencyRange(range).has_value(), "Frequency.tbl", r,
                 "range '" + range + "' cannot be read as \"a-b GHz\"");
        }
        const TTxtTable& wgvswr = T("WGVSWR.tbl");
        for (int r = 0; r < wgvswr.RowCount(); ++r) {
            Need(IsFamilyLetter(wgvswr.GetField(r, WGVSWRColumn::Letter)), "WGVSWR.tbl", r,
                 "family letter '" + wgvswr.GetField(r, WGVSWRColumn::Letter) +
                     "' is not in Family.tbl");
        }
        wg("WGVSWR.tbl", WGVSWRColumn::Waveguide);
        band("WGVSWR.tbl", WGVSWRColumn::Waveguide, WGVSWRColumn::Band);
        wg("FlexVSWR.tbl", FlexVSWRColumn::Waveguide);
        band("FlexVSWR.tbl", FlexVSWRColumn::Waveguide, FlexVSWRColumn::Band);
        wg("CoaxVSWR.tbl", CoaxVSWRColumn::Waveguide);
        band("CoaxVSWR.tbl", CoaxVSWRColumn::Waveguide, CoaxVSWRColumn::Band);
        const TTxtTable& coaxVswr = T("CoaxVSWR.tbl");
        for (int r = 0; r < coaxVswr.RowCount(); ++r) {
            const std::string coax = coaxVswr.GetField(r, CoaxVSWRColumn::Coax);
            Need(HasRow("CoaxType.tbl", {{CoaxTypeColumn::Code, coax}}), "CoaxVSWR.tbl", r,
                 "coax type " + coax + " is not in CoaxType.tbl");
        }
        wg("PressureWindows.tbl", PressureWindowColumn::Waveguide);
        const TTxtTable& windows = T("PressureWindows.tbl");
        for (int r = 0; r < windows.RowCount(); ++r) {
            const std::string code = windows.GetField(r, PressureWindowColumn::Waveguide);
            const std::string flange = windows.GetField(r, PressureWindowColumn::Flange);
            Need(HasRow("Flange.tbl",
                        {{FlangeColumn::Code, flange}, {FlangeColumn::Waveguide, code}}),
                 "PressureWindows.tbl", r,
                 "flange " + flange + " for waveguide " + code + " is not in Flange.tbl");
            Need(HasRow("Frequency.tbl",
                        {{FrequencyColumn::Waveguide, code}, {FrequencyColumn::Band, "S"}}),
                 "PressureWindows.tbl", r,
                 "waveguide " + code + " has no band S row in Frequency.tbl");
            CheckPartNumberStart("PressureWindows.tbl", r,
                                 windows.GetField(r, PressureWindowColumn::PartNumber));
        }
        const TTxtTable& stepFlanges = T("StepFlange.tbl");
        for (int r = 0; r < stepFlanges.RowCount(); ++r) {
            const std::string flange = stepFlanges.GetField(r, StepFlangeColumn::Flange);
            const std::string code = stepFlanges.GetField(r, StepFlangeColumn::Waveguide);
            Need(HasRow("Flange.tbl",
                        {{FlangeColumn::Code, flange}, {FlangeColumn::Waveguide, code}}),
                 "StepFlange.tbl", r,
                 "flange " + flange + " for waveguide " + code + " is not in Flange.tbl");
        }
        wg("StepTwist.tbl", StepTwistColumn::Waveguide);
        const TTxtTable& steps = T("StepTwist.tbl");
        for (int r = 0; r < steps.RowCount(); ++r) {
            const std::string part = steps.GetField(r, StepTwistColumn::PartNumber);
            CheckPartNumberStart("StepTwist.tbl", r, part);
            Need(PartField(part, FamilyType::StepTwist, PartFieldNo::BeforeLast) ==
                     steps.GetField(r, StepTwistColumn::Waveguide),
                 "StepTwist.tbl", r,
                 "part number " + part + " does not carry waveguide " +
                     steps.GetField(r, StepTwistColumn::Waveguide) + " before its last character");
            Need(steps.GetField(r, StepTwistColumn::Band).size() == 1, "StepTwist.tbl", r,
                 "band is not one character");
        }
        wg("Taper.tbl", TaperColumn::SmallCode);
        wg("Taper.tbl", TaperColumn::LargeCode);
        const TTxtTable& dims = T("Dimensions.tbl");
        for (int r = 0; r < dims.RowCount(); ++r) {
            Need(IsFamilyLetter(dims.GetField(r, DimensionsColumn::Letter)), "Dimensions.tbl", r,
                 "family letter '" + dims.GetField(r, DimensionsColumn::Letter) +
                     "' is not in Family.tbl");
        }
        wg("Dimensions.tbl", DimensionsColumn::Waveguide);
        wg("FlexSpecs.tbl", FlexSpecsColumn::Waveguide);
        const TTxtTable& coaxTypes = T("CoaxType.tbl");
        for (int r = 0; r < coaxTypes.RowCount(); ++r) {
            Need(coaxTypes.GetField(r, CoaxTypeColumn::Code).size() == 1, "CoaxType.tbl", r,
                 "coax type code is not one character");
        }
    }

    void CheckPartNumberStart(const std::string& file, int row, const std::string& part) {
        Need(!part.empty() && FamilyTypeOfLetter(part[0]) == FamilyType::Unknown, file, row,
             "part number '" + part + "' would be read as another family");
    }

    // The size codes a family offers (before special quotes), with their list rows.
    std::vector<int> OfferedRows(int f) {
        const TWaveguideSource source = WaveguideSourceOf(f);
        const TTxtTable& list = T(WaveguideListTable(f));
        const TOfferedWaveguides offered(f, T(source.Table));
        std::vector<int> rows;
        for (int r = 0; r < list.RowCount(); ++r) {
            if (offered.Contains(list.FieldView(r, WaveguideColumn::Code))) {
                rows.push_back(r);
            }
        }
        return rows;
    }

    const std::vector<int>& FlangesFor(const std::string& code) {
        return RowsWith("Flange.tbl", FlangeColumn::Waveguide, code);
    }

    // Bands with a frequency row among the VSWR rows that match the keys.
    std::set<std::string> Bands(const std::string& file, int wgColumn, const std::string& code,
                                int bandColumn,
                                std::initializer_list<std::pair<int, std::string_view>> more = {}) {
        std::set<std::string> bands;
        const TTxtTable& t = T(file);
        for (const int r : RowsWith(file, wgColumn, code)) {
            bool all = true;
            for (const auto& [c, key] : more) {
                all = all && t.GetField(r, c) == key;
            }
            const std::string b = t.GetField(r, bandColumn);
            if (all && HasRow("Frequency.tbl",
                              {{FrequencyColumn::Waveguide, code}, {FrequencyColumn::Band, b}})) {
                bands.insert(b);
            }
        }
        return bands;
    }

    std::string FamilyLetter(int f) {
        const TTxtTable& family = T("Family.tbl");
        return f < family.RowCount() ? family.GetField(f, FamilyColumn::Letter) : std::string();
    }

    void CheckFamily(int f) {
        const std::string listFile = WaveguideListTable(f);
        const TTxtTable& list = T(listFile);
        const std::vector<int> rows = OfferedRows(f);
        if (rows.empty()) {
            Report(WaveguideSourceOf(f).Table, -2,
                   "family " + std::to_string(f) + " offers no waveguide size");
            return;
        }
        int configurable = 0;
        for (const int r : rows) {
            const std::string code = list.GetField(r, WaveguideColumn::Code);
            if (IsSpecialQuote(code, f)) {
                continue;
            }
            const std::size_t before = Problems.size();
            try {
                CheckSize(f, code, r);
            } catch (const EConvertError& e) {
                // A bad length step is the family's own row, reported once already;
                // blaming every size of the list for it would only hide it.
                if (!BadLengthStep(f) && !AlreadyReported(e.what())) {
                    Report(listFile, r, "family " + std::to_string(f) + ": " + e.what());
                }
            }
            if (Problems.size() == before) {
                ++configurable;
            }
        }
        if (configurable == 0) {
            Report(listFile, -2, "family " + std::to_string(f) + " has no configurable size");
        }
    }

    // Whether the message ends with the conversion error of a value reported already.
    bool AlreadyReported(std::string_view message) const {
        for (const std::string& known : KnownErrors) {
            if (message.size() >= known.size() &&
                message.substr(message.size() - known.size()) == known) {
                return true;
            }
        }
        return false;
    }

    bool BadLengthStep(int f) {
        const TTxtTable& family = T("Family.tbl");
        if (f >= family.RowCount()) {
            return false;
        }
        for (const int c : {FamilyColumn::InchStep, FamilyColumn::MmStep}) {
            TFixed step;
            if (!TFixed::TryParse(family.GetField(f, c), step) || step.Raw <= 0) {
                return true;
            }
        }
        return false;
    }

    // A text that a spreadsheet would run as a formula when an order holding it is
    // saved as a sheet. Negative numbers are reported as such by the number checks.
    void CheckFormulaTexts() {
        for (const auto& [name, table] : Tables) {
            for (int r = 0; r < table.RowCount(); ++r) {
                TStrings fields;
                table.SplitRow(r, fields);
                for (std::size_t c = 0; c < fields.size(); ++c) {
                    const std::string text = Trim(fields[c]);
                    double number = 0;
                    if (!text.empty() &&
                        std::string_view("=+-@").find(text[0]) != std::string_view::npos &&
                        !TryStrToFloat(text, number)) {
                        Report(name, r,
                               "column " + std::to_string(c + 1) + ": '" + Quoted(text) +
                                   "' would be taken for a formula by a spreadsheet");
                    }
                }
            }
        }
    }

    void CheckSize(int f, const std::string& code, int listRow) {
        using namespace FamilyType;
        const std::string what = "family " + std::to_string(f) + " size " + code + ": ";
        const std::string listFile = WaveguideListTable(f);
        const std::string letter = FamilyLetter(f);
        auto needFlanges = [&](const std::string& c) {
            Need(!FlangesFor(c).empty(), "Flange.tbl", -2, what + "no flange fits " + c);
        };
        auto needLists = [&] {
            TLengthLists lists =
                BuildLengthLists(T("Family.tbl"), f, T("Dimensions.tbl"), code, true);
            lists.MetricDefault =
                BuildLengthLists(T("Family.tbl"), f, T("Dimensions.tbl"), code, false)
                    .MetricDefault;
            if (!lists.Found) {
                Report("Dimensions.tbl", -2, what + "no lengths for letter " + letter);
                return lists;
            }
            Need(!lists.ImperialItems.empty() && !lists.MetricItems.empty(), "Dimensions.tbl", -2,
                 what + "empty length list");
            Need(ListContains(lists.ImperialDefault, lists.ImperialItems), "Dimensions.tbl", -2,
                 what + "default " + lists.ImperialDefault + " in. is not listed");
            Need(ListContains(lists.MetricDefault, lists.MetricItems), "Dimensions.tbl", -2,
                 what + "default " + lists.MetricDefault + " mm is not listed");
            return lists;
        };
        auto needPrice = [&](const std::string& file,
                             std::initializer_list<std::pair<int, std::string_view>> keys,
                             const std::string& detail) {
            Need(Unreadable.count(file) || HasRow(file, keys), file, -2,
                 what + "no price row for " + detail);
        };
        switch (f) {
        case Coax: {
            needFlanges(code);
            const TTxtTable& types = T("CoaxType.tbl");
            int offered = 0;
            for (int t = 0; t < types.RowCount(); ++t) {
                const std::string coax = types.GetField(t, CoaxTypeColumn::Code);
                const std::set<std::string> bands =
                    Bands("CoaxVSWR.tbl", CoaxVSWRColumn::Waveguide, code, CoaxVSWRColumn::Band,
                          {{CoaxVSWRColumn::Coax, coax}});
                if (!HasRow("CoaxVSWR.tbl",
                            {{CoaxVSWRColumn::Waveguide, code}, {CoaxVSWRColumn::Coax, coax}})) {
                    continue;
                }
                ++offered;
                Need(!bands.empty(), "CoaxVSWR.tbl", -2,
                     what + "coax " + coax + " has no frequency");
                for (const std::string& b : bands) {
                    needPrice(
                        "CoaxPrice.tbl",
                        {{CoaxTwistPriceColumn::Waveguide, code}, {CoaxTwistPriceColumn::Band, b}},
                        "band " + b);
                }
            }
            Need(offered > 0, "CoaxVSWR.tbl", -2, what + "no coax type");
            break;
        }
        case Twist:
        case Tapered: {
            const std::string priceFile =
                f == Twist ? "RigidTwistPrice.tbl" : "TaperedTransitionPrice.tbl";
            needFlanges(code);
            if (f == Tapered) {
                needFlanges(T(listFile).GetField(listRow, TaperColumn::LargeCode));
            }
            Need(HasRow("Dimensions.tbl",
                        {{DimensionsColumn::Letter, letter}, {DimensionsColumn::Waveguide, code}}),
                 "Dimensions.tbl", -2, what + "no preset length for letter " + letter);
            const std::set<std::string> bands =
                Bands("WGVSWR.tbl", WGVSWRColumn::Waveguide, code, WGVSWRColumn::Band,
                      {{WGVSWRColumn::Letter, letter}});
            Need(!bands.empty(), "WGVSWR.tbl", -2, what + "no frequency");
            if (f == Twist) {
                for (const std::string& b : bands) {
                    needPrice(
                        priceFile,
                        {{CoaxTwistPriceColumn::Waveguide, code}, {CoaxTwistPriceColumn::Band, b}},
                        "band " + b);
                }
            } else {
                needPrice(priceFile, {{CoaxTwistPriceColumn::Waveguide, code}}, "the size");
            }
            break;
        }
        case EBend:
        case HBend:
        case MiterH:
        case MiterE:
        case Straight: {
            needFlanges(code);
            const TLengthLists lists = needLists();
            const std::string vswrLetter = f == HBend ? "E" : letter;
            const std::set<std::string> bands =
                Bands("WGVSWR.tbl", WGVSWRColumn::Waveguide, code, WGVSWRColumn::Band,
                      {{WGVSWRColumn::Letter, vswrLetter}});
            Need(!bands.empty(), "WGVSWR.tbl", -2, what + "no frequency");
            if (f == MiterH || f == MiterE) {
                needPrice("MiterBendPrice.tbl", {{MiterPriceColumn::Waveguide, code}}, "the size");
            } else if (f == Straight) {
                needPrice("StraightSectionPrice.tbl", {{StraightPriceColumn::Waveguide, code}},
                          "the size");
            } else if (lists.Found) {
                CheckBendPrices(f, code, lists, bands, what);
            }
            break;
        }
        case FlexTwist:
            needFlanges(code);
            CheckFlex(code, what);
            break;
        case PressureWindow: {
            const TTxtTable& windows = T("PressureWindows.tbl");
            int fitting = 0;
            for (const int r :
                 RowsWith("PressureWindows.tbl", PressureWindowColumn::Waveguide, code)) {
                if (HasRow("Flange.tbl",
                           {{FlangeColumn::Code, windows.GetField(r, PressureWindowColumn::Flange)},
                            {FlangeColumn::Waveguide, code}})) {
                    ++fitting;
                }
            }
            Need(fitting > 0, "PressureWindows.tbl", -2, what + "no flange to fit");
            break;
        }
        case StepTwist: {
            Need(HasRow("StepFlange.tbl", {{StepFlangeColumn::Waveguide, code}}), "StepFlange.tbl",
                 -2, what + "no flange");
            const TTxtTable& steps = T("StepTwist.tbl");
            for (const int r : RowsWith("StepTwist.tbl", StepTwistColumn::Waveguide, code)) {
                const std::string part = steps.GetField(r, StepTwistColumn::PartNumber);
                Need(Unreadable.count("StepTwistPrice.tbl") ||
                         HasRow("StepTwistPrice.tbl", {{StepTwistPriceColumn::PartNumber, part}}),
                     "StepTwist.tbl", r, "no price row for " + part + " in StepTwistPrice.tbl");
            }
            break;
        }
        default:
            break;
        }
    }

    // Bends are priced by exact configurations: the default lengths must be priced in
    // both units, in every band and finish offered.
    void CheckBendPrices(int f, const std::string& code, const TLengthLists& lists,
                         const std::set<std::string>& bands, const std::string& what) {
        const std::string file = f == FamilyType::EBend ? "EBendPrice.tbl" : "HBendPrice.tbl";
        const TTxtTable& prices = T(file);
        const std::vector<int>& rows = RowsWith(file, BendPriceColumn::Waveguide, code);
        const std::string inch = LegCode(lists.ImperialDefault);
        const std::string mm = LegCode(lists.MetricDefault);
        for (const std::string& unit : {std::string("P"), std::string("M")}) {
            const std::string leg = unit == "P" ? inch : mm;
            for (const std::string& b : bands) {
                for (const std::string finish : {"G", "N"}) {
                    bool found = false;
                    for (auto r = rows.begin(); r != rows.end() && !found; ++r) {
                        const std::string sample = prices.GetField(*r, BendPriceColumn::Sample);
                        found = sample.size() >= 2 && sample.substr(sample.size() - 1) == finish &&
                                sample.substr(sample.size() - 2, 1) == b &&
                                PartField(sample, f, PartFieldNo::Unit) == unit &&
                                PartField(sample, f, PartFieldNo::Length) == leg &&
                                PartField(sample, f, PartFieldNo::LegB) == leg;
                    }
                    Need(found, file, -2,
                         what + "no price row for " + unit + " " + leg + "/" + leg + " band " + b +
                             " finish " + finish);
                }
            }
        }
    }

    static std::string LegCode(const std::string& text) {
        std::string code;
        return TryLengthCode(text, 3, code) ? code : std::string();
    }

    void CheckFlex(const std::string& code, const std::string& what) {
        const int spec = FirstRow("FlexSpecs.tbl", {{FlexSpecsColumn::Waveguide, code}});
        if (spec < 0) {
            Report("FlexSpecs.tbl", -2, what + "no default length");
            return;
        }
        TStrings inches, mms;
        const TTxtTable& imperial = T("FlexImperialLengths.tbl");
        for (int r = 0; r < imperial.RowCount(); ++r) {
            inches.push_back(InchText(imperial.GetField(r, FlexLengthsColumn::Length)));
        }
        T("FlexMetricLengths.tbl").GetColumn(FlexLengthsColumn::Length, mms);
        const std::string inchDefault =
            InchText(T("FlexSpecs.tbl").GetField(spec, FlexSpecsColumn::DefaultInches));
        const std::string mmDefault = MillimetreText(
            StrToFloat(T("FlexSpecs.tbl").GetField(spec, FlexSpecsColumn::DefaultMm)));
        Need(ListContains(inchDefault, inches), "FlexSpecs.tbl", spec,
             what + "default " + inchDefault + " in. is not in FlexImperialLengths.tbl");
        Need(ListContains(mmDefault, mms), "FlexSpecs.tbl", spec,
             what + "default " + mmDefault + " mm is not in FlexMetricLengths.tbl");

        const TTxtTable& vswr = T("FlexVSWR.tbl");
        const std::vector<int>& vswrRows =
            RowsWith("FlexVSWR.tbl", FlexVSWRColumn::Waveguide, code);
        double largest = -1;
        for (const int r : vswrRows) {
            double v = 0;
            if (TryStrToFloat(vswr.GetField(r, FlexVSWRColumn::Breakpoint), v) && v > largest) {
                largest = v;
            }
        }
        if (largest < 0) {
            Report("FlexVSWR.tbl", -2, what + "no breakpoints");
            return;
        }
        // Lengths beyond the breakpoints are reported once per list row, after all sizes.
        for (std::size_t r = 0; r < inches.size(); ++r) {
            if (StrToFloat(inches[r]) > largest) {
                BeyondBreakpoint[{"FlexImperialLengths.tbl", static_cast<int>(r)}].push_back(code);
            }
        }
        for (std::size_t r = 0; r < mms.size(); ++r) {
            if (StrToFloat(FormatInches(MmToInches(StrToFloat(mms[r])))) > largest) {
                BeyondBreakpoint[{"FlexMetricLengths.tbl", static_cast<int>(r)}].push_back(code);
            }
        }
        // The default configuration is priced in both units for every band it offers.
        for (const std::string& unit : {std::string("P"), std::string("M")}) {
            std::string lengthCode;
            if (!TryLengthCode(unit == "P" ? inchDefault : mmDefault, 4, lengthCode)) {
                continue;
            }
            for (const int r : vswrRows) {
                const std::string b = vswr.GetField(r, FlexVSWRColumn::Band);
                const std::string key = b == "S" ? "S" : "#";
                Need(HasRow("FlexTwistPrice.tbl", {{FlexPriceColumn::Waveguide, code},
                                                   {FlexPriceColumn::Unit, unit},
                                                   {FlexPriceColumn::Band, key},
                                                   {FlexPriceColumn::Length, lengthCode}}),
                     "FlexTwistPrice.tbl", -2,
                     what + "no price row for " + unit + " " + lengthCode + " band key " + key);
            }
        }
    }

    void Picture(const std::string& file, int row, const std::string& name) {
        if (name.empty()) {
            return;
        }
        Need(FileExists(ImagesPath + name), file, row, "picture " + name + " is missing");
    }

    void CheckPictures() {
        const TTxtTable& family = T("Family.tbl");
        for (int r = 0; r < family.RowCount(); ++r) {
            Picture("Family.tbl", r, family.GetField(r, FamilyColumn::Picture));
            Picture("Family.tbl", r, family.GetField(r, FamilyColumn::Photo));
        }
        const TTxtTable& flanges = T("Flange.tbl");
        for (int r = 0; r < flanges.RowCount(); ++r) {
            Picture("Flange.tbl", r, flanges.GetField(r, FlangeColumn::Picture));
        }
        for (const char* fixed : {"WG.gif", "NA.gif"}) {
            if (!FileExists(ImagesPath + fixed)) {
                Problems.push_back({std::string("Images/") + fixed, 0, "picture is missing"});
            }
        }
    }

    void CheckConversions() {
        // Every new part number is set up, composed and priced as the user would; the
        // whole run reads each table once, as one user event does.
        const TTableReadScope tables;
        const TTxtTable& conversions = T("Conversion.tbl");
        for (int r = 0; r < conversions.RowCount(); ++r) {
            const std::string part = UpperCase(conversions.GetField(r, ConversionColumn::NewPart));
            Need(!conversions.GetField(r, ConversionColumn::OldPart).empty(), "Conversion.tbl", r,
                 "old part number is empty");
            const bool recognised = FamilyTypeOf(part, Silent) != FamilyType::Unknown;
            Need(recognised, "Conversion.tbl", r,
                 "new part number '" + part + "' is not recognised");
            // A part of a family whose length step is bad fails for that reason alone.
            if (recognised && BadLengthStep(FamilyTypeOf(part, Silent))) {
                continue;
            }
            const auto problem = recognised ? ConversionTargetProblem(part) : std::nullopt;
            if (problem && !AlreadyReported(*problem)) {
                Report("Conversion.tbl", r, *problem);
            }
        }
    }
};

} // namespace

std::vector<TCatalogueProblem> CheckCatalogue() {
    TChecker checker;
    checker.Run();
    return checker.Problems;
}

} // namespace cvn
