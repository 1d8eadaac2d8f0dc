#include "catalogue/CatalogueCheck.h"

#include "catalogue/Errors.h"
#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/Files.h"
#include "catalogue/Fixed.h"
#include "catalogue/LengthLists.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "entry/ConversionCheck.h"

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
                   "length " + t.GetField(where.second, 1) +
                       " lies beyond the largest breakpoint of waveguide " + list);
        }
        CheckPictures();
        CheckConversions();
    }

private:
    std::map<std::string, TTxtTable> Tables;
    std::map<std::pair<std::string, int>, std::vector<std::string>> BeyondBreakpoint;
    std::set<std::string> Unreadable;
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
        if (!ReadWholeFile(DataPath + name, bytes, error)) {
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
            Report(file, row,
                   "column " + std::to_string(column) + ": '" + text + "' is not a " +
                       (kind == TNum::Integer ? "whole number" : "number"));
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
            for (int c : {3, 4}) {
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
            double v[8] = {};
            bool ok = true;
            for (int c = 3; c <= 7; ++c) {
                ok = Number("Dimensions.tbl", r, c, TNum::Decimal, &v[c]) && ok;
            }
            if (ok && v[3] > v[4]) {
                Report("Dimensions.tbl", r, "the shortest length is longer than the longest");
            }
            try {
                CheckLengthRange(dims, r);
            } catch (const EConvertError& e) {
                Report("Dimensions.tbl", r, e.what());
            }
        }
        Columns("FlexSpecs.tbl", {{2, TNum::Decimal}, {3, TNum::Decimal}});
        Columns("FlexImperialLengths.tbl", {{1, TNum::Decimal}});
        Columns("FlexMetricLengths.tbl", {{1, TNum::Decimal}});
        Columns("FlexVSWR.tbl", {{3, TNum::Decimal}});
        Columns("StepTwist.tbl", {{6, TNum::Decimal}});
        Columns("CoaxPrice.tbl", {{4, TNum::Money}, {6, TNum::Integer}});
        Columns("RigidTwistPrice.tbl", {{4, TNum::Money}, {6, TNum::Integer}, {7, TNum::Money}});
        Columns("EBendPrice.tbl", {{3, TNum::Money}, {5, TNum::Integer}});
        Columns("HBendPrice.tbl", {{3, TNum::Money}, {5, TNum::Integer}});
        Columns("FlexTwistPrice.tbl", {{6, TNum::Money}, {8, TNum::Integer}});
        Columns("MiterBendPrice.tbl", {{3, TNum::Money},
                                       {5, TNum::Integer},
                                       {6, TNum::Money},
                                       {7, TNum::Money},
                                       {8, TNum::Money},
                                       {9, TNum::Decimal}});
        Columns("StraightSectionPrice.tbl",
                {{2, TNum::Money}, {3, TNum::Money}, {4, TNum::Money}, {6, TNum::Integer}});
        Columns("StepTwistPrice.tbl", {{2, TNum::Money}});
        Columns("TaperedTransitionPrice.tbl",
                {{3, TNum::Money}, {5, TNum::Integer}, {6, TNum::Money}});
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

    bool IsWaveguide(const std::string& code) { return HasRow("WGSize.tbl", {{1, code}}); }

    bool IsFamilyLetter(const std::string& letter) {
        return !letter.empty() && HasRow("Family.tbl", {{1, letter}});
    }

    void CheckReferences() {
        const TTxtTable& family = T("Family.tbl");
        if (family.RowCount() != FamilyType::Count && !Unreadable.count("Family.tbl")) {
            Report("Family.tbl", -2,
                   "has " + std::to_string(family.RowCount()) +
                       " families, the program numbers 11");
        }
        for (int f = 0; f < family.RowCount() && f < FamilyType::Count; ++f) {
            const std::string letter = family.GetField(f, 1);
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
            const std::string code = sizes.GetField(r, 1);
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
                Need(HasRow("Frequency.tbl", {{1, code}, {2, b}}), file, r,
                     "waveguide " + code + " band " + b + " has no row in Frequency.tbl");
            }
        };
        const TTxtTable& flanges = T("Flange.tbl");
        for (int r = 0; r < flanges.RowCount(); ++r) {
            Need(flanges.GetField(r, 1).size() == 1, "Flange.tbl", r,
                 "flange code is not one character");
        }
        wg("Flange.tbl", 2);
        wg("Frequency.tbl", 1);
        const TTxtTable& freq = T("Frequency.tbl");
        for (int r = 0; r < freq.RowCount(); ++r) {
            TStrings fields;
            freq.SplitRow(r, fields);
            Need(fields.size() == 3, "Frequency.tbl", r,
                 "has " + std::to_string(fields.size()) +
                     " fields; the VSWR is appended as the fourth");
            Need(freq.GetField(r, 2).size() == 1, "Frequency.tbl", r, "band is not one character");
        }
        const TTxtTable& wgvswr = T("WGVSWR.tbl");
        for (int r = 0; r < wgvswr.RowCount(); ++r) {
            Need(IsFamilyLetter(wgvswr.GetField(r, 1)), "WGVSWR.tbl", r,
                 "family letter '" + wgvswr.GetField(r, 1) + "' is not in Family.tbl");
        }
        wg("WGVSWR.tbl", 2);
        band("WGVSWR.tbl", 2, 3);
        wg("FlexVSWR.tbl", 1);
        band("FlexVSWR.tbl", 1, 2);
        wg("CoaxVSWR.tbl", 1);
        band("CoaxVSWR.tbl", 1, 2);
        const TTxtTable& coaxVswr = T("CoaxVSWR.tbl");
        for (int r = 0; r < coaxVswr.RowCount(); ++r) {
            const std::string coax = coaxVswr.GetField(r, 3);
            Need(HasRow("CoaxType.tbl", {{1, coax}}), "CoaxVSWR.tbl", r,
                 "coax type " + coax + " is not in CoaxType.tbl");
        }
        wg("PressureWindows.tbl", 1);
        const TTxtTable& windows = T("PressureWindows.tbl");
        for (int r = 0; r < windows.RowCount(); ++r) {
            const std::string code = windows.GetField(r, 1);
            const std::string flange = windows.GetField(r, 2);
            Need(HasRow("Flange.tbl", {{1, flange}, {2, code}}), "PressureWindows.tbl", r,
                 "flange " + flange + " for waveguide " + code + " is not in Flange.tbl");
            Need(HasRow("Frequency.tbl", {{1, code}, {2, "S"}}), "PressureWindows.tbl", r,
                 "waveguide " + code + " has no band S row in Frequency.tbl");
            CheckPartNumberStart("PressureWindows.tbl", r, windows.GetField(r, 4));
        }
        const TTxtTable& stepFlanges = T("StepFlange.tbl");
        for (int r = 0; r < stepFlanges.RowCount(); ++r) {
            const std::string flange = stepFlanges.GetField(r, 1);
            const std::string code = stepFlanges.GetField(r, 2);
            Need(HasRow("Flange.tbl", {{1, flange}, {2, code}}), "StepFlange.tbl", r,
                 "flange " + flange + " for waveguide " + code + " is not in Flange.tbl");
        }
        wg("StepTwist.tbl", 1);
        const TTxtTable& steps = T("StepTwist.tbl");
        for (int r = 0; r < steps.RowCount(); ++r) {
            const std::string part = steps.GetField(r, 5);
            CheckPartNumberStart("StepTwist.tbl", r, part);
            Need(PartField(part, FamilyType::StepTwist, PartFieldNo::BeforeLast) ==
                     steps.GetField(r, 1),
                 "StepTwist.tbl", r,
                 "part number " + part + " does not carry waveguide " + steps.GetField(r, 1) +
                     " before its last character");
            Need(steps.GetField(r, 2).size() == 1, "StepTwist.tbl", r, "band is not one character");
        }
        wg("Taper.tbl", 1);
        wg("Taper.tbl", 2);
        const TTxtTable& dims = T("Dimensions.tbl");
        for (int r = 0; r < dims.RowCount(); ++r) {
            Need(IsFamilyLetter(dims.GetField(r, 1)), "Dimensions.tbl", r,
                 "family letter '" + dims.GetField(r, 1) + "' is not in Family.tbl");
        }
        wg("Dimensions.tbl", 2);
        wg("FlexSpecs.tbl", 1);
        const TTxtTable& coaxTypes = T("CoaxType.tbl");
        for (int r = 0; r < coaxTypes.RowCount(); ++r) {
            Need(coaxTypes.GetField(r, 1).size() == 1, "CoaxType.tbl", r,
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
            if (offered.Contains(list.FieldView(r, 1))) {
                rows.push_back(r);
            }
        }
        return rows;
    }

    const std::vector<int>& FlangesFor(const std::string& code) {
        return RowsWith("Flange.tbl", 2, code);
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
            if (all && HasRow("Frequency.tbl", {{1, code}, {2, b}})) {
                bands.insert(b);
            }
        }
        return bands;
    }

    std::string FamilyLetter(int f) {
        const TTxtTable& family = T("Family.tbl");
        return f < family.RowCount() ? family.GetField(f, 1) : std::string();
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
            const std::string code = list.GetField(r, 1);
            if (IsSpecialQuote(code, f)) {
                continue;
            }
            const std::size_t before = Problems.size();
            try {
                CheckSize(f, code, r);
            } catch (const EConvertError& e) {
                Report(listFile, r, "family " + std::to_string(f) + ": " + e.what());
            }
            if (Problems.size() == before) {
                ++configurable;
            }
        }
        if (configurable == 0) {
            Report(listFile, -2, "family " + std::to_string(f) + " has no configurable size");
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
                const std::string coax = types.GetField(t, 1);
                const std::set<std::string> bands = Bands("CoaxVSWR.tbl", 1, code, 2, {{3, coax}});
                if (!HasRow("CoaxVSWR.tbl", {{1, code}, {3, coax}})) {
                    continue;
                }
                ++offered;
                Need(!bands.empty(), "CoaxVSWR.tbl", -2,
                     what + "coax " + coax + " has no frequency");
                for (const std::string& b : bands) {
                    needPrice("CoaxPrice.tbl", {{1, code}, {2, b}}, "band " + b);
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
                needFlanges(T(listFile).GetField(listRow, 2));
            }
            Need(HasRow("Dimensions.tbl", {{1, letter}, {2, code}}), "Dimensions.tbl", -2,
                 what + "no preset length for letter " + letter);
            const std::set<std::string> bands = Bands("WGVSWR.tbl", 2, code, 3, {{1, letter}});
            Need(!bands.empty(), "WGVSWR.tbl", -2, what + "no frequency");
            if (f == Twist) {
                for (const std::string& b : bands) {
                    needPrice(priceFile, {{1, code}, {2, b}}, "band " + b);
                }
            } else {
                needPrice(priceFile, {{1, code}}, "the size");
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
            const std::set<std::string> bands = Bands("WGVSWR.tbl", 2, code, 3, {{1, vswrLetter}});
            Need(!bands.empty(), "WGVSWR.tbl", -2, what + "no frequency");
            if (f == MiterH || f == MiterE) {
                needPrice("MiterBendPrice.tbl", {{1, code}}, "the size");
            } else if (f == Straight) {
                needPrice("StraightSectionPrice.tbl", {{1, code}}, "the size");
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
            for (const int r : RowsWith("PressureWindows.tbl", 1, code)) {
                if (HasRow("Flange.tbl", {{1, windows.GetField(r, 2)}, {2, code}})) {
                    ++fitting;
                }
            }
            Need(fitting > 0, "PressureWindows.tbl", -2, what + "no flange to fit");
            break;
        }
        case StepTwist: {
            Need(HasRow("StepFlange.tbl", {{2, code}}), "StepFlange.tbl", -2, what + "no flange");
            const TTxtTable& steps = T("StepTwist.tbl");
            for (const int r : RowsWith("StepTwist.tbl", 1, code)) {
                const std::string part = steps.GetField(r, 5);
                Need(Unreadable.count("StepTwistPrice.tbl") ||
                         HasRow("StepTwistPrice.tbl", {{1, part}}),
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
        const std::vector<int>& rows = RowsWith(file, 1, code);
        const std::string inch = LegCode(lists.ImperialDefault);
        const std::string mm = LegCode(lists.MetricDefault);
        for (const std::string& unit : {std::string("P"), std::string("M")}) {
            const std::string leg = unit == "P" ? inch : mm;
            for (const std::string& b : bands) {
                for (const std::string finish : {"G", "N"}) {
                    bool found = false;
                    for (auto r = rows.begin(); r != rows.end() && !found; ++r) {
                        const std::string sample = prices.GetField(*r, 2);
                        found = sample.size() >= 2 && sample.substr(sample.size() - 1) == finish &&
                                sample.substr(sample.size() - 2, 1) == b &&
                                PartField(sample, f, 9) == unit && PartField(sample, f, 7) == leg &&
                                PartField(sample, f, 8) == leg;
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
        const int spec = FirstRow("FlexSpecs.tbl", {{1, code}});
        if (spec < 0) {
            Report("FlexSpecs.tbl", -2, what + "no default length");
            return;
        }
        TStrings inches, mms;
        const TTxtTable& imperial = T("FlexImperialLengths.tbl");
        for (int r = 0; r < imperial.RowCount(); ++r) {
            inches.push_back(InchText(imperial.GetField(r, 1)));
        }
        T("FlexMetricLengths.tbl").GetColumn(1, mms);
        const std::string inchDefault = InchText(T("FlexSpecs.tbl").GetField(spec, 2));
        const std::string mmDefault =
            MillimetreText(StrToFloat(T("FlexSpecs.tbl").GetField(spec, 3)));
        Need(ListContains(inchDefault, inches), "FlexSpecs.tbl", spec,
             what + "default " + inchDefault + " in. is not in FlexImperialLengths.tbl");
        Need(ListContains(mmDefault, mms), "FlexSpecs.tbl", spec,
             what + "default " + mmDefault + " mm is not in FlexMetricLengths.tbl");

        const TTxtTable& vswr = T("FlexVSWR.tbl");
        const std::vector<int>& vswrRows = RowsWith("FlexVSWR.tbl", 1, code);
        double largest = -1;
        for (const int r : vswrRows) {
            double v = 0;
            if (TryStrToFloat(vswr.GetField(r, 3), v) && v > largest) {
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
                const std::string b = vswr.GetField(r, 2);
                const std::string key = b == "S" ? "S" : "#";
                Need(
                    HasRow("FlexTwistPrice.tbl", {{1, code}, {2, unit}, {4, key}, {3, lengthCode}}),
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
            Picture("Family.tbl", r, family.GetField(r, 5));
            Picture("Family.tbl", r, family.GetField(r, 6));
        }
        const TTxtTable& flanges = T("Flange.tbl");
        for (int r = 0; r < flanges.RowCount(); ++r) {
            Picture("Flange.tbl", r, flanges.GetField(r, 5));
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
            const std::string part = UpperCase(conversions.GetField(r, 2));
            Need(!conversions.GetField(r, 1).empty(), "Conversion.tbl", r,
                 "old part number is empty");
            const bool recognised = FamilyTypeOf(part, Silent) != FamilyType::Unknown;
            Need(recognised, "Conversion.tbl", r,
                 "new part number '" + part + "' is not recognised");
            if (const auto problem = recognised ? ConversionTargetProblem(part) : std::nullopt) {
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
