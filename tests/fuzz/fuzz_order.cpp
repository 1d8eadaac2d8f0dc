// The scripted order command over an order file of any bytes and any typed part
// number: it either adds the line and replaces the file, or leaves the file exactly
// as it was. The input is the part number, a line break, then the file's bytes.
#include "catalogue/Files.h"
#include "cli/Cli.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    const std::string part = input.substr(0, end);
    const std::string rest = end == std::string::npos ? std::string() : input.substr(end + 1);
    const std::string before = fuzz::WithoutMarker(rest);
    const std::string file = fuzz::ProgramFolder() + "order.txt";
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(before.data(), 1, before.size(), out);
        std::fclose(out);
    }
    if (fuzz::IsOversize(rest)) {
        fuzz::Stretch(file);
    }
    std::ostringstream out, err;
    const int exit =
        RunCli({"--app-dir", fuzz::ProgramFolder(), "order", file, "7", part}, out, err);
    if (fuzz::IsOversize(rest)) {
        std::error_code ec;
        if (exit != 2 || std::filesystem::file_size(file, ec) != kMaxReadBytes + 1) {
            fuzz::Fail("an order file beyond the read limit was not refused as unreadable");
        }
        return 0;
    }
    std::string after, error;
    ReadWholeFile(file, after, error);
    if (exit != 0 && after != before) {
        fuzz::Fail("a refused order changed the file");
    }
    if (exit == 0 && (after.size() < 2 || after.substr(after.size() - 2) != "\r\n")) {
        fuzz::Fail("an order file not ended by CR LF");
    }
    if (exit < 0 || exit > 2) {
        fuzz::Fail("exit status " + std::to_string(exit));
    }
    return 0;
}
