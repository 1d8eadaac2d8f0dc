// The update reminder's short dates over any pattern and text: a date written in a
// pattern reads back as itself, and reading any text never fails.
#include "tests/fuzz/FuzzSupport.h"
#include "update/DateText.h"

#include <cstdint>
#include <string>

using namespace cvn;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const TDate today{year{in.ConsumeIntegralInRange<int>(1, 9999)},
                      month{in.ConsumeIntegralInRange<unsigned>(1, 12)},
                      day{in.ConsumeIntegralInRange<unsigned>(1, 28)}};
    const long long days = in.ConsumeIntegral<long long>() % 100000;
    const std::string pattern = NumericDatePattern(in.ConsumeRandomLengthString(24));
    const std::string text = in.ConsumeRandomLengthString(32);
    TDate read;
    TryParseShortDate(text, pattern, today, read);

    const TDate date = AddDays(today, days);
    if (!date.ok()) {
        fuzz::Fail("a date out of the calendar");
    }
    const std::string written = FormatShortDate(date, pattern);
    if (!TryParseShortDate(written, pattern, today, read) || read != date) {
        fuzz::Fail("'" + written + "' in pattern '" + pattern + "' does not read back");
    }
    return 0;
}
