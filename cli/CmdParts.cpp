#include "catalogue/PartNumber.h"
#include "cli/Commands.h"

#include <ostream>

namespace cvn {

int CmdFamily(TCliContext& ctx) {
    if (ctx.Args.size() != 1) {
        ctx.Err << "usage: corvane38-cli family PART\n";
        return CliExit::Usage;
    }
    ctx.Out << FamilyTypeOf(ctx.Args[0], ctx.Prompts) << '\n';
    return CliExit::Ok;
}

int CmdFields(TCliContext& ctx) {
    if (ctx.Args.size() != 1) {
        ctx.Err << "usage: corvane38-cli fields PART\n";
        return CliExit::Usage;
    }
    const std::string& part = ctx.Args[0];
    const int type = FamilyTypeOf(part, ctx.Prompts);
    for (int field = 0; field <= 9; ++field) {
        WriteLine(ctx.Out, std::to_string(field) + "\t" + PartField(part, type, field));
    }
    return CliExit::Ok;
}

} // namespace cvn
