#pragma once

#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// The sizes a family has data for, gathered in one pass over its source table (see
// WaveguideSourceOf): the letter's rows of WGVSWR.tbl give their column 2, compared
// exactly; the other tables give their column 1, compared ignoring case.
class TOfferedWaveguides {
public:
    template <class Table> TOfferedWaveguides(int familyType, const Table& source) {
        const TWaveguideSource s = WaveguideSourceOf(familyType);
        if (s.Table.empty()) {
            return;
        }
        IgnoreCase = s.Letter.empty();
        for (int r = 0; r < source.RowCount(); ++r) {
            if (IgnoreCase) {
                Add(UpperCase(source.GetField(r, WaveguideKeyColumn)));
            } else if (source.GetField(r, WGVSWRColumn::Letter) == s.Letter) {
                Add(source.GetField(r, WGVSWRColumn::Waveguide));
            }
        }
        Sort();
    }
    bool Contains(std::string_view code) const;

private:
    bool IgnoreCase = false;
    std::vector<std::string> Codes; // sorted, each once

    // Rows of one size mostly follow one another: those add nothing new.
    void Add(std::string_view code) {
        if (Codes.empty() || Codes.back() != code) {
            Codes.emplace_back(code);
        }
    }
    void Sort();
};

} // namespace cvn
