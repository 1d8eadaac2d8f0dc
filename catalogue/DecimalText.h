#pragma once

#include <string>
#include <string_view>

namespace cvn {

// A decimal number as written: sign, digits and decimal exponent, kept exactly so
// that fixed-point values can be rounded from the text rather than from a double.
struct TDecimalText {
    bool Negative = false;
    std::string Digits; // without leading zeros; empty for zero
    int Exponent = 0;   // value = Digits x 10^Exponent

    std::string Canonical() const;
};

// Accepts blanks around, an optional sign, digits with an optional "." (at least one
// digit) and an optional exponent ("e" or "E", optional sign, digits).
bool ParseDecimalText(std::string_view text, TDecimalText& out);

} // namespace cvn
