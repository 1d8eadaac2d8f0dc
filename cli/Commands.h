#pragma once

#include "cli/Cli.h"

#include <functional>
#include <string>

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
int CmdFind(TCliContext& ctx);
int CmdQuote(TCliContext& ctx);

class TTxtTable;

// Writes the printed order to a PDF file; the command line has one when it is built
// with the printouts.
using TOrderPdfWriter =
    std::function<void(const std::string& fileName, const TTxtTable& orderLines)>;
// quote, printing the order with writePdf when a PDFFILE is given.
int CmdQuoteWith(TCliContext& ctx, const TOrderPdfWriter& writePdf);

// Reads ORDERFILE as order and quote take it: missing is an empty order. False, with
// the load error reported, when it is there but cannot be read.
bool LoadOrderArgument(TCliContext& ctx, const std::string& orderFile, TTxtTable& orderLines);

} // namespace cvn
