// The catalogue check over one fuzzed table of the sample catalogue: whatever a table
// holds, the check reports problems and never fails itself, and each problem names a
// row the file has.
#include "catalogue/TextUtils.h"
#include "check/CatalogueCheck.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    fuzz::ProgramFolder();
    const char* name = fuzz::kTableNames[data[0] % fuzz::kTableCount];
    const std::string bytes = fuzz::Text(data + 1, size - 1);
    const fuzz::TReplacedTable table(name, bytes);
    const int lines = static_cast<int>(SplitLines(bytes).size());
    for (const TCatalogueProblem& p : CheckCatalogue()) {
        if (p.Problem.empty() || p.Row < 0 || (p.File == name && p.Row > lines)) {
            fuzz::Fail(p.File + ":" + std::to_string(p.Row) + ": " + p.Problem);
        }
    }
    return 0;
}
