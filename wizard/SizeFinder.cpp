// Finding a size by frequency: the matching rows come from Frequency.tbl, and what a
// family offers and the VSWR it quotes come from the configurator's own handlers, run
// on a scratch wizard, so the finder can never disagree with the main window.

#include "wizard/SizeFinder.h"

#include "catalogue/FamilyRules.h"
#include "catalogue/FieldTable.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "wizard/Configurator.h"

#include <algorithm>
#include <limits>
#include <map>

namespace cvn {

namespace {

// The scratch wizard's voice: load errors reach the user, the rest (the special-quote
// note of a size being tried) is the finder's business.
class TErrorsOnly : public TUserPrompts {
public:
    explicit TErrorsOnly(TUserPrompts& user) : User(user) {}
    void Information(const std::string&) override {}
    void Error(const std::string& text) override { User.Error(text); }
    void CatalogueError(const std::string& text) override { User.CatalogueError(text); }
    bool YesNo(const std::string&) override { return false; }
    TDialogResult ConfirmTapered(const std::string&) override { return TDialogResult::Cancel; }
    TDialogResult ConfirmSwap(const std::string&, const std::string&) override {
        return TDialogResult::Cancel;
    }

private:
    TUserPrompts& User;
};

// The number before ":1"; +infinity for no VSWR or one that is no such number.
double VswrKey(const std::string& vswr) {
    const std::size_t colon = vswr.find(':');
    double value = 0;
    if (vswr.empty() || colon == std::string::npos ||
        !TryStrToFloat(Trim(vswr.substr(0, colon)), value)) {
        return std::numeric_limits<double>::infinity();
    }
    return value;
}

// The visible item of the shortest length, or -1 for an empty list.
int ShortestLength(const TLengthList& list) {
    const TStrings& items = list.Items();
    int best = -1;
    double shortest = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        double value = 0;
        if (TryStrToFloat(items[i], value) && (best < 0 || value < shortest)) {
            best = static_cast<int>(i);
            shortest = value;
        }
    }
    return best;
}

// Chooses what screen 2's VSWR depends on, as the user would pick it.
void ChooseFirstOffered(TConfigurator& wizard, int family, const TFindPreferences& preferred) {
    switch (family) {
    case FamilyType::Coax: {
        int row = preferred.Coax.empty()
                      ? -1
                      : FindRow(wizard.FlangeBList, CoaxTypeColumn::Code, preferred.Coax);
        if (row < 0 && wizard.FlangeBList.RowCount() > 0) {
            row = 0;
        }
        if (row >= 0) {
            wizard.cbxCoaxChange(row);
        }
        break;
    }
    case FamilyType::FlexTwist: {
        const TStrings& items = wizard.Length.Items();
        const auto found = std::find(items.begin(), items.end(), preferred.Length);
        const int index = !preferred.Length.empty() && found != items.end()
                              ? static_cast<int>(found - items.begin())
                              : ShortestLength(wizard.Length);
        if (index >= 0) {
            wizard.Length.Select(index);
            wizard.cbxLengthChange(index, wizard.Length.Text);
        }
        break;
    }
    case FamilyType::PressureWindow:
        if (wizard.FlangeAList.RowCount() > 0) {
            wizard.cbxFlangeAChange(0);
        }
        break;
    default:
        break;
    }
}

struct TSizeInFamily {
    TSizeStatus Status = TSizeStatus::NotOffered;
    std::vector<TFrequencyChoice> Choices;
};

TSizeInFamily TrySize(TConfigurator& wizard, int family, const std::string& code,
                      const TFindPreferences& preferred) {
    TSizeInFamily result;
    const int row = FindRow(wizard.WaveguideList, WaveguideColumn::Code, code);
    if (row < 0) {
        return result;
    }
    if (IsSpecialQuote(code, family)) {
        result.Status = TSizeStatus::SpecialQuote;
        return result;
    }
    result.Status = TSizeStatus::Offered;
    wizard.cbxWaveguideChange(row);
    ChooseFirstOffered(wizard, family, preferred);
    result.Choices = wizard.FrequencyChoices;
    return result;
}

} // namespace

std::string SizeStatusText(TSizeStatus status) {
    switch (status) {
    case TSizeStatus::Offered:
        return "offered";
    case TSizeStatus::SpecialQuote:
        return "special quote";
    case TSizeStatus::NotOffered:
        return "not offered";
    default:
        return "-";
    }
}

std::vector<TSizeMatch> FindSizes(const TFrequencySpan& span, int family,
                                  const TConfigurator& running, TUserPrompts& prompts,
                                  const TFindPreferences& preferred) {
    const TTableReadScope tables;
    TErrorsOnly quiet(prompts);
    const TFieldTable frequencies = LoadFieldTable("Frequency.tbl", quiet);
    const TFieldTable sizes = LoadFieldTable("WGSize.tbl", quiet);

    std::vector<TSizeMatch> matches;
    for (int r = 0; r < frequencies.RowCount(); ++r) {
        const auto range = ParseFrequencyRange(frequencies.GetField(r, FrequencyColumn::Range));
        if (!range || !range->Covers(span)) {
            continue;
        }
        TSizeMatch match;
        match.Row = r;
        match.Code = frequencies.GetField(r, FrequencyColumn::Waveguide);
        match.Band = frequencies.GetField(r, FrequencyColumn::Band);
        match.Range = frequencies.GetField(r, FrequencyColumn::Range);
        const int size = FindRow(sizes, WGSizeColumn::Code, match.Code);
        if (size >= 0) {
            match.WR = sizes.GetField(size, WGSizeColumn::WR);
        }
        matches.push_back(std::move(match));
    }

    if (family >= 0 && family < FamilyType::Count && !matches.empty()) {
        TConfigurator wizard(quiet);
        wizard.FamilyTable = running.FamilyTable;
        wizard.FlangeTable = running.FlangeTable;
        wizard.DimensionsTable = running.DimensionsTable;
        wizard.cbxProductTypeChange(family);
        std::map<std::string, TSizeInFamily> tried;
        for (TSizeMatch& match : matches) {
            auto it = tried.find(match.Code);
            if (it == tried.end()) {
                it =
                    tried.emplace(match.Code, TrySize(wizard, family, match.Code, preferred)).first;
            }
            match.Status = it->second.Status;
            for (const TFrequencyChoice& choice : it->second.Choices) {
                if (choice.FreqBand == match.Band) {
                    match.Vswr = choice.FreqVSWR;
                    break;
                }
            }
        }
    }

    std::stable_sort(matches.begin(), matches.end(), [](const TSizeMatch& a, const TSizeMatch& b) {
        const double ka = VswrKey(a.Vswr);
        const double kb = VswrKey(b.Vswr);
        if (ka != kb) {
            return ka < kb;
        }
        return a.Code < b.Code;
    });
    return matches;
}

TFindPreferences PreferencesOf(const TConfigurator& wizard) {
    TFindPreferences preferred;
    if (wizard.ProductTypeIndex == FamilyType::Coax) {
        preferred.Coax = ChosenField(wizard.FlangeBList, wizard.CoaxIndex, CoaxTypeColumn::Code);
    }
    if (wizard.ProductTypeIndex == FamilyType::FlexTwist) {
        preferred.Length = wizard.Length.Text;
    }
    return preferred;
}

bool ChooseFoundSize(TConfigurator& wizard, const std::string& code) {
    const int row = FindRow(wizard.WaveguideList, WaveguideColumn::Code, code);
    if (row < 0) {
        return false;
    }
    wizard.btnBackClick();
    wizard.cbxWaveguideChange(row);
    return true;
}

} // namespace cvn
