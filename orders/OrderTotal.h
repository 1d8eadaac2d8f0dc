#pragma once

#include "catalogue/Fixed.h"

#include <string>

namespace cvn {

class TTxtTable;

// What an order adds up to. The export files do not carry it; the order window, the
// printed order and the command line show it.
struct TOrderTotal {
    int Lines = 0;   // every line of the order
    TFixed Sum;      // the prices of the lines that have one
    int ToQuote = 0; // lines priced "N/A" or delivered "Contact Brenmoor Rep."
};

// Sums the price texts as the Add to Order dialog writes them ("$1,234.50"); a sum
// beyond what money holds raises EConvertError, as pricing does.
TOrderTotal OrderTotal(const TTxtTable& orderLines);

// "Total: $1,234.50".
std::string TotalText(const TOrderTotal& total);
// "2 lines to quote".
std::string ToQuoteText(const TOrderTotal& total);

} // namespace cvn
