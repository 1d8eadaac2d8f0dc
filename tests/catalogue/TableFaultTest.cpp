#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cvn {
namespace {

// A table replaced while the program runs, the way an editor or an installer does it
// (a new file renamed over the old one, so a reader holding the old file would still
// see it), counts from the next event on.
TEST(TableFaultTest, ATableReplacedWhileTheProgramRunsCountsFromTheNextEvent) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    test::TScriptedPrompts prompts;
    TConfigurator wizard{prompts};
    IsImperial = true;
    wizard.FormCreate(folder.Path());
    const auto replace = [&](const std::string& name, const std::string& from,
                             const std::string& to) {
        std::string bytes = folder.Read("Data/" + name);
        for (std::size_t at; (at = bytes.find(from)) != std::string::npos;) {
            bytes.replace(at, from.size(), to);
        }
        folder.Write("Data/" + name + ".new", bytes);
        std::filesystem::rename(folder.Path() + "Data/" + name + ".new",
                                folder.Path() + "Data/" + name);
    };
    const auto indexOfSize = [&](const std::string& code) {
        const auto items = wizard.WaveguideItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].at(0) == code) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    wizard.cbxProductTypeChange(FamilyType::Straight);
    wizard.cbxWaveguideChange(indexOfSize("187"));
    ASSERT_FALSE(wizard.FrequencyChoices.empty());
    EXPECT_EQ(wizard.FrequencyChoices.front().FreqRange, "3.95-5.85 GHz");

    replace("Frequency.tbl", "187|S|3.95-5.85 GHz", "187|S|3.90-5.90 GHz");
    wizard.cbxWaveguideChange(indexOfSize("187"));
    EXPECT_EQ(wizard.FrequencyChoices.front().FreqRange, "3.90-5.90 GHz");

    // WR-187 straight sections taken out of the VSWR table: the next family change
    // no longer offers the size.
    replace("WGVSWR.tbl", "R|187|", "X|187|");
    wizard.cbxProductTypeChange(FamilyType::Straight);
    EXPECT_EQ(indexOfSize("187"), -1);
    EXPECT_GE(indexOfSize("137"), 0);
    EXPECT_EQ(wizard.WaveguideIndex, -1);
    EXPECT_TRUE(prompts.Messages.empty());
}

} // namespace
} // namespace cvn
