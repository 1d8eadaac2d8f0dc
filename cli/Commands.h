#pragma once

#include "cli/Cli.h"

namespace cvn {

// One function per command; each returns the exit code.
int CmdFamily(TCliContext& ctx);
int CmdFields(TCliContext& ctx);
int CmdCheck(TCliContext& ctx);
int CmdPrice(TCliContext& ctx);
int CmdExport(TCliContext& ctx);
int CmdConvert(TCliContext& ctx);
int CmdConfigure(TCliContext& ctx);
int CmdSetup(TCliContext& ctx);
int CmdOrder(TCliContext& ctx);

} // namespace cvn
