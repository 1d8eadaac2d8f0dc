#include "entry/Conversion.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

const std::string Failed = "Sorry, that part number cannot be converted.\r"
                           "Please check the part number again.\r"
                           "If you have entered it correctly, but still get this message,\r"
                           "please contact your Brenmoor Corporation represantative.";

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.UseAsAppPath();
        Folder.WriteTable("Conversion.tbl",
                          {"Old Part Number|New Part Number|Comment",
                           "", // a blank line converts nothing
                           "WS-187-125-CC| r187pa0125bsg |  Cover and choke, 90\xb0 bend  ",
                           "ws-42-60|R042PA0060ASG|lower case in the table",
                           "WS-187-125-CC|R187PA0125ASG|second row for the same number"});
        Dialog.FormShow();
    }
    void Convert(const std::string& typed) {
        Dialog.cbxOldPartNumberChange(typed, -1);
        Dialog.btnCreateClick();
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TOldPartConverter Dialog{Prompts};
};

// The lookup itself (case, blanks, first row): cli/cases/convert-*.
TEST_F(ConversionTest, SuccessShowsTheResultEnablesContinueAndRemembersTheNumberOnce) {
    Convert(" ws-187-125-cc ");
    EXPECT_TRUE(Prompts.Messages.empty());
    EXPECT_EQ(Dialog.NewPartNumber, "R187PA0125BSG");
    EXPECT_EQ(Dialog.Comments, "Cover and choke, 90\xb0 bend");
    EXPECT_TRUE(Dialog.ContinueEnabled);
    EXPECT_EQ(Dialog.Focus, TConvertFocus::Continue);
    Convert("WS-187-125-cc");
    Convert("ws-42-60");
    EXPECT_EQ(Dialog.History.Items, (TStrings{"WS-187-125-CC", "WS-42-60"}));
}

TEST_F(ConversionTest, FailureShowsTheMessageForgetsTheResultAndKeepsTheHistory) {
    // Before any conversion Continue does nothing, even before the dialog is shown.
    TOldPartConverter fresh{Prompts};
    fresh.btnContinueClick();
    EXPECT_EQ(fresh.ModalResult, TModalResult::None);
    for (const char* typed : {"WS-999", "", "  \t"}) {
        Convert("ws-42-60");
        ASSERT_TRUE(Dialog.ContinueEnabled);
        Prompts.Messages.clear();
        // No change event: the failure itself must forget the result still showing.
        Dialog.OldPartNumberText = typed;
        Dialog.btnCreateClick();
        EXPECT_EQ(Prompts.Texts("information"), TStrings{Failed}) << typed;
        EXPECT_EQ(Prompts.Messages.size(), 1u);
        EXPECT_FALSE(Dialog.ContinueEnabled);
        EXPECT_EQ(Dialog.NewPartNumber, "");
        EXPECT_EQ(Dialog.Comments, "");
    }
    EXPECT_EQ(Dialog.History.Items, TStrings{"WS-42-60"});
    EXPECT_EQ(Dialog.ModalResult, TModalResult::None);
}

} // namespace
} // namespace cvn
