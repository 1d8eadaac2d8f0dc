#include "catalogue/PartNumber.h"

#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"

namespace cvn {

namespace {

// 1-based first position and width of a field; width 0 when the family lacks it.
struct TSpan {
    int First = 0;
    int Width = 0;
};

// Fields 2, 3, 4, 5, 7 and 8 by family type.
TSpan FieldSpan(int familyType, int field) {
    using namespace FamilyType;
    switch (familyType) {
    case Coax:
    case Twist:
        switch (field) {
        case 2:
            return {5, 1};
        case 3:
            return {6, 1};
        case 4:
            return {7, 1};
        case 5:
            return {8, 1};
        default:
            return {};
        }
    case EBend:
    case HBend:
    case MiterH:
    case MiterE:
        switch (field) {
        case 2:
            return {6, 1};
        case 3:
            return {10, 1};
        case 4:
            return {14, 1};
        case 5:
            return {15, 1};
        case 7:
            return {7, 3};
        case 8:
            return {11, 3};
        default:
            return {};
        }
    case FlexTwist:
        switch (field) {
        case 2:
            return {6, 1};
        case 3:
            return {11, 1};
        case 4:
            return {12, 1};
        case 7:
            return {7, 4};
        default:
            return {};
        }
    case Straight:
        switch (field) {
        case 2:
            return {6, 1};
        case 3:
            return {11, 1};
        case 4:
            return {12, 1};
        case 5:
            return {13, 1};
        case 7:
            return {7, 4};
        default:
            return {};
        }
    case Tapered:
        switch (field) {
        case 2:
            return {5, 1};
        case 3:
            return {6, 1};
        case 5:
            return {7, 1};
        default:
            return {};
        }
    default:
        return {};
    }
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

int FamilyTypeOf(const std::string& partNumber, TUserPrompts& prompts) {
    if (partNumber.empty()) {
        return FamilyType::Unknown;
    }
    switch (partNumber[0]) {
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
        break;
    }
    // The header stays: a title line never holds a whole part number.
    const TTxtTable stepTwists = TTxtTable::CreateFromFile(DataPath + "StepTwist.tbl", prompts);
    return FindRow(stepTwists, 5, partNumber) >= 0 ? FamilyType::StepTwist : FamilyType::Unknown;
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
