#pragma once

#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "wizard/Configurator.h"

#include <string>

namespace cvn {

// The page of the configuration the main window shows: the chosen flange A, flange B
// (not the coax type) and family pictures, and the part-number box.
TSpecs SpecsOf(const TConfigurator& wizard);

// SpecRows from the description grid: one "margin|code|label|value|" line per row
// that has some text, without the "Units" row.
void FillSpecRows(const TSpecGrid& grid, TTxtTable& specRows);

} // namespace cvn
