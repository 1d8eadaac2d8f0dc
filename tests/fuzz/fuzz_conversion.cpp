// Old part-number conversion over a fuzzed Conversion.tbl: the Convert dialog's rules,
// and Continue setting the wizard up from whatever the table names. The input is the
// old part number typed, then the bytes of the table.
#include "catalogue/TextUtils.h"
#include "entry/Conversion.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [typed, rest] = fuzz::SplitFirstLine(fuzz::Text(data, size));
    fuzz::ProgramFolder();
    const auto table = fuzz::ReplaceUnlessEmpty("Conversion.tbl", rest);
    fuzz::TFuzzPrompts prompts;
    const std::optional<TConversion> found = LookupConversion(typed, prompts);
    fuzz::FailIf(found && found->NewPartNumber != UpperCase(found->NewPartNumber),
                 "a new part number that is not upper-cased");
    const auto wizard = fuzz::NewWizard(prompts);
    TOldPartConverter converter(prompts);
    converter.SetupFromPartNumber = [&](const std::string& part) {
        SetupFromPartNumber(*wizard, part, prompts);
    };
    converter.FormShow();
    converter.cbxOldPartNumberChange(typed, -1);
    converter.btnCreateClick();
    fuzz::FailIf(converter.ContinueEnabled != found.has_value(),
                 "Continue enabled without a conversion, or not with one");
    if (converter.ContinueEnabled) {
        converter.btnContinueClick();
        wizard->btnNextClick();
        if (wizard->Screen == 2) {
            wizard->btnCreateClick();
        }
    }
    return 0;
}
