#include "tests/support/WizardFixture.h"

namespace cvn::test {
namespace {

// Labels and choices as the frequency box shows them, top to bottom: "Wide Band@16",
// "S 3.95-5.85 GHz / VSWR: 1.05@32".
Texts Shown(const TConfigurator& wizard) {
    std::vector<std::pair<int, std::string>> shown;
    for (const TFrequencyLabel& l : wizard.FrequencyLabels) {
        shown.emplace_back(l.Top, l.Caption + "@" + std::to_string(l.Top));
    }
    for (const TFrequencyChoice& c : wizard.FrequencyChoices) {
        shown.emplace_back(c.Top, c.FreqBand + " " + c.Caption() + "@" + std::to_string(c.Top));
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    Texts texts;
    for (const auto& [top, text] : shown) {
        texts.push_back(text);
    }
    return texts;
}

// The band and VSWR of the selected choice, or "none".
std::string Selected(const TConfigurator& wizard) {
    if (wizard.SelectedFrequency < 0) {
        return "none";
    }
    const auto& c = wizard.FrequencyChoices.at(static_cast<std::size_t>(wizard.SelectedFrequency));
    return c.FreqBand + " " + c.FreqVSWR;
}

class FrequencyTest : public WizardTest {
protected:
    // Straight-section 187 with the given VSWR bands and frequency rows.
    Texts ShownFor(std::initializer_list<std::string_view> vswr,
                   std::initializer_list<std::string_view> frequencies) {
        Folder.WriteTable("WGVSWR.tbl", vswr);
        Folder.WriteTable("Frequency.tbl", frequencies);
        Start();
        Choose(FamilyType::Straight, "187");
        return Shown(Wizard);
    }
};

TEST_F(FrequencyTest, WideBandFirstThenNarrowBandsEverySixteenPixels) {
    struct TCase {
        std::initializer_list<std::string_view> Vswr;
        std::initializer_list<std::string_view> Frequencies;
        Texts Shown;
    };
    const TCase cases[] = {
        {{"F|WG|Band|VSWR", "R|187|A|1.02", "R|187|S|1.05"},
         {"WG|Band|Range", "187|S|3.95-5.85 GHz", "187|A|4.4-5.0 GHz"},
         {"Wide Band@16", "S 3.95-5.85 GHz / VSWR: 1.05@32", "Narrow Band@48",
          "A 4.4-5.0 GHz / VSWR: 1.02@64"}},
        // No full band: every choice is narrow.
        {{"F|WG|Band|VSWR", "R|187|A|1.02", "R|187|B|1.03"},
         {"WG|Band|Range", "187|A|4.4-5.0 GHz", "187|B|5.2-5.8 GHz"},
         {"Narrow Band@16", "A 4.4-5.0 GHz / VSWR: 1.02@32", "B 5.2-5.8 GHz / VSWR: 1.03@48"}},
        // A full band alone, written in lower case; other families and sizes add nothing.
        {{"F|WG|Band|VSWR", "D|187|A|1.10", "R|090|A|1.10", "R|187|s|1.05"},
         {"WG|Band|Range", "090|A|8.5-10 GHz", "187|A|4.4-5.0 GHz", "187|s|3.95-5.85 GHz"},
         {"Wide Band@16", "s 3.95-5.85 GHz / VSWR: 1.05@32"}},
        // Only the first full-band row is the wide band; the order is that of
        // WGVSWR.tbl, then of Frequency.tbl.
        {{"F|WG|Band|VSWR", "R|187|B|1.03", "R|187|S|1.05"},
         {"WG|Band|Range", "187|S|3.95-5.85 GHz", "187|B|5.2-5.8 GHz", "187|S|3.7-4.2 GHz",
          "187|B|5.0-5.2 GHz"},
         {"Wide Band@16", "S 3.95-5.85 GHz / VSWR: 1.05@32", "Narrow Band@48",
          "B 5.2-5.8 GHz / VSWR: 1.03@64", "B 5.0-5.2 GHz / VSWR: 1.03@80",
          "S 3.7-4.2 GHz / VSWR: 1.05@96"}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ShownFor(c.Vswr, c.Frequencies), c.Shown);
        // The topmost choice is selected, and its click rewrote the description.
        EXPECT_EQ(Wizard.SelectedFrequency, 0);
        EXPECT_EQ(Wizard.SpecGrid[5][2], "Frequency");
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(FrequencyTest, TheBandIsKeptAcrossRebuildsWhileItIsOffered) {
    Folder.WriteTable("WGVSWR.tbl", {"F|WG|Band|VSWR", "R|042|S|1.05", "R|187|S|1.05",
                                     "R|187|A|1.02", "R|090|A|1.02", "R|090|S|1.05"});
    Folder.WriteTable("Dimensions.tbl",
                      {"F|WG|Min|Max|MaxMM|Def|DefMM", "R|042|12.0|24.0|610|12.0|305",
                       "R|187|12.0|24.0|610|12.0|305", "R|090|12.0|24.0|610|12.0|305"});
    Folder.WriteTable("Frequency.tbl",
                      {"WG|Band|Range", "042|S|18-26.5 GHz", "187|S|3.95-5.85 GHz",
                       "187|A|4.4-5.0 GHz", "090|S|8.2-12.4 GHz", "090|A|8.5-10 GHz"});
    Start();
    Choose(FamilyType::Straight, "187");
    Wizard.FrequencyChoiceClick(1);
    EXPECT_EQ(Selected(Wizard), "A 1.02");

    ChooseSize("090"); // A again, listed first in the table but shown below S
    EXPECT_EQ(Selected(Wizard), "A 1.02");
    EXPECT_EQ(Wizard.SelectedFrequency, 1);

    ChooseSize("042"); // no A here: the topmost
    EXPECT_EQ(Selected(Wizard), "S 1.05");
    ChooseSize("090");
    EXPECT_EQ(Selected(Wizard), "S 1.05");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(FrequencyTest, FlexibleTwistsTakeTheSmallestBreakpointNotBelowTheLength) {
    Folder.WriteTable("FlexVSWR.tbl", {"WG|Band|Breakpoint|VSWR", "187|S|24|1.24", "187|S|12|1.12",
                                       "187|A|12|1.02", "187|S|36|1.36", "187|S|24.0|1.24b"});
    Folder.WriteTable("FlexImperialLengths.tbl",
                      {"in", "0.5", "12", "12.1", "24", "36", "36.1", "40"});
    Folder.WriteTable("FlexMetricLengths.tbl", {"mm", "305", "610", "609", "914", "1000"});
    Start();
    Choose(FamilyType::FlexTwist, "187");
    // The default length 12 is the breakpoint 12 itself.
    EXPECT_EQ(Shown(Wizard), (Texts{"Wide Band@16", "S 3.95-5.85 GHz / VSWR: 1.12@32",
                                    "Narrow Band@48", "A 4.4-5.0 GHz / VSWR: 1.02@64"}));

    const std::pair<const char*, const char*> imperial[] = {
        {"0.5", "1.12"}, {"12.0", "1.12"}, {"12.1", "1.24"}, {"24.0", "1.24"}, {"36.0", "1.36"}};
    for (const auto& [length, vswr] : imperial) {
        PickLength(TLengthBox::Length, length);
        EXPECT_EQ(Selected(Wizard), std::string("S ") + vswr) << length;
    }
    // "24" and "24.0" are the same breakpoint: both rows apply.
    PickLength(TLengthBox::Length, "24.0");
    EXPECT_EQ(Wizard.FrequencyChoices.size(), 2u);

    Wizard.mnuMetricClick();
    const std::pair<const char*, const char*> metric[] = {
        {"305", "1.12"}, // 12.0 (12.00785)
        {"610", "1.24"}, // 24.0 (24.0157)
        {"609", "1.24"}, // 24.0 (23.97633): rounded before it is compared
        {"914", "1.36"}, // 36.0 (35.98418)
    };
    for (const auto& [length, vswr] : metric) {
        PickLength(TLengthBox::Length, length);
        EXPECT_EQ(Selected(Wizard), std::string("S ") + vswr) << length;
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(FrequencyTest, AFlexibleTwistBeyondItsLastBreakpointHasNoFrequencies) {
    Folder.WriteTable("FlexVSWR.tbl",
                      {"WG|Band|Breakpoint|VSWR", "187|S|12|1.12", "187|S|36|1.36"});
    Folder.WriteTable("FlexImperialLengths.tbl", {"in", "12", "36.1", "40"});
    Folder.WriteTable("FlexMetricLengths.tbl", {"mm", "305", "1000"});
    Start();
    Choose(FamilyType::FlexTwist, "187");
    ChooseFlangeA("A");
    ChooseFlangeB("C");
    ASSERT_EQ(Wizard.FrequencyChoices.size(), 1u);

    for (const char* length : {"36.1", "40.0"}) {
        PickLength(TLengthBox::Length, length);
        EXPECT_TRUE(Wizard.FrequencyChoices.empty()) << length;
        EXPECT_TRUE(Wizard.FrequencyLabels.empty()) << length;
        EXPECT_EQ(Wizard.SelectedFrequency, -1);
    }
    Wizard.btnNextClick();
    ASSERT_EQ(Wizard.Screen, 2);
    Wizard.btnCreateClick();
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_EQ(Prompts.Texts("error"),
              Texts{"Unable to create part number. No frequency matches found.\rThe part number "
                    "you were about to create may not be supported.\rPlease contact your "
                    "Brenmoor represantative."});

    // In millimetres beyond the end too.
    Wizard.mnuMetricClick();
    PickLength(TLengthBox::Length, "1000"); // 39.4 in
    EXPECT_TRUE(Wizard.FrequencyChoices.empty());
}

TEST_F(FrequencyTest, CoaxChoicesAreSortedByTheirWholeLineAndListedOnce) {
    Folder.WriteTable("CoaxVSWR.tbl", {"WG|Band|Coax|VSWR", "090|x|N|1.30", "090|S|N|1.25",
                                       "090|b|N|1.20", "090|S|N|1.25", "090|S|A|1.40"});
    Folder.WriteTable("Frequency.tbl", {"WG|Band|Range", "090|S|8.2-12.4 GHz", "090|x|8.5-10 GHz",
                                        "090|b|9.0-9.5 GHz"});
    Start();
    Choose(FamilyType::Coax, "090");
    EXPECT_TRUE(Wizard.FrequencyChoices.empty()); // only a coax type decides them
    Wizard.cbxCoaxChange(IndexOf(CoaxCodes(), "N"));
    EXPECT_EQ(Shown(Wizard),
              (Texts{"Wide Band@16", "S 8.2-12.4 GHz / VSWR: 1.25@32", "Narrow Band@48",
                     "b 9.0-9.5 GHz / VSWR: 1.20@64", "x 8.5-10 GHz / VSWR: 1.30@80"}));
    Wizard.cbxCoaxChange(IndexOf(CoaxCodes(), "A"));
    EXPECT_EQ(Shown(Wizard), (Texts{"Wide Band@16", "S 8.2-12.4 GHz / VSWR: 1.40@32"}));
}

TEST_F(FrequencyTest, PressureWindowsAreOfferedInTheFullBandWrittenExactlyS) {
    Folder.WriteTable("Frequency.tbl", {"WG|Band|Range", "284|A|2.70-2.90 GHz",
                                        "284|S|2.60-3.95 GHz", "090|s|8.2-12.4 GHz"});
    Folder.WriteTable("PressureWindows.tbl",
                      {"WG|Flange|Description|Part Number|VSWR", "284|C|Window|P284C|1.10",
                       "284|A|Window|P284A|1.20", "090|A|Window|P090A|1.10"});
    Start();
    Choose(FamilyType::PressureWindow, "284");
    EXPECT_TRUE(Wizard.FrequencyChoices.empty()); // flange A decides them
    ChooseFlangeA("A");
    EXPECT_EQ(Shown(Wizard), (Texts{"Wide Band@16", "S 2.60-3.95 GHz / VSWR: 1.20@32"}));
    ChooseFlangeA("C");
    EXPECT_EQ(Shown(Wizard), (Texts{"Wide Band@16", "S 2.60-3.95 GHz / VSWR: 1.10@32"}));
    Choose(FamilyType::PressureWindow, "090");
    ChooseFlangeA("A");
    EXPECT_TRUE(Wizard.FrequencyChoices.empty());
}

} // namespace
} // namespace cvn::test
