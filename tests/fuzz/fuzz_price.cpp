// The price lookup over fuzzed part numbers and fuzzed price tables. The input is the
// part number, a line with the quantity, and then the bytes of the price table that
// the part's family reads (the sample's table when there are none).
#include "catalogue/Errors.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"
#include "orders/PriceAndDelivery.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <memory>

using namespace cvn;

namespace {

const char* PriceTable(int family) {
    switch (family) {
    case FamilyType::Coax:
        return "CoaxPrice.tbl";
    case FamilyType::Twist:
        return "RigidTwistPrice.tbl";
    case FamilyType::EBend:
        return "EBendPrice.tbl";
    case FamilyType::HBend:
        return "HBendPrice.tbl";
    case FamilyType::FlexTwist:
        return "FlexTwistPrice.tbl";
    case FamilyType::MiterH:
    case FamilyType::MiterE:
        return "MiterBendPrice.tbl";
    case FamilyType::Straight:
        return "StraightSectionPrice.tbl";
    case FamilyType::StepTwist:
        return "StepTwistPrice.tbl";
    case FamilyType::Tapered:
        return "TaperedTransitionPrice.tbl";
    default:
        return nullptr;
    }
}

// The next line of the input, taken off its front.
std::string TakeLine(std::string& rest) {
    const std::size_t end = rest.find('\n');
    std::string line = rest.substr(0, end);
    rest.erase(0, end == std::string::npos ? rest.size() : end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string part = TakeLine(rest);
    int quantity = 1;
    TryStrToInt(TakeLine(rest), quantity);
    // The dialog's spin box keeps the quantity between 1 and 99999.
    quantity = std::max(1, std::min(quantity, 99999));
    fuzz::ProgramFolder();
    fuzz::TFuzzPrompts prompts;
    const int family = FamilyTypeOf(part, prompts);
    std::unique_ptr<fuzz::TReplacedTable> table;
    if (const char* name = PriceTable(family); name != nullptr && !rest.empty()) {
        table = std::make_unique<fuzz::TReplacedTable>(name, rest);
    }
    try {
        const TPriceAndDelivery found = LookupPrice(part, family, prompts);
        const TPriceTexts texts = PriceAndDeliveryTexts(part, quantity, prompts);
        if (texts.Price != "N/A" && texts.Price.find('$') == std::string::npos) {
            fuzz::Fail("a price text without the currency sign");
        }
        if ((found.Price.Raw == 0) != (texts.Price == "N/A")) {
            fuzz::Fail("N/A does not stand for a missing price");
        }
    } catch (const EConvertError&) {
        // A data error in the table: shown by the error handler, lookup abandoned.
    }
    return 0;
}
