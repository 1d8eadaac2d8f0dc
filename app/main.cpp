#include "app/ErrorHandler.h"
#include "app/Look.h"
#include "app/Program.h"
#include "app/QtServices.h"
#include "app/ScreenshotHook.h"
#include "catalogue/Files.h"

int main(int argc, char** argv) {
    // Only whether there are arguments matters: with any, no splash.
    const bool withArguments = argc > 1;
    cvn::TCorvaneApplication app(argc, argv);
    cvn::SetUpLook(app);
    cvn::TQtServices desktop;
    app.Prompts = &desktop.Prompts;

    cvn::TProgramOptions options;
    options.ShowSplash = !withArguments;
    options.ProgramFolder = cvn::ProgramFolder();
    cvn::TProgram program(desktop.Services(), options);
    cvn::ArmScreenshotHook(program);
    return program.Run();
}
