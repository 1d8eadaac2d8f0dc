#include "cli/Cli.h"

#ifdef CORVANE_CLI_PDF
#include "cli/CmdPdf.h"
#endif

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef CORVANE_CLI_PDF
    return cvn::RunCli(args, std::cout, std::cerr,
                       {{"pdf", cvn::CmdPdf}, {"quote", cvn::CmdQuotePdf}});
#else
    return cvn::RunCli(args, std::cout, std::cerr);
#endif
}
