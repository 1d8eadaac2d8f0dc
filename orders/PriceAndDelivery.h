#pragma once

#include "catalogue/Fixed.h"

#include <cstdint>
#include <string>

namespace cvn {

class TUserPrompts;

// What one price table says about one piece of a part.
struct TPriceAndDelivery {
    TFixed Price;                 // one piece; 0 when no price is known
    std::string DeliveryTime;     // as the table writes it; empty when nothing was found
    std::int32_t MaxQuantity = 0; // largest quantity DeliveryTime holds for; 0 when none
};

// Looks the part up in its family's price table, read afresh on every call. Pressure
// windows and unrecognised part numbers read no file and give the empty record; a
// table that cannot be loaded is reported through prompts and counts as a miss.
// A money, threshold or quantity column of the matching row that is not a number
// raises EConvertError.
TPriceAndDelivery LookupPrice(const std::string& partNumber, int familyType, TUserPrompts& prompts);

// The texts that stand where the tables give no price or no delivery.
inline constexpr const char* kNotAvailable = "N/A";
inline constexpr const char* kContactRep = "Contact Brenmoor Rep.";

// The texts the Add to Order dialog shows.
struct TPriceTexts {
    std::string Price;    // the line total ("$1,234.50") or "N/A"
    std::string Delivery; // the table's estimate or "Contact Brenmoor Rep."
};

// The line total for the quantity and the delivery estimate, ready for display.
TPriceTexts PriceAndDeliveryTexts(const std::string& partNumber, int quantity,
                                  TUserPrompts& prompts);

} // namespace cvn
