// The short date over any pattern and any date: the pattern kept or replaced by the
// numeric one, a date written in it reads back as itself, today's century or not, and
// reading any text never yields an invalid date.
#include "tests/fuzz/FuzzSupport.h"
#include "update/DateText.h"

using namespace cvn;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const TDate first = 1y / January / 1;
    const TDate date = AddDays(first, input.ConsumeIntegralInRange(0, 3652058));
    const TDate today = AddDays(first, input.ConsumeIntegralInRange(0, 3652058));
    const std::string text = input.ConsumeRandomLengthString(40);
    const std::string system = input.ConsumeRemainingBytesAsString();

    const std::string pattern = NumericDatePattern(system);
    fuzz::FailIf(pattern != system && pattern != "M/d/yyyy",
                 "the pattern was changed into another");
    fuzz::FailIf(NumericDatePattern(pattern) != pattern, "the pattern kept is not accepted again");
    const std::string written = FormatShortDate(date, pattern);
    TDate read{};
    if (!TryParseShortDate(written, pattern, today, read) || read != date) {
        fuzz::Fail("a date written in the pattern reads back differently: " + written);
    }
    // The same with the system's pattern as given: unaccepted ones use the fallback on
    // both sides.
    fuzz::FailIf(FormatShortDate(date, system) != FormatShortDate(date, pattern),
                 "a pattern and the one it gives write different texts");
    TDate any{};
    fuzz::FailIf(TryParseShortDate(text, pattern, today, any) && !any.ok(),
                 "an invalid date was read");
    return 0;
}
