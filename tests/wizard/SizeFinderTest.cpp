#include "wizard/SizeFinder.h"
#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cvn {
namespace {

// Each match as "CODE WR BAND RANGE VSWR STATUS", VSWR "-" for none.
std::vector<std::string> Lines(const std::vector<TSizeMatch>& matches) {
    std::vector<std::string> lines;
    for (const TSizeMatch& m : matches) {
        lines.push_back(m.Code + " " + m.WR + " " + m.Band + " " + m.Range + " " +
                        (m.Vswr.empty() ? "-" : m.Vswr) + " " + SizeStatusText(m.Status));
    }
    return lines;
}

class SizeFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.CopySample("Data");
        Folder.CopySample("Images");
        Wizard.FormCreate(Folder.Path());
    }
    std::vector<std::string> Find(const std::string& frequency, int family,
                                  const TFindPreferences& preferred = {}) {
        const auto span = ParseFrequencyQuery(frequency);
        EXPECT_TRUE(span.has_value()) << frequency;
        return span ? Lines(FindSizes(*span, family, Wizard, Prompts, preferred))
                    : std::vector<std::string>{};
    }
    // Replaces the lines of a table that start with prefix by replacement ("": removed).
    void Edit(const std::string& table, const std::string& prefix, const std::string& replacement) {
        std::string text = Folder.Read("Data/" + table);
        const std::size_t first = text.find("\r\n" + prefix);
        ASSERT_NE(first, std::string::npos) << prefix;
        for (std::size_t at = first; at != std::string::npos; at = text.find("\r\n" + prefix)) {
            text.erase(at + 2, text.find("\r\n", at + 2) - at);
        }
        text.insert(first + 2, replacement.empty() ? "" : replacement + "\r\n");
        Folder.Write("Data/" + table, text);
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TConfigurator Wizard{Prompts};
};

// What the sample catalogue gives is the find command's (cli/cases/find-*): the order
// with and without a family, lowest VSWR first, both ends of a range in the band, band
// ends, windows in the full band only, a flexible twist at its shortest length's
// breakpoint, special quotes, no match and a missing VSWR table. Here: the wizard's
// choices, edited tables and choosing a found size.
TEST_F(SizeFinderTest, TheChosenCoaxTypeAndLengthAreUsedWhereTheSizeOffersThem) {
    // A coax type the size has with other figures than the first type.
    Edit("CoaxVSWR.tbl", "090|A|N|", "090|A|N|1.40:1");
    EXPECT_EQ(Find("9", FamilyType::Coax, {"N", ""}).back(),
              "090 WR-90 A 8.5-9.6 GHz 1.40:1 offered");
    EXPECT_EQ(Find("9", FamilyType::Coax).front(), "090 WR-90 A 8.5-9.6 GHz 1.15:1 offered");
    // 36 in. lies under the 36 in. breakpoint of WR-75.
    EXPECT_EQ(Find("10,5", FamilyType::FlexTwist, {"", "36.0"}).front(),
              "075 WR-75 S 10.0-15.0 GHz 1.25:1 offered");
}

TEST_F(SizeFinderTest, AnUnreadableRangeIsLeftOutAndASizeWithoutDataIsNotOffered) {
    Edit("Frequency.tbl", "090|A|", "090|A|8.5 to 9.6 GHz");
    Edit("WGVSWR.tbl", "R|112|", "");
    EXPECT_EQ(Find("9", FamilyType::Straight),
              (std::vector<std::string>{"090 WR-90 S 8.2-12.4 GHz 1.05:1 offered",
                                        "112 WR-112 S 7.05-10.0 GHz - not offered"}));
}

TEST_F(SizeFinderTest, ChoosingAFoundSizeClicksItInTheWaveguideListFromEitherScreen) {
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    ASSERT_TRUE(ChooseFoundSize(Wizard, "187"));
    Wizard.Screen = 2; // as after Next
    ASSERT_TRUE(ChooseFoundSize(Wizard, "090"));
    EXPECT_EQ(Wizard.Screen, 1);
    ASSERT_GE(Wizard.WaveguideIndex, 0);
    EXPECT_EQ(Wizard.WaveguideItems()[static_cast<std::size_t>(Wizard.WaveguideIndex)][0], "090");
    EXPECT_FALSE(Wizard.FrequencyChoices.empty());

    // A size sold by special quote says so, as a click does, and stays unchosen.
    ASSERT_TRUE(ChooseFoundSize(Wizard, "028"));
    EXPECT_EQ(Wizard.WaveguideIndex, -1);
    ASSERT_EQ(Prompts.Texts("information").size(), 1u);
    EXPECT_EQ(Prompts.Texts("information")[0].rfind("Waveguide size 028 is available", 0), 0u);

    EXPECT_FALSE(ChooseFoundSize(Wizard, "999"));
}

} // namespace
} // namespace cvn
