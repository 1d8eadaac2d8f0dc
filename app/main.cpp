#include "app/ErrorHandler.h"
#include "app/Look.h"
#include "app/Program.h"
#include "app/QtServices.h"
#include "app/ScreenshotHook.h"
#include "app/SingleInstance.h"
#include "catalogue/Files.h"
#include "catalogue/Version.h"

#include <cstdio>
#include <cstring>

// For the main window brought to the front.
#include "wizard/Main.h"

#include <QFile>

int main(int argc, char** argv) {
    // Before Qt starts: it needs no window and no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("corvane38 %s\n", CORVANE_VERSION);
        return 0;
    }
    // Only whether there are arguments matters: with any, no splash.
    const bool withArguments = argc > 1;
    cvn::TCorvaneApplication app(argc, argv);
    const std::string folder = cvn::ProgramFolder();
    // A second start in the same folder only brings the running program forward.
    cvn::TSingleInstance instance(QFile::decodeName(QByteArray::fromStdString(folder)));
    if (!instance.Claim()) {
        return 0;
    }
    cvn::SetUpLook(app);
    cvn::TQtServices desktop;
    app.Prompts = &desktop.Prompts;

    cvn::TProgramOptions options;
    options.ShowSplash = !withArguments;
    options.ProgramFolder = folder;
    cvn::TProgram program(desktop.Services(), options);
    instance.OnWakeUp = [&program] { cvn::BringToFront(program.MainWindow()); };
    cvn::ArmScreenshotHook(program);
    return program.Run();
}
