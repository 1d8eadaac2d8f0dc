#include "app/MainLinks.h"

#include "app/About.h"
#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "entry/SetupFromPartNumber.h"
#include "printing/PreviewWindow.h"
#include "update/UpdateWindow.h"
#include "wizard/Main.h"

namespace cvn {

void ConnectMainWindow(TfrmMain& main, TServices services, TfrmPreview& preview) {
    main.SetUpCore = [services](TConfigurator& wizard, const std::string& part) {
        SetupFromPartNumber(wizard, part, services.Prompts);
    };
    main.ViewSpecs = [services, &preview](const TConfigurator& wizard) {
        if (RunHandler(services.Prompts, [&] { preview.Core().ViewSpecs(wizard); })) {
            preview.Open();
        }
    };
    main.ShowUpdate = [services, &main] {
        ShowUpdateWindow(services, AppPath, std::string(), &main);
    };
    main.RemindOfUpdate = [services, &main] { RunUpdateCheck(services, AppPath, &main); };
    main.ShowAbout = [services, &main] {
        TfrmAbout about(services.Launcher, &main);
        about.exec();
    };
}

} // namespace cvn
