#include "tests/support/RowName.h"
#include "tests/support/WizardFixture.h"

namespace cvn::test {
namespace {

// One configuration as a user makes it; empty texts are left alone.
struct TConfiguration {
    const char* Name;
    int Family;
    const char* Size;
    const char* FlangeA;
    const char* FlangeB; // the coax type for the coax transition
    const char* Length;  // leg A for the two-leg families
    const char* LegB;
    const char* Band;
    int Finish; // -1: as preset
    bool Metric;
    // What comes out.
    const char* PartNumber;
    Texts SpecLabels;
    const char* Description;
};

class ComposeTest : public WizardTest {
protected:
    void PickBand(const std::string& band) {
        for (std::size_t i = 0; i < Wizard.FrequencyChoices.size(); ++i) {
            if (Wizard.FrequencyChoices[i].FreqBand == band) {
                Wizard.FrequencyChoiceClick(static_cast<int>(i));
                return;
            }
        }
        FAIL() << "no band " << band;
    }

    void Configure(const TConfiguration& c) {
        if (c.Metric) {
            Wizard.mnuMetricClick();
        }
        Choose(c.Family, c.Size);
        if (*c.FlangeA) {
            ChooseFlangeA(c.FlangeA);
        }
        if (*c.FlangeB && c.Family == FamilyType::Coax) {
            Wizard.cbxCoaxChange(IndexOf(CoaxCodes(), c.FlangeB));
        } else if (*c.FlangeB) {
            ChooseFlangeB(c.FlangeB);
        }
        const bool legs = Wizard.LengthPage == 2;
        if (*c.Length) {
            PickLength(legs ? TLengthBox::LegA : TLengthBox::Length, c.Length);
        }
        if (*c.LegB) {
            PickLength(TLengthBox::LegB, c.LegB);
        }
        if (*c.Band) {
            PickBand(c.Band);
        }
        if (c.Finish >= 0) {
            Wizard.cbxFinishChange(c.Finish);
        }
    }

    // The labels of the written grid rows, from row 1; the rows after them are empty.
    Texts SpecLabels() const {
        Texts labels;
        std::size_t row = 1;
        for (; row < SpecGridRows && !Wizard.SpecGrid[row][2].empty(); ++row) {
            labels.push_back(Wizard.SpecGrid[row][2]);
        }
        for (; row < SpecGridRows; ++row) {
            EXPECT_EQ(Wizard.SpecGrid[row], (std::array<std::string, SpecGridCols>{})) << row;
        }
        EXPECT_EQ(Wizard.SpecGrid[0], (std::array<std::string, SpecGridCols>{}));
        return labels;
    }

