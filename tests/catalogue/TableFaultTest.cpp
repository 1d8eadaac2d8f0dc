#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cvn {
namespace {

namespace fs = std::filesystem;

class TableFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.CopySample("Data");
        IsImperial = true;
        Wizard.FormCreate(Folder.Path());
    }

    // Replaces the table the way an editor or an installer does: a new file renamed
    // over the old one, so a reader holding the old file would still see it.
    void Replace(const std::string& name, const std::string& bytes) {
        Folder.Write("Data/" + name + ".new", bytes);
        fs::rename(Folder.Path() + "Data/" + name + ".new", Folder.Path() + "Data/" + name);
    }

    std::vector<std::string> Sizes() const {
        std::vector<std::string> codes;
        for (const TStrings& item : Wizard.WaveguideItems()) {
            codes.push_back(item.at(0));
        }
        return codes;
    }

    int IndexOfSize(const std::string& code) const {
        const std::vector<std::string> codes = Sizes();
        const auto found = std::find(codes.begin(), codes.end(), code);
        return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TConfigurator Wizard{Prompts};
};

TEST_F(TableFaultTest, ATableReplacedWhileTheProgramRunsCountsFromTheNextEvent) {
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    ASSERT_GE(IndexOfSize("187"), 0);
    Wizard.cbxWaveguideChange(IndexOfSize("187"));
    ASSERT_FALSE(Wizard.FrequencyChoices.empty());
    EXPECT_EQ(Wizard.FrequencyChoices.front().FreqRange, "3.95-5.85 GHz");

    // A new frequency table: the next waveguide change shows its range.
    std::string frequencies = Folder.Read("Data/Frequency.tbl");
    const std::string old = "187|S|3.95-5.85 GHz";
    frequencies.replace(frequencies.find(old), old.size(), "187|S|3.90-5.90 GHz");
    Replace("Frequency.tbl", frequencies);
    Wizard.cbxWaveguideChange(IndexOfSize("187"));
    EXPECT_EQ(Wizard.FrequencyChoices.front().FreqRange, "3.90-5.90 GHz");

    // WR-187 straight sections taken out of the VSWR table: the next family change
    // no longer offers the size.
    std::string vswr = Folder.Read("Data/WGVSWR.tbl");
    for (std::size_t at; (at = vswr.find("R|187|")) != std::string::npos;) {
        vswr.erase(at, vswr.find('\n', at) + 1 - at);
    }
    Replace("WGVSWR.tbl", vswr);
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    EXPECT_EQ(IndexOfSize("187"), -1);
    EXPECT_GE(IndexOfSize("137"), 0);
    EXPECT_EQ(Wizard.WaveguideIndex, -1);
    EXPECT_TRUE(Prompts.Messages.empty());
}

} // namespace
} // namespace cvn
