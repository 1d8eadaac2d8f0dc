#include "catalogue/Encoding.h"
#include "cli/Commands.h"
#include "entry/Conversion.h"

#include <ostream>

namespace cvn {

// Plays the Convert dialog without its history: type OLD, press Convert.
int CmdConvert(TCliContext& ctx) {
    if (ctx.Args.size() != 1) {
        ctx.Err << "usage: corvane38-cli convert OLD\n";
        return CliExit::Usage;
    }
    TOldPartConverter dialog(ctx.Prompts);
    dialog.FormShow();
    dialog.cbxOldPartNumberChange(Utf8ToWin1252(ctx.Args[0]), -1);
    dialog.btnCreateClick();
    if (!dialog.ContinueEnabled) {
        return CliExit::No;
    }
    WriteLine(ctx.Out, dialog.NewPartNumber + "\t" + dialog.Comments);
    return CliExit::Ok;
}

} // namespace cvn
