#include "cli/Commands.h"

#include <ostream>

namespace cvn {

int CmdCheck(TCliContext& ctx) {
    ctx.Err << "check: not built yet\n";
    return CliExit::No;
}

} // namespace cvn
