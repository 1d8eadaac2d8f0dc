#include "entry/AddToOrder.h"

#include "catalogue/RunHandler.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "orders/OrderLines.h"
#include "orders/PriceAndDelivery.h"
#include "wizard/Configurator.h"

namespace cvn {

void PressNextAndCreate(TConfigurator& wizard, TUserPrompts& prompts) {
    RunHandler(prompts, [&] { wizard.btnNextClick(); });
    if (wizard.Screen == 2) {
        RunHandler(prompts, [&] { wizard.btnCreateClick(); });
    }
}

bool HasComposedPart(const TConfigurator& wizard) {
    return !wizard.PartNumber.empty() && wizard.AddOrderEnabled;
}

int AddComposedPart(TTxtTable& orderLines, const TConfigurator& wizard, int quantity,
                    TUserPrompts& prompts) {
    TOrder order;
    order.Quantity = quantity;
    order.PartNumber = wizard.PartNumber;
    order.Description = wizard.DescribeConfiguration();
    const TPriceTexts texts = PriceAndDeliveryTexts(order.PartNumber, quantity, prompts);
    return AddOrderLine(orderLines, order, std::to_string(quantity), texts);
}

} // namespace cvn
