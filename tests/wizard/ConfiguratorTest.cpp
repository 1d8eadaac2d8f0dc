#include "catalogue/Errors.h"
#include "entry/Conversion.h"
#include "entry/QuickBuilder.h"
#include "tests/wizard/WizardFixture.h"

#include <filesystem>
#include <functional>

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
