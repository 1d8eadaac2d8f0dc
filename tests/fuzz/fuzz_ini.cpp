// The settings-file reader and writer over any bytes: reads never fail, and a value
// written is read back while every other section keeps its values.
#include "catalogue/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::ProgramFolder() + "Fuzz.ini";
    const std::string input = fuzz::Text(data, size);
    fuzz::WriteInput(file, input);
    // Beyond the read limit it reads as a missing file: every key its default.
    fuzz::FailIf(fuzz::IsOversize(input) &&
                     ReadIniString(file, "UNITS", "type", "default") != "default",
                 "a settings file beyond the read limit was read");
    const std::string units = ReadIniString(file, "UNITS", "type", "P");
    const std::string size_ = ReadIniString(file, "PREVIEW", "size", "");
    const std::string date = ReadIniString(file, "UPDATE", "date", "");
    ReadIniInteger(file, "UPDATE", "days", 7);
    const std::string other = units == "M" ? "P" : "M";
    WriteIniString(file, "UNITS", "type", other);
    fuzz::FailIf(ReadIniString(file, "UNITS", "type", "") != other,
                 "a written value is not read back");
    fuzz::FailIf(ReadIniString(file, "PREVIEW", "size", "") != size_ ||
                     ReadIniString(file, "UPDATE", "date", "") != date,
                 "writing one key changed another section");
    return 0;
}