    void Create() {
        Wizard.btnNextClick();
        ASSERT_EQ(Wizard.Screen, 2) << "screen 1 incomplete";
        Wizard.btnCreateClick();
    }
};

class EveryFamily : public ComposeTest, public ::testing::WithParamInterface<TConfiguration> {};

TEST_P(EveryFamily, ComposesFillsItsSheetAndDescribesItself) {
    const TConfiguration& c = GetParam();
    Start();
    Configure(c);
    EXPECT_EQ(SpecLabels(), c.SpecLabels);
    EXPECT_EQ(Wizard.DescribeConfiguration(), c.Description);
    Create();
    EXPECT_EQ(Wizard.PartNumber, c.PartNumber);
    EXPECT_TRUE(Wizard.AddOrderEnabled);
    // Table parts have no spec page of their own.
    EXPECT_EQ(Wizard.ViewSpecsEnabled,
              c.Family != FamilyType::PressureWindow && c.Family != FamilyType::StepTwist);
    // Coax transitions are gray, flexible twists black, windows and step-twists have no
    // finish: only the other families let the user choose it.
    EXPECT_EQ(Wizard.FinishEnabled,
              c.Family != FamilyType::Coax && c.Family != FamilyType::FlexTwist &&
                  c.Family != FamilyType::PressureWindow && c.Family != FamilyType::StepTwist);
    EXPECT_TRUE(Prompts.Messages.empty());
}

const Texts kPlain{"Product Type", "Waveguide", "Flange A", "Flange B", "Frequency", "Finish"};
const Texts kLength{"Product Type", "Waveguide", "Units",     "Flange A",
                    "Length",       "Flange B",  "Frequency", "Finish"};
const Texts kTwoLegs{"Product Type", "Waveguide", "Units",     "Flange A", "Length A",
                     "Flange B",     "Length B",  "Frequency", "Finish"};

// Bends put the lower flange code first and keep the legs (a four-digit leg code moves
// the later flange, which is still ordered); miters keep the flanges as
// chosen; the step-twist's flanges are chosen for the user.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Configurator, EveryFamily, ::testing::Values(
    TConfiguration{"Coax", FamilyType::Coax, "090", "A", "N", "", "", "X", -1, false, "C090ANXG",
        Texts{"Product Type", "Waveguide", "Flange A", "Coax Type", "Frequency", "Finish"},
        "Waveguide to Coax Transititon, WR-90, Cover, Type N Female, 8.5-10.0 GHz / VSWR: 1.30, Gray"},
    TConfiguration{"Twist", FamilyType::Twist, "090", "B", "A", "", "", "", 1, false, "D090BASN", kPlain,
        "90\xB0 Twist, WR-90, Choke, Cover, 8.2-12.4 GHz / VSWR: 1.10, Unpainted"},
    TConfiguration{"EBend", FamilyType::EBend, "090", "B", "A", "1.0", "3.0", "", -1, false, "E090PA010B030SG", kTwoLegs,
        "E Bend 90\xB0, WR-90, Choke, Leg A Length: 1.0, Cover, Leg B Length: 3.0, 8.2-12.4 GHz / VSWR: 1.10, Gray"},
    TConfiguration{"FlexTwist", FamilyType::FlexTwist, "187", "C", "A", "18.0", "", "", -1, false, "F187PA0180CS",
        Texts{"Product Type", "Waveguide", "Units", "Flange A", "Length", "Flange B", "Frequency"},
        "Flexible Twist, WR-187, CPR, Length: 18.0, Cover, 3.95-5.85 GHz / VSWR: 1.20"},
    TConfiguration{"EBendFourDigitLeg", FamilyType::EBend, "187", "C", "A", "1250", "150", "", -1, true, "E187MA1250C150SG", kTwoLegs,
        "E Bend 90\xB0, WR-187, CPR, Leg A Length: 1250, Cover, Leg B Length: 150, 3.95-5.85 GHz / VSWR: 1.10, Gray"},
    TConfiguration{"HBendMetric", FamilyType::HBend, "090", "B", "A", "50", "25", "", -1, true, "H090MA050B025SG", kTwoLegs,
        "H Bend 90\xB0, WR-90, Choke, Leg A Length: 50, Cover, Leg B Length: 25, 8.2-12.4 GHz / VSWR: 1.10, Gray"},
    TConfiguration{"MiterH", FamilyType::MiterH, "187", "C", "A", "3.0", "3.0", "", -1, false, "M187PC030A030SG", kTwoLegs,
        "90\xB0 Miter H, WR-187, CPR, Leg A Length: 3.0, Cover, Leg B Length: 3.0, 3.95-5.85 GHz / VSWR: 1.10, Gray"},
    TConfiguration{"MiterE", FamilyType::MiterE, "090", "B", "B", "1.0", "2.0", "", 1, false, "N090PB010B020SN", kTwoLegs,
        "90\xB0 Miter E, WR-90, Choke, Leg A Length: 1.0, Choke, Leg B Length: 2.0, 8.2-12.4 GHz / VSWR: 1.10, Unpainted"},
    TConfiguration{"PressureWindow", FamilyType::PressureWindow, "284", "A", "", "", "", "", -1, false, "P284A",
        Texts{"Product Type", "Waveguide", "Flange A", "Frequency"}, "Pressure Window, WR-284, Cover, 2.60-3.95 GHz / VSWR: 1.10"},
    TConfiguration{"Straight", FamilyType::Straight, "187", "C", "A", "18.0", "", "", 1, false, "R187PA0180CSN", kLength,
        "Straight Section, WR-187, CPR, Length: 18.0, Cover, 3.95-5.85 GHz / VSWR: 1.05, Unpainted"},
    TConfiguration{"StraightMetric", FamilyType::Straight, "187", "A", "C", "505", "", "", -1, true, "R187MA0505CSG", kLength,
        "Straight Section, WR-187, Cover, Length: 505, CPR, 3.95-5.85 GHz / VSWR: 1.05, Gray"},
    TConfiguration{"StepTwist", FamilyType::StepTwist, "284", "", "", "", "", "A", -1, false, "ST284A",
        Texts{"Product Type", "Waveguide", "Flange A", "Flange B", "Frequency"},
        "90\xB0 Step-Twist, WR-284, CPR, CPR, 2.70-2.90 GHz / VSWR: 1.08:1"},
    TConfiguration{"Tapered", FamilyType::Tapered, "090", "A", "A", "", "", "", -1, false, "T090AAG", kPlain,
        "Tapered Transition, WR-90 to WR-187, Cover, Cover, 8.2-12.4 GHz / VSWR: 1.10, Gray"}),
    test::RowName());
