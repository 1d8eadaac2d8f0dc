#include "cli/Cli.h"

#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/Version.h"
#include "catalogue/cvnLib.h"
#include "cli/Commands.h"
#include "cli/StderrPrompts.h"

#include <functional>
#include <map>
#include <ostream>

namespace cvn {

namespace {

const char* const kUsage =
    "usage: corvane38-cli [--app-dir DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  family PART                      the family type of PART (0 to 11)\n"
    "  fields PART                      the ten fields of PART\n"
    "  price PART QTY                   price and delivery texts for QTY pieces\n"
    "  configure [--answer continue|swap|cancel] CHOICE...\n"
    "                                   play the wizard: KEY=VALUE choices, Next, Create\n"
    "  setup PART                       set the wizard up from PART, Next, Create\n"
    "  convert OLD                      the new part number for an old one\n"
    "  export FORMAT ORDERFILE OUTFILE  FORMAT sheet, text, xml or sitelist\n"
    "  order [--answer continue|swap|cancel] ORDERFILE QTY PART [CHOICE...]\n"
    "                                   set up from PART, Next, Create, add QTY to ORDERFILE\n"
    "  find FREQ [family=N]             sizes and bands whose range covers FREQ GHz\n"
    "  quote LISTFILE ORDERFILE [PDFFILE]\n"
    "                                   add a list of QTY PART lines to ORDERFILE\n"
    "  check                            check the catalogue as a whole\n"
    "  pdf specs PART OUTFILE           the spec sheet of PART as a PDF file\n"
    "  pdf order ORDERFILE OUTFILE      the printed order as a PDF file\n"
    "\n"
    "options:\n"
    "  --app-dir DIR   the program folder, with Data/ and Images/ inside\n"
    "                  (default: the folder of corvane38-cli)\n"
    "  --help          this text\n"
    "  --version       the program's version\n";

using TCommand = std::function<int(TCliContext&)>;

const std::map<std::string, TCommand>& Commands() {
    static const std::map<std::string, TCommand> commands = {
        {"family", CmdFamily},       {"fields", CmdFields}, {"check", CmdCheck},
        {"price", CmdPrice},         {"export", CmdExport}, {"convert", CmdConvert},
        {"configure", CmdConfigure}, {"setup", CmdSetup},   {"order", CmdOrder},
        {"find", CmdFind},           {"quote", CmdQuote},
    };
    return commands;
}

} // namespace

void WriteLine(std::ostream& out, const std::string& win1252) {
    out << Win1252ToUtf8(win1252) << '\n';
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::map<std::string, TCliCommand>& extraCommands) {
    std::string appDir = ProgramFolder();
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << kUsage;
            return CliExit::Ok;
        }
        if (args[i] == "--version") {
            out << "corvane38-cli " CORVANE_VERSION "\n";
            return CliExit::Ok;
        }
        if (args[i] == "--app-dir") {
            if (i + 1 >= args.size()) {
                err << "--app-dir needs a folder\n" << kUsage;
                return CliExit::Usage;
            }
            appDir = args[++i];
            continue;
        }
        break;
    }
    if (i >= args.size()) {
        err << kUsage;
        return CliExit::Usage;
    }
    // The program's own version of a command (one with the printouts) comes first.
    auto found = extraCommands.find(args[i]);
    if (found == extraCommands.end()) {
        found = Commands().find(args[i]);
        if (found == Commands().end()) {
            err << "unknown command: " << args[i] << '\n' << kUsage;
            return CliExit::Usage;
        }
    }
    SetAppPath(appDir);
    TStderrPrompts prompts(err);
    TCliContext ctx{
        {args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end()}, out, err, prompts};
    TStderrPrompts::ResetCatalogueFaults();
    try {
        const int status = found->second(ctx);
        // A table that could not be read or held a data error ends every command
        // unsuccessfully, after the messages it gave.
        return TStderrPrompts::CatalogueFaultSeen() ? CliExit::No : status;
    } catch (const std::exception& e) {
        // The program's general error handler shows the message and goes on; here the
        // command ends with it. Exception texts carry catalogue text in Windows-1252.
        prompts.Error(e.what());
        return CliExit::No;
    }
}

} // namespace cvn
