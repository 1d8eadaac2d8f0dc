#pragma once

#include "catalogue/cvnLib.h"

#include <string>

namespace cvn {

class TTxtTable;
class TUserPrompts;

// One order line ("quantity|price|delivery|part number|description") prepared for
// the site list. The length unit is "meter" for a part number with lengths in
// millimetres, "feet" for every other one. prompts reports a step-twist table that
// cannot be loaded while the family is found.
TQVMasterData OrderLineToMasterData(const std::string& line, TUserPrompts& prompts);

// A price text as a plain number: "$1,234.50" gives "1234.50", "N/A" gives "0".
std::string StripPrice(const std::string& priceText);

// The site list of materials for the order, in Windows-1252, CR LF after every line:
// the fixed header and site lines, then one numbered item line per order line.
std::string SiteListText(const TTxtTable& orderLines, TUserPrompts& prompts);

// Replaces the named file with the site list. Raises EFCreateError when it cannot.
void WriteSiteListFile(const TTxtTable& orderLines, const std::string& fileName,
                       TUserPrompts& prompts);

// Writes the site list to "corvane38.lom" in the program folder, for the outside
// site-planning tool; the main window calls it at every close.
void WriteSiteList(const TTxtTable& orderLines, TUserPrompts& prompts);

} // namespace cvn
