#pragma once

#include "cli/Cli.h"

namespace cvn {

// pdf specs PART OUTFILE, pdf order ORDERFILE OUTFILE: the printouts as PDF files,
// drawn with Qt on its offscreen platform, so no display is needed.
int CmdPdf(TCliContext& ctx);

// quote LISTFILE ORDERFILE [PDFFILE], with the printed order written as pdf order does.
int CmdQuotePdf(TCliContext& ctx);

} // namespace cvn
