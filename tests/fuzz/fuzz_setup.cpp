// Set-up from a typed part number, then Next and Create, on the sample catalogue. A
// part number the wizard composes must set the wizard up to compose itself again.
// The input is the typed text; bytes after a line break answer the dialogs.
#include "catalogue/cvnLib.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <cstdint>

using namespace cvn;

namespace {

std::string Compose(TConfigurator& wizard) {
    wizard.btnNextClick();
    if (wizard.Screen != 2) {
        return {};
    }
    wizard.btnCreateClick();
    if (!wizard.PartNumber.empty()) {
        wizard.DescribeConfiguration();
    }
    return wizard.PartNumber;
}

std::string SetUpAndCompose(const std::string& part, TUserPrompts& prompts) {
    IsImperial = true;
    TConfigurator wizard{prompts};
    wizard.FormCreate(fuzz::ProgramFolder());
    SetupFromPartNumber(wizard, part, prompts);
    return Compose(wizard);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    const std::string typed = input.substr(0, end);
    FuzzedDataProvider answers(data + (end == std::string::npos ? size : end),
                               end == std::string::npos ? 0 : size - end);
    fuzz::TFuzzPrompts prompts(&answers);
    const std::string composed = SetUpAndCompose(NormalisePartNumber(typed), prompts);
    if (composed.empty()) {
        return 0;
    }
    fuzz::TFuzzPrompts yes;
    const std::string again = SetUpAndCompose(composed, yes);
    if (again != composed) {
        fuzz::Fail("'" + composed + "' sets the wizard up to compose '" + again + "'");
    }
    return 0;
}
