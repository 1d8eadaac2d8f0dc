// The part-number layout over any text: the family and every field of every layout,
// and the typed-text rules of the part-number boxes.
#include "catalogue/LengthLists.h"
#include "catalogue/PartNumber.h"
#include "catalogue/cvnLib.h"
#include "entry/QuickBuilder.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string part = fuzz::Text(data, size);
    fuzz::ProgramFolder();
    fuzz::TFuzzPrompts prompts;
    const int family = FamilyTypeOf(part, prompts);
    fuzz::FailIf(family < 0 || family > FamilyType::Unknown, "family type out of range");
    fuzz::FailIf(!part.empty() && FamilyTypeOfLetter(part[0]) != FamilyType::Unknown &&
                     family != FamilyTypeOfLetter(part[0]),
                 "a family letter does not decide the family");
    for (int type = -1; type <= FamilyType::Unknown + 1; ++type) {
        for (int field = -1; field <= 10; ++field) {
            const std::string text = PartField(part, type, field);
            // Families without a unit letter answer "N" for it.
            const bool fixedUnit = field == PartFieldNo::Unit && text == "N";
            fuzz::FailIf(!fixedUnit && (text.size() > part.size() ||
                                        (!text.empty() && part.find(text) == std::string::npos)),
                         "a field is not a piece of the part number");
        }
    }
    const std::string normal = NormalisePartNumber(part);
    fuzz::FailIf(NormalisePartNumber(normal) != normal, "normalising twice changes the text");
    std::string code;
    for (const int digits : {3, 4}) {
        fuzz::FailIf(TryLengthCode(part, digits, code) &&
                         code.size() < static_cast<std::size_t>(digits),
                     "a length code is shorter than its digits");
    }
    return 0;
}
