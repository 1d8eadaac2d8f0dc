// setup: what the Quick Builder's Create does with a typed part number, then Next and
// Create as configure presses them.

#include "catalogue/Encoding.h"
#include "catalogue/RunHandler.h"
#include "cli/Commands.h"
#include "cli/ConfigureOutput.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "wizard/Configurator.h"

#include <ostream>

namespace cvn {

int CmdSetup(TCliContext& ctx) {
    if (ctx.Args.size() != 1) {
        ctx.Err << "usage: corvane38-cli setup PART\n";
        return CliExit::Usage;
    }
    const std::string part = NormalisePartNumber(Utf8ToWin1252(ctx.Args[0]));
    TConfigurator wizard(ctx.Prompts);
    StartConfigurator(wizard);
    RunHandler(ctx.Prompts, [&] { SetupFromPartNumber(wizard, part, ctx.Prompts); });
    return PressNextCreateAndPrint(wizard, ctx);
}

} // namespace cvn
