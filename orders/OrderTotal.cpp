#include "orders/OrderTotal.h"

#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "orders/PriceAndDelivery.h"
#include "orders/SiteList.h"

namespace cvn {

TOrderTotal OrderTotal(const TTxtTable& orderLines) {
    TOrderTotal total;
    total.Lines = orderLines.RowCount();
    for (int line = 0; line < orderLines.RowCount(); ++line) {
        const std::string price = orderLines.GetField(line, OrderColumn::Price);
        if (price == kNotAvailable ||
            orderLines.GetField(line, OrderColumn::Delivery) == kContactRep) {
            ++total.ToQuote;
        }
        TFixed value;
        if (price != kNotAvailable && TFixed::TryParse(StripPrice(price), value)) {
            total.Sum += value;
        }
    }
    return total;
}

std::string TotalText(const TOrderTotal& total) {
    return "Total: " + total.Sum.FormatMoney();
}

std::string ToQuoteText(const TOrderTotal& total) {
    return std::to_string(total.ToQuote) + " lines to quote";
}

} // namespace cvn
