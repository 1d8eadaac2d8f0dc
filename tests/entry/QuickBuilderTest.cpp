#include "entry/QuickBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

// A Quick Builder over a fresh program folder, recording what it hands the wizard.
class QuickBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.UseAsAppPath();
        Builder.SetupFromPartNumber = [this](const std::string& p) { SetUp_.push_back(p); };
    }
    void Create(const std::string& typed) {
        Builder.FormShow();
        Builder.cbxPartNumberChange(typed, -1);
        Builder.btnCreateClick();
    }

    test::TTempFolder Folder;
    TQuickBuilder Builder;
    TStrings SetUp_;
};

TEST_F(QuickBuilderTest, CreateAppliesAndRemembersTrimmedUpperCaseTextOnce) {
    Create("  r187pa0125bsg\t ");
    EXPECT_EQ(SetUp_, TStrings{"R187PA0125BSG"});
    EXPECT_EQ(Builder.History.Items, TStrings{"R187PA0125BSG"});
    EXPECT_EQ(Builder.ModalResult, TModalResult::Ok);

    // Already there, in whatever case: applied again, not added again.
    Create("R187pa0125BSG");
    Create("e090PA040B040SG");
    // Unrecognised numbers are remembered too; the wizard gives no verdict.
    Create("NOT A PART");
    EXPECT_EQ(SetUp_,
              (TStrings{"R187PA0125BSG", "R187PA0125BSG", "E090PA040B040SG", "NOT A PART"}));
    EXPECT_EQ(Builder.History.Items, (TStrings{"R187PA0125BSG", "E090PA040B040SG", "NOT A PART"}));
}

TEST_F(QuickBuilderTest, HistoryFileRoundTripsInOrderWithCrLfAndWindows1252) {
    Folder.Write("Data/Parts.hst", "R187PA0125BSG\nd090absg\r\nF112MA0610BS \xb0\r\n");
    Builder.FormCreate();
    EXPECT_EQ(Builder.History.Items, (TStrings{"R187PA0125BSG", "d090absg", "F112MA0610BS \xb0"}));
    Create("D090ABSG"); // present ignoring case
    Create("t075aag");
    Builder.FormDestroy();
    EXPECT_EQ(Folder.Read("Data/Parts.hst"),
              "R187PA0125BSG\r\nd090absg\r\nF112MA0610BS \xb0\r\nT075AAG\r\n");
    // A cleared history leaves an empty file.
    Builder.FormCreate();
    Builder.mnuClearAllItemsClick();
    Builder.FormDestroy();
    EXPECT_TRUE(Folder.Exists("Data/Parts.hst"));
    EXPECT_EQ(Folder.Read("Data/Parts.hst"), "");
}

} // namespace
} // namespace cvn
