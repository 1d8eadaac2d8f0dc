#pragma once

#include "catalogue/TextUtils.h"

#include <string>

namespace cvn {

class TTxtTable;

// The stepped length lists of one family and waveguide, in both units, with the
// default length as each list would show it.
struct TLengthLists {
    bool Found = false; // Dimensions.tbl has a row for the family letter and waveguide
    TStrings ImperialItems;
    TStrings MetricItems;
    // The default of the unit the lists were built for, as that list shows it; the
    // other unit's default is not read and stays empty.
    std::string ImperialDefault; // "%.1f" of the inch default
    std::string MetricDefault;   // the millimetre default, whole
};

// Lists more than this long are taken as a broken table rather than built.
constexpr int kMaxLengthItems = 10000;

// Raises EConvertError naming the row and column when a length of the Dimensions.tbl
// row lies beyond what lengths can hold in either unit; text that is not a number is
// left to the reader of its column.
void CheckLengthRange(const TTxtTable& dimensions, int row);

// Builds the lists from the family's steps (Family.tbl columns 3 and 4 of familyRow)
// and the first Dimensions.tbl row for its letter and the waveguide; both lists are
// built, the default only for the unit in force (imperial). A number column that is
// read and is not a number raises EConvertError; so do a step of zero or less, which
// would never reach the end of the range, and a length out of range (CheckLengthRange).
TLengthLists BuildLengthLists(const TTxtTable& familyTable, int familyRow,
                              const TTxtTable& dimensions, const std::string& waveguideCode,
                              bool imperial);

// A length as the inch lists show it: one decimal, read back from the table's text.
std::string InchText(const std::string& tableText);
// A millimetre length as the lists show it: whole, halves to even.
std::string MillimetreText(double mm);

// The part-number code of a length as the lists show it: the first "." removed, the
// rest read as a whole number and written with at least `digits` digits (tenths of an
// inch, or millimetres). False when the text is not such a number.
bool TryLengthCode(const std::string& text, int digits, std::string& code);

} // namespace cvn
