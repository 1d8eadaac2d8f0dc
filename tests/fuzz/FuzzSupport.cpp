#include "tests/fuzz/FuzzSupport.h"

#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace cvn::fuzz {

// clang-format off
const char* const kTableNames[] = {
    "Family.tbl", "Flange.tbl", "Dimensions.tbl", "WGSize.tbl", "Taper.tbl", "CoaxType.tbl",
    "StepFlange.tbl", "FlexSpecs.tbl", "FlexImperialLengths.tbl", "FlexMetricLengths.tbl",
    "Frequency.tbl", "WGVSWR.tbl", "FlexVSWR.tbl", "CoaxVSWR.tbl", "PressureWindows.tbl",
    "StepTwist.tbl", "CoaxPrice.tbl", "RigidTwistPrice.tbl", "EBendPrice.tbl", "HBendPrice.tbl",
    "FlexTwistPrice.tbl", "MiterBendPrice.tbl", "StraightSectionPrice.tbl", "StepTwistPrice.tbl",
    "TaperedTransitionPrice.tbl", "Conversion.tbl"};
// clang-format on
const int kTableCount = static_cast<int>(sizeof kTableNames / sizeof kTableNames[0]);

const std::string& ProgramFolder() {
    static const test::TTempFolder folder;
    static const std::string path = [] {
        folder.CopySample("Data");
        folder.CopySample("Images");
        folder.UseAsAppPath();
        return folder.Path();
    }();
    return path;
}

TReplacedTable::TReplacedTable(std::string name, const std::string& bytes) : Name(std::move(name)) {
    WriteFile(ProgramFolder() + "Data/" + Name, bytes);
}

TReplacedTable::~TReplacedTable() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::copy_file(std::string(CORVANE_SAMPLE_APP_DIR) + "Data/" + Name,
                  ProgramFolder() + "Data/" + Name, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        Fail("cannot put back the sample's " + Name);
    }
}

std::unique_ptr<TReplacedTable> ReplaceUnlessEmpty(const char* name, const std::string& bytes) {
    return bytes.empty() ? nullptr : std::make_unique<TReplacedTable>(name, bytes);
}

std::pair<std::string, std::string> SplitFirstLine(const std::string& input) {
    const std::size_t end = input.find('\n');
    return {input.substr(0, end), end == std::string::npos ? std::string() : input.substr(end + 1)};
}

bool IsOversize(const std::string& input) {
    return input.rfind(kOversizeMarker, 0) == 0;
}

std::string WriteInput(const std::string& path, const std::string& input) {
    const std::string bytes = IsOversize(input) ? input.substr(kOversizeMarker.size()) : input;
    WriteFile(path, bytes);
    std::error_code ec;
    if (IsOversize(input) && (std::filesystem::resize_file(path, kMaxReadBytes + 1, ec), ec)) {
        Fail("cannot stretch " + path);
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        Fail("cannot write " + path);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadBack(const std::string& path) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error)) {
        Fail("cannot read back " + path + ": " + error);
    }
    return bytes;
}

std::unique_ptr<TConfigurator> NewWizard(TUserPrompts& prompts) {
    IsImperial = true;
    auto wizard = std::make_unique<TConfigurator>(prompts);
    wizard->FormCreate(ProgramFolder());
    return wizard;
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "rule broken: %s\n", what.c_str());
    std::abort();
}

} // namespace cvn::fuzz
