#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "cli/Commands.h"
#include "orders/OrderExport.h"
#include "orders/OrderLines.h"
#include "orders/SiteList.h"

#include <ostream>

namespace cvn {

namespace {

// "sheet|text|xml|sitelist": the Save As formats and the site list.
std::string ExportFormatNames() {
    std::string names;
    for (const TOrderFormat& format : OrderFormats()) {
        names += std::string(format.Name) + "|";
    }
    return names + "sitelist";
}

} // namespace

int CmdExport(TCliContext& ctx) {
    const std::string usage =
        "usage: corvane38-cli export " + ExportFormatNames() + " ORDERFILE OUTFILE\n";
    if (ctx.Args.size() != 3) {
        ctx.Err << usage;
        return CliExit::Usage;
    }
    const std::string& format = ctx.Args[0];
    const std::string& orderFile = ctx.Args[1];
    const std::string& outFile = ctx.Args[2];
    const int entry = OrderFormatEntry(format);
    if (entry == 0 && format != "sitelist") {
        ctx.Err << "unknown export format: " << format << '\n' << usage;
        return CliExit::Usage;
    }
    // An order that cannot be read must not be written out as an empty one.
    TTxtTable orderLines;
    std::string errorText;
    if (!ReadOrderFile(orderFile, orderLines, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(orderFile, errorText));
        return CliExit::No;
    }
    if (entry == 0) {
        WriteSiteListFile(orderLines, outFile, ctx.Prompts);
    } else {
        OrderFormats()[static_cast<std::size_t>(entry - 1)].Write(orderLines, outFile);
    }
    return CliExit::Ok;
}

} // namespace cvn
