// The scripted order command over an order file of any bytes and any typed part
// number: it either adds the line and replaces the file, or leaves the file exactly
// as it was. The input is the part number, a line break, then the file's bytes.
#include "catalogue/Files.h"
#include "cli/Cli.h"
#include "tests/fuzz/FuzzSupport.h"

#include <filesystem>
#include <sstream>

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [part, rest] = fuzz::SplitFirstLine(fuzz::Text(data, size));
    const std::string file = fuzz::ProgramFolder() + "order.txt";
    const std::string before = fuzz::WriteInput(file, rest);
    std::ostringstream out, err;
    const int exit =
        RunCli({"--app-dir", fuzz::ProgramFolder(), "order", file, "7", part}, out, err);
    if (fuzz::IsOversize(rest)) {
        std::error_code ec;
        fuzz::FailIf(exit != 2 || std::filesystem::file_size(file, ec) != kMaxReadBytes + 1,
                     "an order file beyond the read limit was not refused as unreadable");
        return 0;
    }
    const std::string after = fuzz::ReadBack(file);
    fuzz::FailIf(exit < 0 || exit > 2, "an exit status beyond 0, 1 and 2");
    fuzz::FailIf(exit != 0 && after != before, "a refused order changed the file");
    fuzz::FailIf(exit == 0 && !fuzz::EndsWithCrLf(after), "an order file not ended by CR LF");
    return 0;
}
