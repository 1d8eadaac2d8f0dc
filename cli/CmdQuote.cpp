// quote: a customer's list of quantities and part numbers added to an order in one
// run, as the order command would add them one by one.

#include "catalogue/Files.h"
#include "catalogue/TxtTable.h"
#include "cli/Commands.h"
#include "cli/StderrPrompts.h"
#include "entry/ListQuote.h"
#include "orders/OrderLines.h"
#include "orders/OrderTotal.h"

#include <algorithm>
#include <ostream>

namespace cvn {

namespace {

const char* const kQuoteUsage = "usage: corvane38-cli quote LISTFILE ORDERFILE [PDFFILE]\n"
                                "  LISTFILE lines QTY PART (tab, comma, semicolon or blanks)\n";

} // namespace

bool LoadOrderArgument(TCliContext& ctx, const std::string& orderFile, TTxtTable& orderLines) {
    // A missing file is an empty order; one that is there but cannot be read is not.
    std::string errorText;
    if ((FileExists(orderFile) || DirectoryExists(orderFile)) &&
        !ReadOrderFile(orderFile, orderLines, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(orderFile, errorText));
        return false;
    }
    return true;
}

int CmdQuoteWith(TCliContext& ctx, const TOrderPdfWriter& writePdf) {
    if (ctx.Args.size() < 2 || ctx.Args.size() > 3) {
        ctx.Err << kQuoteUsage;
        return CliExit::Usage;
    }
    const std::string& listFile = ctx.Args[0];
    const std::string& orderFile = ctx.Args[1];
    const bool pdf = ctx.Args.size() == 3;
    if (pdf && !writePdf) {
        ctx.Err << "this corvane38-cli was built without the PDF printouts\n";
        return CliExit::Usage;
    }
    std::string bytes;
    std::string errorText;
    if (!ReadWholeFile(listFile, bytes, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(listFile, errorText));
        return CliExit::Usage;
    }
    TTxtTable orderLines;
    if (!LoadOrderArgument(ctx, orderFile, orderLines)) {
        return CliExit::Usage;
    }

    const std::vector<TQuoteResult> results =
        QuoteList(orderLines, ParseQuoteList(bytes), ctx.Prompts);
    for (const TQuoteResult& result : results) {
        WriteLine(ctx.Out, QuoteReportLine(result));
    }
    // Summed before anything is written: an order whose total overflows is refused.
    const TOrderTotal total = OrderTotal(orderLines);
    const bool allAdded = std::all_of(results.begin(), results.end(),
                                      [](const TQuoteResult& r) { return r.Added(); });
    const bool anyAdded = std::any_of(results.begin(), results.end(),
                                      [](const TQuoteResult& r) { return r.Added(); });
    // A quote made while a table could not be read or held a data error is not kept;
    // the command then ends with exit 1 after its report.
    const bool faultSeen = TStderrPrompts::CatalogueFaultSeen();
    if (anyAdded && !faultSeen) {
        WriteOrderFile(orderLines, orderFile);
    }
    if (pdf && !faultSeen) {
        writePdf(ctx.Args[2], orderLines);
    }
    WriteLine(ctx.Out, QuoteTotalLine(total));
    return allAdded ? CliExit::Ok : CliExit::No;
}

int CmdQuote(TCliContext& ctx) {
    return CmdQuoteWith(ctx, {});
}

} // namespace cvn
