// Set-up from a typed part number, then Next and Create, on the sample catalogue. A
// part number the wizard composes must set the wizard up to compose itself again.
// The input is the typed text; bytes after a line break answer the dialogs.
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

using namespace cvn;

namespace {

std::string SetUpAndCompose(const std::string& part, TUserPrompts& prompts) {
    const auto wizard = fuzz::NewWizard(prompts);
    SetupFromPartNumber(*wizard, part, prompts);
    wizard->btnNextClick();
    if (wizard->Screen != 2) {
        return {};
    }
    wizard->btnCreateClick();
    if (!wizard->PartNumber.empty()) {
        wizard->DescribeConfiguration();
    }
    return wizard->PartNumber;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fuzz::Text(data, size);
    // The answers begin with the line break itself.
    const std::size_t end = std::min(input.find('\n'), size);
    FuzzedDataProvider answers(data + end, size - end);
    fuzz::TFuzzPrompts prompts(&answers);
    const std::string composed =
        SetUpAndCompose(NormalisePartNumber(input.substr(0, end)), prompts);
    fuzz::TFuzzPrompts yes;
    const std::string again = composed.empty() ? composed : SetUpAndCompose(composed, yes);
    if (again != composed) {
        fuzz::Fail("'" + composed + "' sets the wizard up to compose '" + again + "'");
    }
    return 0;
}
