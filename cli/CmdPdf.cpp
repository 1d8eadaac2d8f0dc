#include "cli/CmdPdf.h"

#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/RunHandler.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/UserPrompts.h"
#include "cli/Commands.h"
#include "cli/ConfigureOutput.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/OrderLines.h"
#include "printing/QtPrintPages.h"
#include "printing/Specs.h"
#include "wizard/Configurator.h"

#include <QGuiApplication>

#include <memory>
#include <ostream>

namespace cvn {

namespace {

const char* const kPdfUsage = "usage: corvane38-cli pdf specs PART OUTFILE\n"
                              "       corvane38-cli pdf order ORDERFILE OUTFILE\n";

// Fonts and image readers need a Gui application; the command line never shows a
// window, so the offscreen platform serves.
std::unique_ptr<QGuiApplication> StartGui() {
    if (QCoreApplication::instance()) {
        return nullptr;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder) are not the program's messages, and
    // stderr carries only those.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "corvane38-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int Specs(TCliContext& ctx, const std::string& partArgument, const std::string& outFile) {
    const std::string part = NormalisePartNumber(Utf8ToWin1252(partArgument));
    TConfigurator wizard(ctx.Prompts);
    StartConfigurator(wizard);
    RunHandler(ctx.Prompts, [&] { SetupFromPartNumber(wizard, part, ctx.Prompts); });
    PressNextAndCreate(wizard, ctx.Prompts);
    if (!wizard.ViewSpecsEnabled) {
        ctx.Err << "no spec sheet: View Specs is not offered for this configuration\n";
        return CliExit::No;
    }
    TTxtTable specRows;
    FillSpecRows(wizard.SpecGrid, specRows);
    const auto gui = StartGui();
    WriteSpecsPdf(outFile, SpecsOf(wizard), specRows);
    return CliExit::Ok;
}

int Order(TCliContext& ctx, const std::string& orderFile, const std::string& outFile) {
    // Read as export reads it; an order that cannot be read is not printed as empty.
    TTxtTable orderLines;
    std::string errorText;
    if (!ReadOrderFile(orderFile, orderLines, errorText)) {
        ctx.Prompts.Error(LoadErrorMessage(orderFile, errorText));
        return CliExit::No;
    }
    const auto gui = StartGui();
    WriteOrderPdf(outFile, orderLines);
    return CliExit::Ok;
}

} // namespace

int CmdPdf(TCliContext& ctx) {
    if (ctx.Args.size() != 3 || (ctx.Args[0] != "specs" && ctx.Args[0] != "order")) {
        ctx.Err << kPdfUsage;
        return CliExit::Usage;
    }
    try {
        return ctx.Args[0] == "specs" ? Specs(ctx, ctx.Args[1], ctx.Args[2])
                                      : Order(ctx, ctx.Args[1], ctx.Args[2]);
    } catch (const EFCreateError& e) {
        // Nothing was left under the file's name.
        ctx.Prompts.Error(e.what());
        return CliExit::Usage;
    }
}

int CmdQuotePdf(TCliContext& ctx) {
    return CmdQuoteWith(ctx, [](const std::string& fileName, const TTxtTable& orderLines) {
        const auto gui = StartGui();
        WriteOrderPdf(fileName, orderLines);
    });
}

} // namespace cvn
