#include "wizard/Configurator.h"

#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cvn {
namespace {

using test::TScriptedPrompts;
using test::TTempFolder;

std::string SettingsText(const TTempFolder& folder) {
    return folder.Read("Corvane.ini");
}

void WriteSmallCatalogue(const TTempFolder& folder) {
    folder.WriteTable("Family.tbl",
                      {"Letter|Family|Inch Step|mm Step|Length Picture|Photo",
                       "C|Waveguide to Coax Transition|0.5|5|DimCoax.gif|PhotoCoax.gif",
                       "D|90\xB0 Twist|0.5|5|DimTwist.gif|PhotoTwist.gif"});
    folder.WriteTable("Flange.tbl", {"Code|WG|Type|Model|Picture", "P|187|Cover|CPR|P.gif",
                                     "P|229|Cover|CPR|P.gif"});
    folder.WriteTable("Dimensions.tbl", {"L|WG|Min|Max|MaxMM|Def|DefMM",
                                         "D|187|8.0|8.0|203|8.0|203", "D|229|9|9|229|9|229"});
    folder.WriteTable("WGSize.tbl", {"Code|WR|Inside|US|British|IEC", "187|WR187|x|WR-187|WG12|R48",
                                     "229|WR229|x|WR-229|WG11A|R40"});
    folder.WriteTable("WGVSWR.tbl", {"F|WG|Band|VSWR", "D|187|S|1.1", "D|229|S|1.1"});
    folder.WriteTable("Frequency.tbl",
                      {"WG|Band|Range", "187|S|3.95-5.85 GHz", "229|S|3.30-4.90 GHz"});
}

struct TUnitCase {
    const char* Name;
    const char* Settings; // nullptr: no settings file
    bool Imperial;
};

class UnitSetting : public ::testing::TestWithParam<TUnitCase> {};

TEST_P(UnitSetting, IsReadAtCreationAndCheckedInTheMenu) {
    TTempFolder folder;
    WriteSmallCatalogue(folder);
    if (GetParam().Settings) {
        folder.Write("Corvane.ini", GetParam().Settings);
    }
    IsImperial = !GetParam().Imperial;
    TScriptedPrompts prompts;
    TConfigurator wizard(prompts);
    wizard.FormCreate(folder.Path());

    EXPECT_EQ(IsImperial, GetParam().Imperial);
    EXPECT_EQ(wizard.ImperialChecked, GetParam().Imperial);
    EXPECT_EQ(wizard.MetricChecked, !GetParam().Imperial);
    EXPECT_EQ(wizard.UnitLabel(), GetParam().Imperial ? "inches" : "mm");
    EXPECT_TRUE(prompts.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Configurator, UnitSetting,
    ::testing::Values(TUnitCase{"NoFile", nullptr, true},
                      TUnitCase{"P", "[UNITS]\r\ntype=P\r\n", true},
                      TUnitCase{"NamesIgnoreCase", "[units]\r\nTYPE = P\r\n", true},
                      TUnitCase{"M", "[UNITS]\r\ntype=M\r\n", false},
                      TUnitCase{"LowerCaseP", "[UNITS]\r\ntype=p\r\n", false},
                      TUnitCase{"OtherWord", "[UNITS]\r\ntype=Imperial\r\n", false},
                      TUnitCase{"Empty", "[UNITS]\r\ntype=\r\n", false},
                      TUnitCase{"OtherSection", "[OTHER]\r\ntype=M\r\n", true},
                      TUnitCase{"Garbage", "\x01\xFF garbage \x02 without sections", true}),
    [](const ::testing::TestParamInfo<TUnitCase>& info) { return std::string(info.param.Name); });

TEST(Configurator, CloseAlwaysRewritesTheUnitAndKeepsTheRestOfTheFile) {
    TTempFolder folder;
    WriteSmallCatalogue(folder);
    folder.Write("Corvane.ini", "[PREVIEW]\r\nsize=3\r\n[UNITS]\r\ntype=m\r\n");
    TScriptedPrompts prompts;
    TConfigurator wizard(prompts);
    wizard.FormCreate(folder.Path());
    wizard.FormClose();
    EXPECT_EQ(SettingsText(folder), "[PREVIEW]\r\nsize=3\r\n[UNITS]\r\ntype=M\r\n");

    // A unit switched during the session is what the next start reads.
    TConfigurator again(prompts);
    again.FormCreate(folder.Path());
    again.mnuImperialClick();
    again.FormClose();
    EXPECT_NE(SettingsText(folder).find("type=P\r\n"), std::string::npos);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST(Configurator, CloseCreatesTheSettingsFileAndTheSiteList) {
    TTempFolder folder;
    WriteSmallCatalogue(folder);
    TScriptedPrompts prompts;
    TConfigurator wizard(prompts);
    wizard.FormCreate(folder.Path());
    wizard.FormClose();
    EXPECT_EQ(SettingsText(folder), "[UNITS]\r\ntype=P\r\n");
    EXPECT_TRUE(folder.Exists("corvane38.lom"));
    EXPECT_EQ(wizard.FamilyTable.RowCount(), 0);
    EXPECT_EQ(wizard.FlangeTable.RowCount(), 0);
    EXPECT_EQ(wizard.DimensionsTable.RowCount(), 0);
}

TEST(Configurator, UnwritableFilesAtCloseShowOnlyTheSiteListError) {
    TTempFolder folder;
    WriteSmallCatalogue(folder);
    // Folders where the files belong: neither can be replaced, even by root.
    std::filesystem::create_directory(folder.Path() + "Corvane.ini");
    std::filesystem::create_directory(folder.Path() + "corvane38.lom");
    TScriptedPrompts prompts;
    TConfigurator wizard(prompts);
    wizard.FormCreate(folder.Path());
    EXPECT_TRUE(IsImperial);
    EXPECT_NO_THROW(wizard.FormClose());
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Kind, "error");
    EXPECT_EQ(prompts.Messages[0].Text.rfind("Cannot create file ", 0), 0u);
    EXPECT_NE(prompts.Messages[0].Text.find("corvane38.lom"), std::string::npos);
    EXPECT_EQ(wizard.FamilyTable.RowCount(), 0);
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
        EXPECT_NE(errors[0].find("Family.tbl"), std::string::npos);
        EXPECT_NE(errors[1].find("Flange.tbl"), std::string::npos);
        EXPECT_NE(errors[2].find("Dimensions.tbl"), std::string::npos);
        EXPECT_EQ(errors[0].rfind("Error loading", 0), 0u);
        EXPECT_TRUE(wizard.ProductTypeItems().empty());
        EXPECT_EQ(prompts.Messages.size(), 3u);
    }
}

TEST(Configurator, ProductListShowsLetterAndNameOfEverySampleFamily) {
    TScriptedPrompts prompts;
    TConfigurator wizard(prompts);
    wizard.FormCreate(CORVANE_SAMPLE_APP_DIR);
    EXPECT_TRUE(prompts.Messages.empty());
    const auto items = wizard.ProductTypeItems();
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[0], (TStrings{"C", "Waveguide to Coax Transition"}));
    EXPECT_EQ(items[8], (TStrings{"R", "Straight Section"}));
    EXPECT_EQ(items[10], (TStrings{"T", "Tapered Transition"}));
    EXPECT_EQ(wizard.PhotoPicture, "WG.gif");
    EXPECT_GT(wizard.FlangeTable.RowCount(), 0);
    EXPECT_GT(wizard.DimensionsTable.RowCount(), 0);
}

