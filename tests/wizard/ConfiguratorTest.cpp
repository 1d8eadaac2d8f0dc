#include "tests/wizard/WizardFixture.h"

#include <filesystem>

namespace cvn::test {
namespace {

TEST_F(WizardTest, UnitSettingIsReadAtCreationAndCheckedInTheMenu) {
    const struct {
        const char* Settings; // nullptr: no settings file
        bool Imperial;
    } cases[] = {
        {nullptr, true},
        {"[UNITS]\r\ntype=P\r\n", true},
        {"[units]\r\nTYPE = P\r\n", true}, // names ignore case
        {"[UNITS]\r\ntype=M\r\n", false},
        {"[UNITS]\r\ntype=p\r\n", false}, // only "P" exactly is Imperial
        {"[UNITS]\r\ntype=Imperial\r\n", false},
        {"[UNITS]\r\ntype=\r\n", false},
        {"[OTHER]\r\ntype=M\r\n", true},
        {"\x01\xFF garbage \x02 without sections", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings ? c.Settings : "no file");
        std::filesystem::remove(Folder.Path() + "Corvane.ini");
        if (c.Settings) {
            Folder.Write("Corvane.ini", c.Settings);
        }
        IsImperial = !c.Imperial;
        TConfigurator wizard(Prompts);
        wizard.FormCreate(Folder.Path());
        EXPECT_EQ(IsImperial, c.Imperial);
        EXPECT_EQ(wizard.ImperialChecked, c.Imperial);
        EXPECT_EQ(wizard.MetricChecked, !c.Imperial);
        EXPECT_EQ(wizard.UnitLabel(), c.Imperial ? "inches" : "mm");
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, CloseRewritesTheUnitKeepsTheRestAndWritesTheSiteList) {
    Start();
    Wizard.FormClose();
    EXPECT_EQ(Folder.Read("Corvane.ini"), "[UNITS]\r\ntype=P\r\n");
    EXPECT_TRUE(Folder.Exists("corvane38.lom"));
    EXPECT_EQ(Wizard.FamilyTable.RowCount(), 0);

    Folder.Write("Corvane.ini", "[PREVIEW]\r\nsize=3\r\n[UNITS]\r\ntype=m\r\n");
    TConfigurator again(Prompts);
    again.FormCreate(Folder.Path());
    again.FormClose();
    EXPECT_EQ(Folder.Read("Corvane.ini"), "[PREVIEW]\r\nsize=3\r\n[UNITS]\r\ntype=M\r\n");

    // A unit switched during the session is what the next start reads.
    TConfigurator third(Prompts);
    third.FormCreate(Folder.Path());
    third.mnuImperialClick();
    third.FormClose();
    EXPECT_EQ(Folder.Read("Corvane.ini"), "[PREVIEW]\r\nsize=3\r\n[UNITS]\r\ntype=P\r\n");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, UnwritableFilesAtCloseShowOnlyTheSiteListError) {
    // Folders where the files belong: neither can be replaced, even by root.
    std::filesystem::create_directory(Folder.Path() + "Corvane.ini");
    std::filesystem::create_directory(Folder.Path() + "corvane38.lom");
    Start();
    EXPECT_TRUE(IsImperial);
    EXPECT_NO_THROW(Wizard.FormClose());
    ASSERT_EQ(Prompts.Messages.size(), 1u);
    EXPECT_EQ(Prompts.Messages[0].Kind, "error");
    EXPECT_EQ(Prompts.Messages[0].Text.rfind("Cannot create file ", 0), 0u);
    EXPECT_NE(Prompts.Messages[0].Text.find("corvane38.lom"), std::string::npos);
}

TEST(Configurator, MissingTablesAreReportedOnceEachAndLeaveEmptyLists) {
    for (const bool withDataFolder : {true, false}) {
        TTempFolder folder;
        if (!withDataFolder) {
            std::filesystem::remove_all(folder.Path() + "Data");
        }
        TScriptedPrompts prompts;
        TConfigurator wizard(prompts);
        wizard.FormCreate(folder.Path());
        const auto errors = prompts.Texts("error");
        ASSERT_EQ(errors.size(), 3u);
        EXPECT_EQ(errors[0].rfind("Error loading", 0), 0u);
        EXPECT_NE(errors[0].find("Family.tbl"), std::string::npos);
        EXPECT_NE(errors[1].find("Flange.tbl"), std::string::npos);
        EXPECT_NE(errors[2].find("Dimensions.tbl"), std::string::npos);
        EXPECT_TRUE(wizard.ProductTypeItems().empty());
        EXPECT_EQ(prompts.Messages.size(), 3u);
    }
}

TEST_F(WizardTest, HelpNeedsTheHelpFileWhateverItsCase) {
    Start();
    EXPECT_FALSE(Wizard.HelpEnabled);
    Folder.Write("corvane38.HLP", "help");
    TConfigurator with(Prompts);
    with.FormCreate(Folder.Path());
    EXPECT_TRUE(with.HelpEnabled);
    EXPECT_EQ(with.HelpFileName(), Folder.Path() + "corvane38.HLP");
}

TEST_F(WizardTest, AnyChangeOfAChoiceWithdrawsThePartNumber) {
    Start();
    Wizard.PartNumber = "R187PA0125BSG";
    Wizard.AddOrderEnabled = Wizard.ViewSpecsEnabled = true;
    Wizard.cbxFinishChange(1);
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_FALSE(Wizard.AddOrderEnabled);
    EXPECT_FALSE(Wizard.ViewSpecsEnabled);
    EXPECT_EQ(Wizard.FinishIndex, 1);
}

TEST_F(WizardTest, ChoosingTheActiveUnitChangesNothing) {
    Start();
    ASSERT_TRUE(IsImperial);
    Wizard.PartNumber = "D187PP0000BG";
    Wizard.mnuImperialClick();
    EXPECT_EQ(Wizard.PartNumber, "D187PP0000BG");
    Wizard.mnuMetricClick();
    EXPECT_FALSE(IsImperial);
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_EQ(Wizard.Length.Items(), Wizard.Length.MetricItems);
}

} // namespace
} // namespace cvn::test
