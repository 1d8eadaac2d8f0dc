// The settings-file reader and writer over any bytes: reads never fail, and a value
// written is read back while every other section keeps its values.
#include "catalogue/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdio>

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::ProgramFolder() + "Fuzz.ini";
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string bytes = fuzz::WithoutMarker(input);
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    if (fuzz::IsOversize(input)) {
        // Read as a missing file: every key its default.
        fuzz::Stretch(file);
        if (ReadIniString(file, "UNITS", "type", "default") != "default") {
            fuzz::Fail("a settings file beyond the read limit was read");
        }
    }
    const std::string units = ReadIniString(file, "UNITS", "type", "P");
    const std::string size_ = ReadIniString(file, "PREVIEW", "size", "");
    const std::string date = ReadIniString(file, "UPDATE", "date", "");
    ReadIniInteger(file, "UPDATE", "days", 7);
    WriteIniString(file, "UNITS", "type", units == "M" ? "P" : "M");
    if (ReadIniString(file, "UNITS", "type", "") != (units == "M" ? "P" : "M")) {
        fuzz::Fail("a written value is not read back");
    }
    if (ReadIniString(file, "PREVIEW", "size", "") != size_ ||
        ReadIniString(file, "UPDATE", "date", "") != date) {
        fuzz::Fail("writing one key changed another section");
    }
    return 0;
}
