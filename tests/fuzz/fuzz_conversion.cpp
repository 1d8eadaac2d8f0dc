// Old part-number conversion over a fuzzed Conversion.tbl: the Convert dialog's rules,
// and Continue setting the wizard up from whatever the table names. The input is the
// old part number typed, then the bytes of the table.
#include "catalogue/cvnLib.h"
#include "entry/Conversion.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/fuzz/FuzzSupport.h"
#include "wizard/Configurator.h"

#include <cstdint>
#include <memory>

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::size_t end = rest.find('\n');
    const std::string typed = rest.substr(0, end);
    rest.erase(0, end == std::string::npos ? rest.size() : end + 1);
    fuzz::ProgramFolder();
    std::unique_ptr<fuzz::TReplacedTable> table;
    if (!rest.empty()) {
        table = std::make_unique<fuzz::TReplacedTable>("Conversion.tbl", rest);
    }
    fuzz::TFuzzPrompts prompts;
    const std::optional<TConversion> found = LookupConversion(typed, prompts);
    if (found && found->NewPartNumber != UpperCase(found->NewPartNumber)) {
        fuzz::Fail("a new part number that is not upper-cased");
    }
    IsImperial = true;
    TConfigurator wizard{prompts};
    wizard.FormCreate(fuzz::ProgramFolder());
    TOldPartConverter converter(prompts);
    converter.SetupFromPartNumber = [&](const std::string& part) {
        SetupFromPartNumber(wizard, part, prompts);
    };
    converter.FormShow();
    converter.cbxOldPartNumberChange(typed, -1);
    converter.btnCreateClick();
    if (converter.ContinueEnabled != found.has_value()) {
        fuzz::Fail("Continue enabled without a conversion, or not with one");
    }
    if (converter.ContinueEnabled) {
        converter.btnContinueClick();
        wizard.btnNextClick();
        if (wizard.Screen == 2) {
            wizard.btnCreateClick();
        }
    }
    return 0;
}
