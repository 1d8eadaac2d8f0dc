// The price lookup over fuzzed part numbers and fuzzed price tables. The input is the
// part number, a line with the quantity, and then the bytes of the price table that
// the part's family reads (the sample's table when there are none).
#include "catalogue/Errors.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"
#include "orders/PriceAndDelivery.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace cvn;

namespace {

// The price table of each family, in the order of the family types; none for pressure
// windows, whose price is in their own table.
// clang-format off
const char* const kPriceTables[FamilyType::Count] = {
    "CoaxPrice.tbl", "RigidTwistPrice.tbl", "EBendPrice.tbl", "FlexTwistPrice.tbl",
    "HBendPrice.tbl", "MiterBendPrice.tbl", "MiterBendPrice.tbl", nullptr,
    "StraightSectionPrice.tbl", "StepTwistPrice.tbl", "TaperedTransitionPrice.tbl"};
// clang-format on

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [part, afterPart] = fuzz::SplitFirstLine(fuzz::Text(data, size));
    const auto [quantityLine, rest] = fuzz::SplitFirstLine(afterPart);
    int quantity = 1;
    TryStrToInt(quantityLine, quantity);
    // The dialog's spin box keeps the quantity between 1 and 99999.
    quantity = std::clamp(quantity, 1, 99999);
    fuzz::ProgramFolder();
    fuzz::TFuzzPrompts prompts;
    const int family = FamilyTypeOf(part, prompts);
    const char* name = family >= 0 && family < FamilyType::Count ? kPriceTables[family] : nullptr;
    const auto table = fuzz::ReplaceUnlessEmpty(name, name == nullptr ? std::string() : rest);
    try {
        const TPriceAndDelivery found = LookupPrice(part, family, prompts);
        const TPriceTexts texts = PriceAndDeliveryTexts(part, quantity, prompts);
        fuzz::FailIf(texts.Price != "N/A" && texts.Price.find('$') == std::string::npos,
                     "a price text without the currency sign");
        fuzz::FailIf((found.Price.Raw == 0) != (texts.Price == "N/A"),
                     "N/A does not stand for a missing price");
    } catch (const EConvertError&) {
        // A data error in the table: shown by the error handler, lookup abandoned.
    }
    return 0;
}
