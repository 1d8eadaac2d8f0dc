// order: Quick Builder, the wizard and the Add to Order dialog's Add, on an order kept
// in a file, so that a script can build a quote from part numbers.

#include "catalogue/Encoding.h"
#include "catalogue/Files.h"
#include "catalogue/RunHandler.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "cli/Choices.h"
#include "cli/Commands.h"
#include "cli/ConfigureOutput.h"
#include "cli/StderrPrompts.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/OrderLines.h"
#include "orders/PriceAndDelivery.h"
#include "wizard/Configurator.h"

#include <ostream>

namespace cvn {

namespace {

const char* const kOrderUsage =
    "usage: corvane38-cli order [--answer continue|swap|cancel] ORDERFILE QTY PART [CHOICE...]\n"
    "  QTY a whole number from 1 to 99999; CHOICE as for configure\n";

// The quantity as the dialog's box accepts it: digits only, 1 to 99999.
bool ParseQuantity(const std::string& text, int& quantity) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
           TryStrToInt(text, quantity) && quantity >= MinOrderQuantity &&
           quantity <= MaxOrderQuantity;
}

} // namespace

int CmdOrder(TCliContext& ctx) {
    TChoices choices;
    int quantity = 0;
    if (!ParseChoices(ctx.Args, 3, choices, ctx.Err) ||
        !ParseQuantity(choices.Operands[1], quantity)) {
        ctx.Err << kOrderUsage;
        return CliExit::Usage;
    }
    const std::string& orderFile = choices.Operands[0];

    // A missing file is an empty order; one that is there but cannot be read is not.
    TTxtTable orderLines;
    std::string errorText;
    if ((FileExists(orderFile) || DirectoryExists(orderFile)) &&
        !ReadOrderFile(orderFile, orderLines, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(orderFile, errorText));
        return CliExit::Usage;
    }

    TStderrPrompts prompts(ctx.Err, choices.Answer);
    TConfigurator wizard(prompts);
    StartConfigurator(wizard);
    const std::string part = NormalisePartNumber(Utf8ToWin1252(choices.Operands[2]));
    RunHandler(prompts, [&] { SetupFromPartNumber(wizard, part, prompts); });
    if (!ApplyChoices(wizard, prompts, choices, ctx.Err)) {
        return CliExit::Usage;
    }
    PressNextAndCreate(wizard, prompts);
    if (wizard.PartNumber.empty() || !wizard.AddOrderEnabled) {
        return CliExit::No;
    }

    // What Add to Order / Check Pricing and the dialog's Add do.
    TOrder order;
    order.Quantity = quantity;
    order.PartNumber = wizard.PartNumber;
    order.Description = wizard.DescribeConfiguration();
    const TPriceTexts texts = PriceAndDeliveryTexts(order.PartNumber, quantity, prompts);
    const int line = AddOrderLine(orderLines, order, std::to_string(quantity), texts);
    // A quote made while a table could not be read or held a data error is not kept.
    if (TStderrPrompts::CatalogueFaultSeen()) {
        return CliExit::No;
    }
    WriteOrderFile(orderLines, orderFile);

    std::string fields = orderLines.GetField(line, OrderColumn::Quantity);
    for (int column = OrderColumn::Price; column <= OrderColumn::Description; ++column) {
        fields.append("\t").append(orderLines.GetField(line, column));
    }
    WriteLine(ctx.Out, fields);
    return CliExit::Ok;
}

} // namespace cvn
