// Options > Find Size by Frequency: the dialog lists the sizes; the chosen one goes
// to the waveguide list as a click there would.

#include "wizard/FindSizeDialog.h"
#include "wizard/Main.h"
#include "wizard/SizeFinder.h"

namespace cvn {

void TfrmMain::mnuFindSizeClick() {
    TfrmFindSize dialog(Services.Prompts, FCore, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::string code = dialog.ChosenCode();
    Handle([&] { ChooseFoundSize(FCore, code); });
}

} // namespace cvn
