#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "printing/SpecPreview.h"
#include "tests/support/Faults.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cvn {
namespace {

const char* const kEarlierSettings = "[UNITS]\r\ntype=M\r\n[PREVIEW]\r\nsize=3\r\n";

// In the child: the earlier settings written, the disk filled, then the preview closed
// with another zoom. It must end quietly and leave the earlier file whole.
void CloseOnAFullDisk(const test::TTempFolder& folder) {
    const std::string app = folder.Path() + "app/";
    test::TFullDisk disk(app);
    test::TChildChecks checks;
    folder.Write("app/Corvane.ini", kEarlierSettings);
    disk.Fill();
    SetAppPath(app);
    TSpecPreview preview;
    preview.FormCreate();
    checks.Expect(preview.PercentIndex == 3, "the stored zoom was not read");
    preview.cbxPercentChange(8);
    try {
        preview.FormDestroy();
    } catch (const std::exception& e) {
        checks.Expect(false, std::string("closing raised ") + e.what());
    }
    checks.ExpectEqual(folder.Read("app/Corvane.ini"), kEarlierSettings, "Corvane.ini");
    for (const auto& entry : std::filesystem::directory_iterator(app)) {
        const auto name = entry.path().filename().string();
        checks.Expect(entry.is_directory() || name == "Corvane.ini" || name == "filler",
                      name + " was left behind");
    }
    checks.Finish();
}

TEST(PreviewFaultTest, AFullDiskLosesOnlyTheZoomAtClose) {
    test::TTempFolder folder;
    // Where the disk has room the zoom is stored: the failure below is the disk's.
    folder.Write("app/Corvane.ini", kEarlierSettings);
    SetAppPath(folder.Path() + "app/");
    TSpecPreview preview;
    preview.FormCreate();
    preview.cbxPercentChange(8);
    preview.FormDestroy();
    ASSERT_EQ(ReadIniInteger(folder.Path() + "app/Corvane.ini", "PREVIEW", "size", 0), 8);
    ASSERT_EQ(ReadIniString(folder.Path() + "app/Corvane.ini", "UNITS", "type", ""), "M");

    folder.Write("app/Corvane.ini", kEarlierSettings);
    EXPECT_EXIT(CloseOnAFullDisk(folder), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace cvn
