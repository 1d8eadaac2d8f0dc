#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cvn {

using TStrings = std::vector<std::string>;

// Removes leading and trailing characters of code 32 or less.
std::string Trim(std::string_view text);

// Upper-cases A..Z only; other bytes stay as they are.
std::string UpperCase(std::string_view text);

// Equal ignoring the case of A..Z.
bool SameText(std::string_view a, std::string_view b);

// Orders ignoring the case of A..Z, then by byte value; negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);

// Splits text into lines at CR LF, LF or CR; a break after the last line adds no line.
TStrings SplitLines(std::string_view text);

// Joins lines, each followed by CR LF (also the last).
std::string JoinLinesCrLf(const TStrings& lines);

// Whole decimal numbers in the 32-bit range, blanks around allowed.
bool TryStrToInt(std::string_view text, int& value);
// As TryStrToInt; raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

// Decimal numbers with "." as the decimal point and an optional exponent, blanks
// around allowed; the regional settings of the user play no part.
bool TryStrToFloat(std::string_view text, double& value);
// As TryStrToFloat; raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(std::string_view text);

// Nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double value);

} // namespace cvn
