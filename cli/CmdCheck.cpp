#include "check/CatalogueCheck.h"
#include "cli/Commands.h"

#include <ostream>

namespace cvn {

int CmdCheck(TCliContext& ctx) {
    if (!ctx.Args.empty()) {
        ctx.Err << "usage: corvane38-cli check\n";
        return CliExit::Usage;
    }
    const std::vector<TCatalogueProblem> problems = CheckCatalogue();
    for (const TCatalogueProblem& p : problems) {
        WriteLine(ctx.Out, p.File + ":" + std::to_string(p.Row) + ": " + p.Problem);
    }
    if (problems.empty()) {
        ctx.Out << "catalogue ok\n";
        return CliExit::Ok;
    }
    return CliExit::No;
}

} // namespace cvn
