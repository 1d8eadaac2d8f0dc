#pragma once

#include "cli/Cli.h"
#include "entry/AddToOrder.h"

namespace cvn {

class TConfigurator;

// Starts the configurator as the program's main window does: FormCreate on AppPath,
// so the tables are loaded and the unit system comes from Corvane.ini. The command
// line never closes it: closing writes Corvane.ini and the site list, which only the
// program itself writes, at its end.
void StartConfigurator(TConfigurator& wizard);

// Presses Next and, when screen 2 is reached, Create (the wizard's prompts answer any
// confirmation); then prints the part-number, frequency, spec and description lines.
// Messages go to ctx.Prompts, which should be the wizard's. Returns the exit code.
int PressNextCreateAndPrint(TConfigurator& wizard, TCliContext& ctx);

} // namespace cvn
