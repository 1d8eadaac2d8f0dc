#include "printing/SpecPreview.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(SpecRows, KeepEveryWrittenRowButBlankOnesAndUnits) {
    TSpecGrid grid{};
    grid[1] = {"", "R", "Product Type", "Straight Section"};
    grid[2] = {" ", " ", "\t", ""};
    grid[3] = {"", "P", " Units ", "in."};
    grid[5] = {"", "", "", "12.5"};
    TTxtTable rows;
    rows.Lines = {"left over|from|last|time|"};
    FillSpecRows(grid, rows);
    ASSERT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.Lines[0], "|R|Product Type|Straight Section|");
    EXPECT_EQ(rows.Lines[1], "|||12.5|");
    EXPECT_EQ(rows.GetField(0, 3), "Product Type");
    EXPECT_EQ(rows.GetField(0, 4), "Straight Section");
}

struct ViewSpecs : ::testing::Test {
    void SetUp() override {
        Folder.CopySample("Data");
        Folder.UseAsAppPath();
        Wizard.FormCreate(Folder.Path());
    }
    void Compose(const std::string& part) {
        SetupFromPartNumber(Wizard, part, Prompts);
        Wizard.btnNextClick();
        Wizard.btnCreateClick();
        ASSERT_EQ(Wizard.PartNumber, part);
    }
    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TConfigurator Wizard{Prompts};
    TSpecPreview Preview;
};

// The chosen pictures (a coax transition has no right one), the part number and the
// grid without its units row.
TEST_F(ViewSpecs, TakeTheChosenPicturesThePartNumberAndTheGridWithoutUnits) {
    Compose("R187PA0125BSG");
    Preview.ViewSpecs(Wizard);
    EXPECT_EQ(Preview.Specs.FlangeAImage + "|" + Preview.Specs.FlangeBImage,
              "FlgCover.gif|FlgChoke.gif");
    EXPECT_EQ(Preview.Specs.FamilyImage, Wizard.FamilyTable.GetField(Wizard.ProductTypeIndex, 5));
    EXPECT_EQ(Preview.Specs.PartNumber, "R187PA0125BSG");
    EXPECT_EQ(Preview.Caption, "Preview Part Number: R187PA0125BSG");
    for (const std::string& line : Preview.SpecRows.Lines) {
        EXPECT_EQ(line.find("|Units|"), std::string::npos) << line;
    }
    EXPECT_EQ(Preview.SpecRows.GetField(0, 3), "Product Type");
    EXPECT_EQ(Preview.SpecRows.RowCount(), 7);

    Compose("C187ANSG");
    Preview.ViewSpecs(Wizard);
    EXPECT_EQ(Preview.Specs.FlangeBImage, "");
    EXPECT_FALSE(Preview.Specs.FlangeAImage.empty());
    EXPECT_EQ(Preview.Caption, "Preview Part Number: C187ANSG");
}

TEST(PreviewZoom, PageSizeAndCentringFollowTheZoomAndTheSizeButtonGoesTo85) {
    EXPECT_EQ(ZoomPercent(-1), -1);
    EXPECT_EQ(ZoomPercent(10), -1);
    TSpecPreview preview;
    // clang-format off
    const struct { int Index; int Width; int Height; int LeftIn700; } cases[] = {
        {0, 340, 440, 180}, {4, 638, 825, 31}, {6, 722, 935, -11}, {8, 850, 1100, -75}, {9, 935, 1210, -117}};
    // clang-format on
    for (const auto& c : cases) {
        preview.cbxPercentChange(c.Index);
        EXPECT_EQ(preview.PageWidth(), c.Width) << c.Index;
        EXPECT_EQ(preview.PageHeight(), c.Height) << c.Index;
        EXPECT_EQ(preview.PageLeft(700), c.LeftIn700) << c.Index;
    }
    // The size button goes back to 85 % only from elsewhere.
    EXPECT_TRUE(preview.btnSizeClick());
    EXPECT_EQ(ZoomPercent(preview.PercentIndex), 85);
    EXPECT_FALSE(preview.btnSizeClick());
    EXPECT_EQ(ZoomPercent(preview.PercentIndex), 85);
}

TEST(PreviewZoom, RememberedInTheSettingsFileWithABadValueFallingBackTo40) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    // clang-format off
    const struct { const char* Stored; int Index; } cases[] = { // nullptr: no settings file
        {nullptr, 0}, {"[PREVIEW]\r\nsize=8\r\n", 8}, {"[preview]\r\nSIZE=9\r\n", 9},
        {"[PREVIEW]\r\nsize=10\r\n", 0}, {"[PREVIEW]\r\nsize=-1\r\n", 0}, {"[PREVIEW]\r\nsize=big\r\n", 0}};
    // clang-format on
    for (const auto& c : cases) {
        if (c.Stored) {
            folder.Write("Corvane.ini", c.Stored);
        }
        TSpecPreview preview;
        preview.FormCreate();
        EXPECT_EQ(preview.PercentIndex, c.Index) << (c.Stored ? c.Stored : "none");
    }

    folder.Write("Corvane.ini", "[UNITS]\r\ntype=M\r\n");
    TSpecPreview before;
    before.FormCreate();
    before.cbxPercentChange(8);
    before.FormDestroy();
    TSpecPreview after;
    after.FormCreate();
    EXPECT_EQ(after.PercentIndex, 8);
    EXPECT_EQ(ReadIniString(AppPath + "Corvane.ini", "UNITS", "type", ""), "M");
}

// Closing where the settings cannot be written loses only the zoom (the writer's faults
// are AtomicReplaceFault's).
TEST(PreviewZoom, ASettingsFileThatCannotBeWrittenIsLostQuietly) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    folder.Write("Corvane.ini/inner", "");
    TSpecPreview preview;
    preview.FormCreate();
    preview.cbxPercentChange(8);
    EXPECT_NO_THROW(preview.FormDestroy());
}

} // namespace
} // namespace cvn
