#pragma once

#include <string>
#include <vector>

namespace cvn {

// One problem of the catalogue: the file, the row as counted in the file (the header
// is row 1; 0 for the file as a whole) and what is wrong.
struct TCatalogueProblem {
    std::string File;
    int Row = 0;
    std::string Problem;
};

// Checks the catalogue in DataPath and ImagesPath as a whole: number columns parse,
// codes referenced across tables exist, every size a family offers can be configured
// to the end (flanges, lengths in both units, frequencies, price rows), flexible-twist
// lengths lie within their breakpoints, every picture named exists, and every new
// part number of Conversion.tbl sets up, composes back to itself and has a price.
std::vector<TCatalogueProblem> CheckCatalogue();

} // namespace cvn