TEST(Configurator, HelpNeedsTheHelpFileWhateverItsCase) {
    TTempFolder folder;
    WriteSmallCatalogue(folder);
    TScriptedPrompts prompts;
    TConfigurator without(prompts);
    without.FormCreate(folder.Path());
    EXPECT_FALSE(without.HelpEnabled);

    folder.Write("corvane38.HLP", "help");
    TConfigurator with(prompts);
    with.FormCreate(folder.Path());
    EXPECT_TRUE(with.HelpEnabled);
    EXPECT_EQ(with.HelpFileName(), folder.Path() + "corvane38.HLP");
}

class ConfiguratorFlow : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSmallCatalogue(Folder);
        Wizard.FormCreate(Folder.Path());
    }

    TTempFolder Folder;
    TScriptedPrompts Prompts;
    TConfigurator Wizard{Prompts};
};

TEST_F(ConfiguratorFlow, NextRefusesAnIncompleteFirstScreen) {
    Wizard.btnNextClick();
    Wizard.cbxWaveguideChange(0);
    Wizard.btnNextClick();
    Wizard.cbxWaveguideChange(-1);
    Wizard.cbxProductTypeChange(1);
    Wizard.btnNextClick();
    EXPECT_EQ(Prompts.Texts("information"),
              std::vector<std::string>(3, "Please fill all options to continue."));
    EXPECT_EQ(Wizard.Screen, 1);
    EXPECT_EQ(Wizard.WizardCaption(), "Wizard - Screen 1 of 2");

    // Family and size alone are not enough: a twist needs both flanges.
    Wizard.cbxWaveguideChange(1);
    Wizard.cbxFlangeAChange(0);
    Wizard.btnNextClick();
    EXPECT_EQ(Prompts.Messages.size(), 4u);
    EXPECT_EQ(Wizard.Screen, 1);

    Wizard.cbxFlangeBChange(0);
    Wizard.btnNextClick();
    EXPECT_EQ(Prompts.Messages.size(), 4u);
    EXPECT_EQ(Wizard.Screen, 2);
    EXPECT_EQ(Wizard.WizardCaption(), "Wizard - Screen 2 of 2");
    Wizard.btnBackClick();
    EXPECT_EQ(Wizard.Screen, 1);
}

