// find: the sizes and bands whose frequency range covers a frequency, with what one
// family says of them.

#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"
#include "cli/Commands.h"
#include "cli/ConfigureOutput.h"
#include "wizard/Configurator.h"
#include "wizard/SizeFinder.h"

#include <ostream>

namespace cvn {

namespace {

const char* const kFindUsage = "usage: corvane38-cli find FREQ [family=N]\n"
                               "  FREQ GHz (10, 10.5, 10,5) or a range A-B; N from 0 to 10\n";

// "family=N" with N a row of the product list.
bool ParseFamily(const std::string& argument, int& family) {
    const std::string key = "family=";
    if (argument.compare(0, key.size(), key) != 0) {
        return false;
    }
    const std::string value = argument.substr(key.size());
    return !value.empty() && value.find_first_not_of("0123456789") == std::string::npos &&
           value.size() <= 2 && TryStrToInt(value, family) && family >= 0 &&
           family < FamilyType::Count;
}

} // namespace

int CmdFind(TCliContext& ctx) {
    int family = -1;
    if (ctx.Args.empty() || ctx.Args.size() > 2 ||
        (ctx.Args.size() == 2 && !ParseFamily(ctx.Args[1], family))) {
        ctx.Err << kFindUsage;
        return CliExit::Usage;
    }
    const auto span = ParseFrequencyQuery(ctx.Args[0]);
    if (!span) {
        ctx.Err << "not a frequency: " << ctx.Args[0] << '\n' << kFindUsage;
        return CliExit::Usage;
    }

    TUserPrompts& prompts = ctx.Prompts;
    TConfigurator running(prompts);
    if (family >= 0) {
        StartConfigurator(running);
    }
    const std::vector<TSizeMatch> matches = FindSizes(*span, family, running, prompts);
    for (const TSizeMatch& m : matches) {
        WriteLine(ctx.Out, m.Code + "\t" + m.WR + "\t" + m.Band + "\t" + m.Range + "\t" +
                               (m.Vswr.empty() ? "-" : m.Vswr) + "\t" + SizeStatusText(m.Status));
    }
    // A table that could not be read also ends it with exit 1, through RunCli.
    return matches.empty() ? CliExit::No : CliExit::Ok;
}

} // namespace cvn
