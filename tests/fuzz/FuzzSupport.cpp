#include "tests/fuzz/FuzzSupport.h"

#include "catalogue/Files.h"
#include "catalogue/cvnLib.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace cvn::fuzz {

const char* const kTableNames[] = {"Family.tbl",
                                   "Flange.tbl",
                                   "Dimensions.tbl",
                                   "WGSize.tbl",
                                   "Taper.tbl",
                                   "CoaxType.tbl",
                                   "StepFlange.tbl",
                                   "FlexSpecs.tbl",
                                   "FlexImperialLengths.tbl",
                                   "FlexMetricLengths.tbl",
                                   "Frequency.tbl",
                                   "WGVSWR.tbl",
                                   "FlexVSWR.tbl",
                                   "CoaxVSWR.tbl",
                                   "PressureWindows.tbl",
                                   "StepTwist.tbl",
                                   "CoaxPrice.tbl",
                                   "RigidTwistPrice.tbl",
                                   "EBendPrice.tbl",
                                   "HBendPrice.tbl",
                                   "FlexTwistPrice.tbl",
                                   "MiterBendPrice.tbl",
                                   "StraightSectionPrice.tbl",
                                   "StepTwistPrice.tbl",
                                   "TaperedTransitionPrice.tbl",
                                   "Conversion.tbl"};
const int kTableCount = static_cast<int>(sizeof kTableNames / sizeof kTableNames[0]);

namespace {

// The sample's bytes of each table, read once.
const std::string& SampleBytes(const std::string& name) {
    static std::map<std::string, std::string> bytes;
    auto it = bytes.find(name);
    if (it == bytes.end()) {
        std::string content, error;
        ReadWholeFile(std::string(CORVANE_SAMPLE_APP_DIR) + "Data/" + name, content, error);
        it = bytes.emplace(name, std::move(content)).first;
    }
    return it->second;
}

void WriteData(const std::string& name, const std::string& bytes) {
    const std::string path = ProgramFolder() + "Data/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        Fail("cannot write " + path);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

} // namespace

bool TFuzzPrompts::YesNo(const std::string& text) {
    Take(text);
    return Answer() != TDialogResult::Cancel;
}

TDialogResult TFuzzPrompts::ConfirmTapered(const std::string& message) {
    Take(message);
    return Answer();
}

TDialogResult TFuzzPrompts::ConfirmSwap(const std::string& line1, const std::string& line2) {
    Take(line1 + "\r" + line2);
    return Answer();
}

void TFuzzPrompts::Take(const std::string& text) {
    // Reading the text lets the sanitizers see a message built from freed memory.
    Messages += text.empty() ? 0 : 1;
}

TDialogResult TFuzzPrompts::Answer() {
    if (Answers == nullptr || Answers->remaining_bytes() == 0) {
        return TDialogResult::Continue;
    }
    return Answers->PickValueInArray(
        {TDialogResult::Continue, TDialogResult::Cancel, TDialogResult::Swap});
}

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
    WriteData(Name, bytes);
}

TReplacedTable::~TReplacedTable() {
    WriteData(Name, SampleBytes(Name));
}

bool IsOversize(const std::string& input) {
    return input.rfind(kOversizeMarker, 0) == 0;
}

std::string WithoutMarker(const std::string& input) {
    return IsOversize(input) ? input.substr(kOversizeMarker.size()) : input;
}

void Stretch(const std::string& path) {
    std::error_code ec;
    std::filesystem::resize_file(path, kMaxReadBytes + 1, ec);
    if (ec) {
        Fail("cannot stretch " + path);
    }
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "rule broken: %s\n", what.c_str());
    std::abort();
}

} // namespace cvn::fuzz