// clang-format on

// A part whose ends differ is confirmed before it is composed: a taper's flanges on
// its two sizes, a miter's flanges on the shorter and the longer leg in either unit.
// Swap exchanges the flanges through their handlers; Cancel composes nothing.
struct TConfirmation {
    const char* Name;
    TConfiguration Chosen;
    TDialogResult Answer;
    const char* Message;
    const char* PartNumber; // "": nothing composed
    const char* FlangesAfter;
};

class Confirmation : public ComposeTest, public ::testing::WithParamInterface<TConfirmation> {};

TEST_P(Confirmation, IsAskedAndAnsweredBeforeComposing) {
    const TConfirmation& c = GetParam();
    Start();
    Configure(c.Chosen);
    Prompts.Answers = {c.Answer};
    Create();
    EXPECT_EQ(Prompts.Texts("confirm"), Texts{c.Message});
    EXPECT_EQ(Wizard.PartNumber, c.PartNumber);
    const bool composed = *c.PartNumber != 0;
    EXPECT_EQ(Wizard.AddOrderEnabled, composed);
    EXPECT_EQ(Wizard.ViewSpecsEnabled, composed);
    EXPECT_EQ(ChosenFlangeA() + ChosenFlangeB(), c.FlangesAfter);
    EXPECT_EQ(Wizard.FlangeAPicture + Wizard.FlangeBPicture,
              "Flg" + ChosenFlangeA() + ".gifFlg" + ChosenFlangeB() + ".gif");
    EXPECT_EQ(Wizard.SpecGrid[c.Chosen.Family == FamilyType::Tapered ? 3 : 4][1], ChosenFlangeA());
}

const char* const kTaper =
    "The waveguide size is different on each end of this part. Please\rverify your "
    "configuration to make sure your flanges are correct.\r\rSmaller end (WR90) "
    "has a Cover flange\r\rLarger end (WR187) has a CPR flange";
