#pragma once

#include <initializer_list>
#include <string>

namespace cvn {

class TTxtTable;

// True when familyType is one of familyTypes.
bool IsOneOf(int familyType, std::initializer_list<int> familyTypes);

// The bends and the miters: a length for each of two legs.
bool HasTwoLegs(int familyType);

// The flexible twist and the straight section: one length from a list.
bool HasOneLength(int familyType);

// A field of the chosen row of a selection list, or the empty text while nothing is
// chosen.
std::string ChosenField(const TTxtTable& list, int row, int column);

// Sizes that are only sold by special quote for some families.
bool IsSpecialQuote(const std::string& waveguideCode, int familyType);

// "Waveguide size 284 is available by special quote.\rPlease contact ..."
std::string SpecialQuoteMessage(const std::string& waveguideCode);

// The table whose column 1 decides which sizes a family offers, and for the families
// that share WGVSWR.tbl the family letter its column 1 must hold ("" otherwise).
struct TWaveguideSource {
    std::string Table;
    std::string Letter;
};
TWaveguideSource WaveguideSourceOf(int familyType);

// The table the family's size list is built from: Taper.tbl or WGSize.tbl.
std::string WaveguideListTable(int familyType);

// True when the family has data for the size: the letter's rows of WGVSWR.tbl are
// compared exactly, the other tables' column 1 ignoring case.
bool FamilyOffersWaveguide(int familyType, const std::string& code, const TTxtTable& source);

} // namespace cvn
