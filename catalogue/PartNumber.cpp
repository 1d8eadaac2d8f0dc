#include "catalogue/PartNumber.h"

#include "catalogue/FieldTable.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"

#include <iterator>

namespace cvn {

namespace {

// 1-based first position and width of a field; width 0 when the family lacks it.
struct TSpan {
    int First = 0;
    int Width = 0;
};

// Where fields 2, 3, 4, 5, 7 and 8 stand, by family type; a width of 0 means the
// family has no such field. Fields 0, 1, 6 and 9 are the same rule for every family.
constexpr int kLayoutFields[] = {2, 3, 4, 5, 7, 8};
constexpr TSpan kLayout[FamilyType::Count][6] = {
    // flange A, flange B or coax, band, finish, length or leg A, leg B
    {{5, 1}, {6, 1}, {7, 1}, {8, 1}, {}, {}},             // 0 coax transition
    {{5, 1}, {6, 1}, {7, 1}, {8, 1}, {}, {}},             // 1 90° twist
    {{6, 1}, {10, 1}, {14, 1}, {15, 1}, {7, 3}, {11, 3}}, // 2 E bend
    {{6, 1}, {11, 1}, {12, 1}, {}, {7, 4}, {}},           // 3 flexible twist
    {{6, 1}, {10, 1}, {14, 1}, {15, 1}, {7, 3}, {11, 3}}, // 4 H bend
    {{6, 1}, {10, 1}, {14, 1}, {15, 1}, {7, 3}, {11, 3}}, // 5 miter H
    {{6, 1}, {10, 1}, {14, 1}, {15, 1}, {7, 3}, {11, 3}}, // 6 miter E
    {{}, {}, {}, {}, {}, {}},                             // 7 pressure window
    {{6, 1}, {11, 1}, {12, 1}, {13, 1}, {7, 4}, {}},      // 8 straight section
    {{}, {}, {}, {}, {}, {}},                             // 9 step-twist
    {{5, 1}, {6, 1}, {}, {7, 1}, {}, {}},                 // 10 tapered transition
};

TSpan FieldSpan(int familyType, int field) {
    if (familyType < 0 || familyType >= FamilyType::Count) {
        return {};
    }
    for (std::size_t i = 0; i < std::size(kLayoutFields); ++i) {
        if (kLayoutFields[i] == field) {
            return kLayout[familyType][i];
        }
    }
    return {};
}

std::string Copy(const std::string& text, int first, int width) {
    // As the original string copy: a start before the text counts as its first character.
    if (first < 1) {
        first = 1;
    }
    if (width <= 0 || first > static_cast<int>(text.size())) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(width));
}

} // namespace

int FamilyTypeOfLetter(char letter) {
    switch (letter) {
    case 'C':
        return FamilyType::Coax;
    case 'D':
        return FamilyType::Twist;
    case 'E':
        return FamilyType::EBend;
    case 'F':
        return FamilyType::FlexTwist;
    case 'H':
        return FamilyType::HBend;
    case 'M':
        return FamilyType::MiterH;
    case 'N':
        return FamilyType::MiterE;
    case 'R':
        return FamilyType::Straight;
    case 'T':
        return FamilyType::Tapered;
    default:
        return FamilyType::Unknown;
    }
}

int FamilyTypeOf(const std::string& partNumber, TUserPrompts& prompts) {
    if (partNumber.empty()) {
        return FamilyType::Unknown;
    }
    if (const int byLetter = FamilyTypeOfLetter(partNumber[0]); byLetter != FamilyType::Unknown) {
        return byLetter;
    }
    // The header stays: a title line never holds a whole part number.
    const TFieldTable stepTwists = LoadFieldTableWithHeader("StepTwist.tbl", prompts);
    return FindRow(stepTwists, StepTwistColumn::PartNumber, partNumber) >= 0 ? FamilyType::StepTwist
                                                                             : FamilyType::Unknown;
}

std::string PartField(const std::string& partNumber, int familyType, int field) {
    switch (field) {
    case PartFieldNo::Letter:
        return Copy(partNumber, 1, 1);
    case PartFieldNo::Waveguide:
        return Copy(partNumber, 2, 3);
    case PartFieldNo::BeforeLast:
        return Copy(partNumber, static_cast<int>(partNumber.size()) - 3, 3);
    case PartFieldNo::Unit:
        switch (familyType) {
        case FamilyType::EBend:
        case FamilyType::FlexTwist:
        case FamilyType::HBend:
        case FamilyType::MiterH:
        case FamilyType::MiterE:
        case FamilyType::Straight:
            return Copy(partNumber, 5, 1);
        default:
            return "N";
        }
    default: {
        const TSpan span = FieldSpan(familyType, field);
        return Copy(partNumber, span.First, span.Width);
    }
    }
}

} // namespace cvn