const TDialogResult kGo = TDialogResult::Continue;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Configurator, Confirmation, ::testing::Values(
    TConfirmation{"Taper", {"", FamilyType::Tapered, "090", "A", "C", "", "", "", -1, false, "", {}, ""}, kGo, kTaper, "T090ACG", "AC"},
    TConfirmation{"TaperCancelled", {"", FamilyType::Tapered, "090", "A", "C", "", "", "", -1, false, "", {}, ""}, TDialogResult::Cancel, kTaper, "", "AC"},
    TConfirmation{"MiterLegBShorter", {"", FamilyType::MiterH, "187", "C", "A", "4.0", "2.0", "", -1, false, "", {}, ""}, kGo,
        "The shorter leg (2.0 in.) has a Cover flange\rThe longer leg (4.0 in.) has a CPR flange", "M187PC040A020SG", "CA"},
    TConfirmation{"MiterLegAShorter", {"", FamilyType::MiterH, "187", "C", "A", "2.0", "4.0", "", -1, false, "", {}, ""}, kGo,
        "The shorter leg (2.0 in.) has a CPR flange\rThe longer leg (4.0 in.) has a Cover flange", "M187PC020A040SG", "CA"},
    TConfirmation{"MiterMetricCancelled", {"", FamilyType::MiterH, "187", "C", "A", "101", "56", "", -1, true, "", {}, ""}, TDialogResult::Cancel,
        "The shorter leg (56 mm) has a Cover flange\rThe longer leg (101 mm) has a CPR flange", "", "CA"},
    TConfirmation{"MiterSwapped", {"", FamilyType::MiterH, "187", "C", "A", "4.0", "2.0", "", -1, false, "", {}, ""}, TDialogResult::Swap,
        "The shorter leg (2.0 in.) has a Cover flange\rThe longer leg (4.0 in.) has a CPR flange", "M187PA040C020SG", "AC"}),
    test::RowName());
// clang-format on

TEST_F(ComposeTest, LengthCodesCountTenthsOfAnInchOrWholeMillimetres) {
    Start();
    // clang-format off
    const std::pair<const char*, int> codes[] = {{"12.5", FamilyType::Straight}, {"4.0", FamilyType::EBend},
        {"4.0", FamilyType::FlexTwist}, {"102", FamilyType::MiterH}, {"12345", FamilyType::Straight}};
    // clang-format on
    Texts made;
    for (const auto& [text, family] : codes) {
        made.push_back(Wizard.LengthCode(text, family));
    }
    EXPECT_EQ(made, (Texts{"0125", "040", "0040", "102", "12345"}));
    EXPECT_TRUE(Prompts.Messages.empty());
    for (const char* text : {"abc", "1.2.3", "1e1", ""}) {
        Prompts.Messages.clear();
        EXPECT_EQ(Wizard.LengthCode(text, FamilyType::Straight), "") << text;
        EXPECT_EQ(Prompts.Texts("information"), Texts{"Please enter a valid Length value."});
    }
}

// A length that gives no code would compose another part's number: nothing is
// composed and there is nothing to order, whichever length box holds it.
TEST_F(ComposeTest, ALengthWithoutACodeComposesNothing) {
    for (const auto& [family, box] : {std::pair{FamilyType::Straight, TLengthBox::Length},
                                      {FamilyType::MiterH, TLengthBox::LegA},
                                      {FamilyType::MiterH, TLengthBox::LegB}}) {
        TConfigurator wizard{Prompts};
        wizard.FormCreate(Folder.Path());
        wizard.cbxProductTypeChange(family);
        wizard.cbxWaveguideChange(FindRow(wizard.WaveguideList, 1, "187"));
        wizard.cbxFlangeAChange(0);
        wizard.cbxFlangeBChange(0);
        wizard.LengthList(box).Text = "1x";
        wizard.btnNextClick();
        ASSERT_EQ(wizard.Screen, 2);
        Prompts.Messages.clear();
        wizard.btnCreateClick();
        EXPECT_EQ(Prompts.Texts("information"), Texts{"Please enter a valid Length value."});
        EXPECT_EQ(wizard.PartNumber, "");
        EXPECT_FALSE(wizard.AddOrderEnabled || wizard.ViewSpecsEnabled);
    }
}

} // namespace
} // namespace cvn::test
