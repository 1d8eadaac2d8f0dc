#include "catalogue/TextUtils.h"
#include "cli/Commands.h"
#include "orders/PriceAndDelivery.h"

#include <ostream>

namespace cvn {

int CmdPrice(TCliContext& ctx) {
    int quantity = 0;
    // The dialog's quantity box offers 1 to 99999 pieces.
    if (ctx.Args.size() != 2 || !TryStrToInt(ctx.Args[1], quantity) || quantity < 1 ||
        quantity > 99999) {
        ctx.Err << "usage: corvane38-cli price PART QTY (QTY a whole number from 1 to 99999)\n";
        return CliExit::Usage;
    }
    const TPriceTexts texts = PriceAndDeliveryTexts(ctx.Args[0], quantity, ctx.Prompts);
    WriteLine(ctx.Out, texts.Price + "\t" + texts.Delivery);
    return CliExit::Ok;
}

} // namespace cvn
