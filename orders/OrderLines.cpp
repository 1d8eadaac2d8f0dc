#include "orders/OrderLines.h"

#include "catalogue/Files.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "orders/PriceAndDelivery.h"

#include <algorithm>

namespace cvn {

bool ParseOrderQuantity(const std::string& text, int& quantity) {
    int value = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        !TryStrToInt(text, value) || value < MinOrderQuantity || value > MaxOrderQuantity) {
        return false;
    }
    quantity = value;
    return true;
}

int FindOrderLine(const TTxtTable& orderLines, const std::string& partNumber) {
    return FindRow(orderLines, OrderColumn::PartNumber, partNumber);
}

int AddOrderLine(TTxtTable& orderLines, const TOrder& order, const std::string& quantityText,
                 const TPriceTexts& texts) {
    const int line = FindOrderLine(orderLines, order.PartNumber);
    if (line >= 0) {
        orderLines.SetField(line, OrderColumn::Quantity, quantityText);
        orderLines.SetField(line, OrderColumn::Price, texts.Price);
        orderLines.SetField(line, OrderColumn::Delivery, texts.Delivery);
        return line;
    }
    orderLines.Lines.push_back(quantityText + "|" + texts.Price + "|" + texts.Delivery + "|" +
                               order.PartNumber + "|" + order.Description);
    return orderLines.RowCount() - 1;
}

TOrder OrderOfLine(const TTxtTable& orderLines, int line) {
    TOrder order;
    order.Quantity = StrToInt(orderLines.GetField(line, OrderColumn::Quantity));
    order.PartNumber = orderLines.GetField(line, OrderColumn::PartNumber);
    order.Description = orderLines.GetField(line, OrderColumn::Description);
    return order;
}

TAddOrderLook AddOrderLook(const TTxtTable& orderLines, const TOrder& order) {
    TAddOrderLook look;
    const int line = FindOrderLine(orderLines, order.PartNumber);
    look.Listed = line >= 0;
    if (look.Listed) {
        look.Note = "This item is already in your order. You can change the quantity desired "
                    "and press OK, or press Cancel to leave the order unchanged.";
        look.NoteIsRed = true;
        look.AddCaption = "&Continue";
        look.Quantity = StrToInt(orderLines.GetField(line, OrderColumn::Quantity));
    } else {
        look.Note = "To add this item to your order, specify the quantity desired and press OK.";
        look.AddCaption = "&Add";
    }
    return look;
}

std::string OrderCountText(const TTxtTable& orderLines, int selectedRow) {
    const int lines = orderLines.RowCount();
    const int shown = lines == 0 ? 0 : std::clamp(selectedRow, 0, lines);
    return "Orders - " + std::to_string(shown) + " of " + std::to_string(lines);
}

int OrderGridRowCount(const TTxtTable& orderLines) {
    return std::max(orderLines.RowCount() + 1, 2);
}

bool CanEditPartNumber(const TTxtTable& orderLines, int line, TUserPrompts& prompts) {
    if (line < 0 || line >= orderLines.RowCount()) {
        return false;
    }
    switch (FamilyTypeOf(orderLines.GetField(line, OrderColumn::PartNumber), prompts)) {
    case FamilyType::PressureWindow:
    case FamilyType::StepTwist:
    case FamilyType::Unknown:
        return false;
    default:
        return true;
    }
}

std::string DeleteLineQuestion(const TTxtTable& orderLines, int line) {
    return "Delete \"" + orderLines.GetField(line, OrderColumn::PartNumber) + "\" from your order?";
}

bool ReadOrderFile(const std::string& fileName, TTxtTable& orderLines, std::string& errorText) {
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes, errorText)) {
        return false;
    }
    TTxtTable read;
    int lineNumber = 0;
    for (std::string& line : SplitLines(bytes)) {
        ++lineNumber;
        // A blank line (an editor's extra line end) holds no part.
        if (Trim(line).empty()) {
            continue;
        }
        // A short line would lose its part number or description at the next write.
        const auto fields = std::count(line.begin(), line.end(), read.Separator) + 1;
        if (fields < kOrderLineFields) {
            errorText = fileName + " line " + std::to_string(lineNumber) + ": " +
                        std::to_string(fields) + " fields where an order line has " +
                        std::to_string(kOrderLineFields) +
                        " (quantity|price|delivery|part number|description)";
            return false;
        }
        read.Lines.push_back(std::move(line));
    }
    orderLines = std::move(read);
    return true;
}

void WriteOrderFile(const TTxtTable& orderLines, const std::string& fileName) {
    WriteFileAtomic(fileName, JoinLinesCrLf(orderLines.Lines));
}

} // namespace cvn
