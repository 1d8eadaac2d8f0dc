#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "cli/Commands.h"
#include "orders/OrderExport.h"
#include "orders/SiteList.h"

#include <ostream>

namespace cvn {

int CmdExport(TCliContext& ctx) {
    static const char* const usage =
        "usage: corvane38-cli export sheet|text|xml|sitelist ORDERFILE OUTFILE\n";
    if (ctx.Args.size() != 3) {
        ctx.Err << usage;
        return CliExit::Usage;
    }
    const std::string& format = ctx.Args[0];
    const std::string& orderFile = ctx.Args[1];
    const std::string& outFile = ctx.Args[2];
    if (format != "sheet" && format != "text" && format != "xml" && format != "sitelist") {
        ctx.Err << "unknown export format: " << format << '\n' << usage;
        return CliExit::Usage;
    }
    // An order that cannot be read must not be written out as an empty one.
    std::string bytes;
    std::string errorText;
    if (!ReadWholeFile(orderFile, bytes, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(orderFile, errorText));
        return CliExit::No;
    }
    TTxtTable orderLines;
    orderLines.Lines = SplitLines(bytes);
    if (format == "sheet") {
        SaveOrderAsSheet(orderLines, outFile);
    } else if (format == "text") {
        SaveOrderAsText(orderLines, outFile);
    } else if (format == "xml") {
        SaveOrderAsXml(orderLines, outFile);
    } else {
        WriteSiteListFile(orderLines, outFile, ctx.Prompts);
    }
    return CliExit::Ok;
}

} // namespace cvn
