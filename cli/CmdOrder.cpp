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
#include "entry/AddToOrder.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/OrderLines.h"
#include "wizard/Configurator.h"

#include <ostream>

namespace cvn {

namespace {

const char* const kOrderUsage =
    "usage: corvane38-cli order [--answer continue|swap|cancel] ORDERFILE QTY PART [CHOICE...]\n"
    "  QTY a whole number from 1 to 99999; CHOICE as for configure\n";

} // namespace

int CmdOrder(TCliContext& ctx) {
    TChoices choices;
    int quantity = 0;
    if (!ParseChoices(ctx.Args, 3, choices, ctx.Err) ||
        !ParseOrderQuantity(choices.Operands[1], quantity)) {
        ctx.Err << kOrderUsage;
        return CliExit::Usage;
    }
    const std::string& orderFile = choices.Operands[0];

    TTxtTable orderLines;
    if (!LoadOrderArgument(ctx, orderFile, orderLines)) {
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
    if (!HasComposedPart(wizard)) {
        return CliExit::No;
    }
    const int line = AddComposedPart(orderLines, wizard, quantity, prompts);
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
