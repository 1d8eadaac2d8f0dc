#pragma once

#include "catalogue/TextUtils.h"

#include <cstdint>
#include <string>

namespace cvn {

// Product families: the row of the family in Family.tbl and in the product list, and
// the switch of every per-family rule.
namespace FamilyType {
constexpr int Coax = 0;           // Waveguide to Coax Transition, C
constexpr int Twist = 1;          // 90° Twist, D
constexpr int EBend = 2;          // E Bend 90°, E
constexpr int FlexTwist = 3;      // Flexible Twist, F
constexpr int HBend = 4;          // H Bend 90°, H
constexpr int MiterH = 5;         // 90° Miter H, M
constexpr int MiterE = 6;         // 90° Miter E, N
constexpr int PressureWindow = 7; // whole entries of PressureWindows.tbl
constexpr int Straight = 8;       // Straight Section, R
constexpr int StepTwist = 9;      // whole entries of StepTwist.tbl
constexpr int Tapered = 10;       // Tapered Transition, T
constexpr int Unknown = 11;       // a part number that is not recognised
constexpr int Count = 11;
} // namespace FamilyType

// Set once at start-up, read everywhere. Paths end in "/".
extern std::string AppPath;
extern std::string DataPath;   // AppPath + "Data/"
extern std::string ImagesPath; // AppPath + "Images/"
extern bool IsImperial;        // true: inches; false: millimetres

// Sets AppPath to the folder (a trailing "/" added) and DataPath and ImagesPath beside it.
void SetAppPath(const std::string& folder);

// The two sizes of a tapered transition.
struct TTaperedWaveguide {
    std::string Smaller;
    std::string Larger;
};

// One order line prepared for the site list.
struct TQVMasterData {
    std::string Quantity;
    std::string LengthUnit; // "feet" or "meter"
    std::string Model;
    std::string PartNumber;
    std::string Description;
    std::string Price;
};

// One part handed to the Add to Order dialog.
struct TOrder {
    std::int32_t Quantity = 0;
    std::string PartNumber;
    std::string Description;
};

// The data of the printed spec page.
struct TSpecs {
    std::string FlangeAImage;
    std::string FamilyImage;
    std::string FlangeBImage;
    std::string PartNumber;
};

// x × 25.4 and x × 0.03937 (the catalogue's factor, not 1/25.4).
double InchesToMm(double inches);
double MmToInches(double mm);

// "90 - 75" gives 90 and 75; without "-", Smaller is empty and Larger the whole text.
TTaperedWaveguide SplitTaper(const std::string& text);

// Sorted ignoring case, duplicates (ignoring case) dropped; the first one added stays.
void SortUnique(TStrings& list);

// Ascending by value, equal values keeping their order. Raises EConvertError for an
// entry that is not a number.
void SortNumeric(TStrings& list);

bool ListContains(const std::string& text, const TStrings& list);

// True when the whole text (blanks around allowed) is a decimal number; "." alone
// and the empty text are not.
bool IsNumber(const std::string& text);

// Index of the first entry not less than the value (both × 10000, the value rounded);
// -1 when there is none. Raises EConvertError for text that is not a number.
int IndexOfValue(const std::string& value, const TStrings& list);

// With insertPoint, "." goes before the last character ("1234" reads 123.4). Text that
// is not a number gives 0.
double ParseDecimal(const std::string& text, bool insertPoint);

} // namespace cvn
