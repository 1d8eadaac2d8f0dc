#pragma once

#include "orders/OrderLines.h"

#include <string>

namespace cvn {

class TConfigurator;
class TTxtTable;
class TUserPrompts;

// Presses Next and, when screen 2 is reached, Create; prompts answer any
// confirmation. Each press runs through the general error handler.
void PressNextAndCreate(TConfigurator& wizard, TUserPrompts& prompts);

// Create composed a part number that Add to Order can take.
bool HasComposedPart(const TConfigurator& wizard);

// What Add to Order / Check Pricing and the dialog's Add do with the composed part at
// quantity: priced afresh, then the part's line gets the new quantity, price and
// delivery, or a new line is appended. Returns the line's index. A price table that
// holds text where a number belongs raises EConvertError.
int AddComposedPart(TTxtTable& orderLines, const TConfigurator& wizard, int quantity,
                    TUserPrompts& prompts);

} // namespace cvn
