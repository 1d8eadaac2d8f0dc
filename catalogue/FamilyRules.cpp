#include "catalogue/FamilyRules.h"

#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"

#include <algorithm>
#include <array>

namespace cvn {

namespace {

struct TSpecialQuote {
    const char* Code;
    std::array<bool, FamilyType::Count> Families;
};

// Families:                            0  1  2  3  4  5  6  7  8  9  10
constexpr TSpecialQuote kSpecialQuotes[] = {
    {"028", {1, 1, 1, 0, 1, 1, 1, 0, 1, 0, 0}}, {"042", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {"051", {0, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1}}, {"284", {1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0}},
    {"340", {1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0}}, {"430", {1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0}},
};

} // namespace

bool IsOneOf(int familyType, std::initializer_list<int> familyTypes) {
    return std::find(familyTypes.begin(), familyTypes.end(), familyType) != familyTypes.end();
}

bool HasTwoLegs(int familyType) {
    using namespace FamilyType;
    return IsOneOf(familyType, {EBend, HBend, MiterH, MiterE});
}

bool HasOneLength(int familyType) {
    return IsOneOf(familyType, {FamilyType::FlexTwist, FamilyType::Straight});
}

std::string ChosenField(const TTxtTable& list, int row, int column) {
    return row >= 0 && row < list.RowCount() ? list.GetField(row, column) : std::string();
}

bool IsSpecialQuote(const std::string& waveguideCode, int familyType) {
    if (familyType < 0 || familyType >= FamilyType::Count) {
        return false;
    }
    return std::any_of(
        std::begin(kSpecialQuotes), std::end(kSpecialQuotes), [&](const TSpecialQuote& q) {
            return waveguideCode == q.Code && q.Families[static_cast<std::size_t>(familyType)];
        });
}

std::string SpecialQuoteMessage(const std::string& waveguideCode) {
    return "Waveguide size " + waveguideCode + " is available by special quote." + "\r" +
           "Please contact your Brenmoor represantative for details.";
}

TWaveguideSource WaveguideSourceOf(int familyType) {
    switch (familyType) {
    case FamilyType::Coax:
        return {"CoaxVSWR.tbl", ""};
    case FamilyType::Twist:
        return {"WGVSWR.tbl", "D"};
    case FamilyType::EBend:
        return {"WGVSWR.tbl", "E"};
    case FamilyType::HBend:
        return {"WGVSWR.tbl", "E"}; // the H bend uses the E-bend rows
    case FamilyType::MiterH:
        return {"WGVSWR.tbl", "M"};
    case FamilyType::MiterE:
        return {"WGVSWR.tbl", "N"};
    case FamilyType::Straight:
        return {"WGVSWR.tbl", "R"};
    case FamilyType::Tapered:
        return {"WGVSWR.tbl", "T"};
    case FamilyType::FlexTwist:
        return {"FlexVSWR.tbl", ""};
    case FamilyType::PressureWindow:
        return {"PressureWindows.tbl", ""};
    case FamilyType::StepTwist:
        return {"StepTwist.tbl", ""};
    default:
        return {};
    }
}

std::string WaveguideListTable(int familyType) {
    return familyType == FamilyType::Tapered ? "Taper.tbl" : "WGSize.tbl";
}

bool FamilyOffersWaveguide(int familyType, const std::string& code, const TTxtTable& source) {
    const TWaveguideSource s = WaveguideSourceOf(familyType);
    if (s.Table.empty()) {
        return false;
    }
    if (!s.Letter.empty()) {
        return FindRow(source, {{1, s.Letter}, {2, code}}) >= 0;
    }
    for (int r = 0; r < source.RowCount(); ++r) {
        if (SameText(source.GetField(r, 1), code)) {
            return true;
        }
    }
    return false;
}

} // namespace cvn