TEST_F(ConfiguratorFlow, FinishAsksAndOnlyYesEnds) {
    Wizard.cbxProductTypeChange(1);
    Prompts.Answers = {TDialogResult::Cancel, TDialogResult::Continue};
    EXPECT_FALSE(Wizard.btnFinishClick());
    EXPECT_EQ(Wizard.ProductTypeIndex, 1);
    EXPECT_TRUE(Wizard.btnFinishClick());
    EXPECT_EQ(Prompts.Texts("confirm"), std::vector<std::string>(2, "Do you wish to exit now?"));
}

TEST_F(ConfiguratorFlow, AnyChangeOfAChoiceWithdrawsThePartNumber) {
    Wizard.PartNumber = "R187PA0125BSG";
    Wizard.AddOrderEnabled = Wizard.ViewSpecsEnabled = true;
    Wizard.cbxFinishChange(1);
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_FALSE(Wizard.AddOrderEnabled);
    EXPECT_FALSE(Wizard.ViewSpecsEnabled);
    EXPECT_EQ(Wizard.FinishIndex, 1);
}

TEST_F(ConfiguratorFlow, ResetClearsEveryChoiceButTheUnits) {
    Wizard.mnuMetricClick();
    Wizard.cbxProductTypeChange(1);
    Wizard.cbxWaveguideChange(1);
    Wizard.FlangeAList.Lines = {"P|187|Cover|CPR|P.gif"};
    Wizard.FlangeBList.Lines = {"P|187|Cover|CPR|P.gif"};
    Wizard.cbxFlangeAChange(0);
    Wizard.cbxFlangeBChange(0);
    Wizard.Length.ImperialItems = {"12.0", "18.0"};
    Wizard.Length.MetricItems = {"305", "457"};
    Wizard.Length.ItemIndex = 1;
    Wizard.LegALength.MetricItems = {"100"};
    Wizard.LengthText = "3.2";
    Wizard.LengthPicture = "DimTwist.gif";
    Wizard.FlangeAPicture = Wizard.FlangeBPicture = "P.gif";
    Wizard.PhotoPicture = "PhotoTwist.gif";
    Wizard.FrequencyChoices = {{"187", "W", "3.95 - 5.85 GHz", "1.10"}};
    Wizard.SelectedFrequency = 0;
    Wizard.btnNextClick();
    Wizard.PartNumber = "D187PP0000BG";
    Wizard.AddOrderEnabled = Wizard.ViewSpecsEnabled = true;
    ASSERT_EQ(Wizard.Screen, 2);

    Wizard.mnuResetSettingsClick();

    EXPECT_EQ(Wizard.ProductTypeIndex, -1);
    EXPECT_EQ(Wizard.PhotoPicture, "WG.gif");
    EXPECT_TRUE(Wizard.WaveguideItems().empty());
    EXPECT_TRUE(Wizard.FlangeAItems().empty());
    EXPECT_TRUE(Wizard.FlangeBItems().empty());
    EXPECT_TRUE(Wizard.CoaxItems().empty());
    EXPECT_EQ(Wizard.WaveguideIndex, -1);
    EXPECT_EQ(Wizard.FlangeAIndex, -1);
    EXPECT_EQ(Wizard.FlangeBIndex, -1);
    EXPECT_EQ(Wizard.FlangeAPicture, "");
    EXPECT_EQ(Wizard.FlangeBPicture, "");
    for (const TLengthList* list : {&Wizard.Length, &Wizard.LegALength, &Wizard.LegBLength}) {
        EXPECT_TRUE(list->ImperialItems.empty());
        EXPECT_TRUE(list->MetricItems.empty());
        EXPECT_EQ(list->ItemIndex, -1);
    }
    EXPECT_EQ(Wizard.LengthText, "");
    EXPECT_EQ(Wizard.LengthPicture, "");
    EXPECT_EQ(Wizard.FinishIndex, -1);
    EXPECT_TRUE(Wizard.FrequencyChoices.empty());
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_FALSE(Wizard.AddOrderEnabled);
    EXPECT_FALSE(Wizard.ViewSpecsEnabled);
    EXPECT_EQ(Wizard.Screen, 1);
    EXPECT_FALSE(IsImperial);
    EXPECT_TRUE(Wizard.MetricChecked);
    // The order and the catalogue tables are not choices.
    EXPECT_GT(Wizard.FamilyTable.RowCount(), 0);
}

TEST_F(ConfiguratorFlow, ChoosingTheActiveUnitChangesNothing) {
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
} // namespace cvn
