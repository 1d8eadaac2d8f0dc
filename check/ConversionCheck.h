#pragma once

#include <optional>
#include <string>

namespace cvn {

// Whether a new part number of "Conversion.tbl" is one the program can take on: set
// up from it, the wizard must compose the same part number again, and the part must
// have a price. Gives what goes wrong, or nothing. Uses the catalogue in DataPath;
// the unit system is left as it was.
std::optional<std::string> ConversionTargetProblem(const std::string& partNumber);

} // namespace cvn
