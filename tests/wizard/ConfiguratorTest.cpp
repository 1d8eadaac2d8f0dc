#include "catalogue/Errors.h"
#include "entry/Conversion.h"
#include "entry/QuickBuilder.h"
#include "tests/support/WizardFixture.h"

#include <filesystem>
#include <functional>

namespace cvn::test {
namespace {

// The unit setting is read at creation and checked in the menu (which texts of the
// setting mean which unit is cli/cases/configure-units-setting-*'s).
TEST_F(WizardTest, UnitSettingIsReadAtCreationAndCheckedInTheMenu) {
    for (const bool imperial : {false, true}) {
        Folder.Write("Corvane.ini", imperial ? "[UNITS]\r\ntype=P\r\n" : "[UNITS]\r\ntype=M\r\n");
        IsImperial = !imperial;
        TConfigurator wizard(Prompts);
        wizard.FormCreate(Folder.Path());
        EXPECT_EQ(IsImperial, imperial);
        EXPECT_EQ(wizard.ImperialChecked, imperial);
        EXPECT_EQ(wizard.MetricChecked, !imperial);
        EXPECT_EQ(wizard.UnitLabel(), imperial ? "inches" : "mm");
    }
    EXPECT_TRUE(Prompts.Messages.empty());
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

// Each file the program writes at close says so when it cannot be written: the main
// window's close, then the dialogs' destruction, whose errors the general error handler
// shows. (How the writer fails is AtomicReplaceFault's.)
TEST_F(WizardTest, CloseWhereTheFilesCannotBeWrittenSaysWhatWasNotSaved) {
    // Folders where the files belong: nothing can replace them, not even for root.
    const Texts files = {"Corvane.ini", "corvane38.lom", "Data/Parts.hst", "Data/OldParts.hst"};
    for (const std::string& name : files) {
        std::filesystem::create_directory(Folder.Path() + name);
    }
    Start();
    TQuickBuilder builder;
    builder.FormCreate();
    builder.History.Add("R090PA0120ASG");
    TOldPartConverter converter(Prompts);
    converter.FormCreate();
    converter.History.Add("WS-90-120");
    Prompts.Messages.clear();

    Wizard.FormClose();
    Texts errors = Prompts.Texts("error");
    for (const auto& destroy : {std::function<void()>([&] { builder.FormDestroy(); }),
                                std::function<void()>([&] { converter.FormDestroy(); })}) {
        try {
            destroy();
        } catch (const EFCreateError& e) {
            errors.push_back(e.what());
        }
    }
    Texts expected;
    for (const std::string& name : files) {
        expected.push_back("Cannot create file " + Folder.Path() + name);
    }
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(Wizard.FamilyTable.RowCount(), 0);
}

} // namespace
} // namespace cvn::test
