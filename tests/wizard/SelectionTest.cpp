#include "tests/support/RowName.h"
#include "tests/support/WizardFixture.h"

namespace cvn::test {
namespace {

const std::string kQuote284 = "Waveguide size 284 is available by special quote.\r"
                              "Please contact your Brenmoor represantative for details.";

TEST_F(WizardTest, EachFamilyListsTheSizesItsTableHasDataFor) {
    Start();
    const std::vector<Texts> expected = {
        {"090", "187", "284"}, // coax: CoaxVSWR.tbl
        {"090", "187"},        // twist: D rows
        {"090", "187"},        // E bend
        {"187", "12a"},        // flexible twist: FlexVSWR.tbl, "12A" matches ignoring case
        {"090", "187"},        // H bend: the E rows
        {"187"},               // miter H: M rows
        {"090"},               // miter E: N rows
        {"090", "284"},        // pressure window
        {"042", "187", "284"}, // straight: R rows compare exactly, so "12A" is not "12a"
        {"090", "284"},        // step-twist
        {"042", "090"},        // taper: small ends with T rows
    };
    for (int family = 0; family < FamilyType::Count; ++family) {
        SCOPED_TRACE(family);
        Wizard.cbxProductTypeChange(family);
        EXPECT_EQ(Sizes(), expected[static_cast<std::size_t>(family)]);
        EXPECT_EQ(Wizard.WaveguideIndex, -1);
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, FlangeAndCoaxListsFollowTheFamilyAndSize) {
    Start();
    struct TCase {
        int Family;
        const char* Size;
        Texts FlangeA, FlangeB, Coax;
    };
    // clang-format off
    const TCase cases[] = {
        // Coax types with data for the size, sorted, each once however many rows it has.
        {FamilyType::Coax, "090", {"A", "B"}, {}, {"A", "N"}},
        {FamilyType::Coax, "187", {"A", "C"}, {}, {"A"}},
        {FamilyType::Straight, "187", {"A", "C"}, {"A", "C"}, {}},
        // Only flanges that a window is made for, in the windows' order; none for 090,
        // whose window names a flange the size does not have.
        {FamilyType::PressureWindow, "284", {"C", "A"}, {}, {}},
        {FamilyType::PressureWindow, "090", {}, {}, {}},
        {FamilyType::StepTwist, "284", {"C", "A"}, {"C", "A"}, {}},
        // Flange B fits the large end.
        {FamilyType::Tapered, "090", {"A", "B"}, {"A", "C"}, {}}};
    // clang-format on
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Family) + " " + c.Size);
        Choose(c.Family, c.Size);
        EXPECT_EQ(ChosenSize(), c.Size);
        EXPECT_EQ(FlangeACodes(), c.FlangeA);
        EXPECT_EQ(FlangeBCodes(), c.FlangeB);
        EXPECT_EQ(CoaxCodes(), c.Coax);
    }
    Choose(FamilyType::Coax, "090");
    EXPECT_EQ(Wizard.CoaxItems(),
              (std::vector<TStrings>{{"A", "SMA Female"}, {"N", "Type N Female"}}));
    EXPECT_EQ(Wizard.FlangeAItems()[1], (TStrings{"B", "Choke", "UG-40/U"}));
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, SpecialQuoteSizesAreRefusedOnlyForTheirFamilies) {
    Start();
    // clang-format off
    const struct { int Family; const char* Size; bool Refused; } cases[] = {
        {FamilyType::Straight, "284", true},        {FamilyType::StepTwist, "284", false},
        {FamilyType::PressureWindow, "284", false}, {FamilyType::Tapered, "042", true},
        {FamilyType::Straight, "042", false},       {FamilyType::Coax, "284", true}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Family) + " " + c.Size);
        Prompts.Messages.clear();
        Wizard.cbxProductTypeChange(c.Family);
        const Texts sizes = Sizes();
        ChooseSize(c.Size);
        EXPECT_EQ(Sizes(), sizes);
        EXPECT_EQ(ChosenSize(), c.Refused ? "" : c.Size);
        const Texts told = Prompts.Texts("information");
        EXPECT_EQ(told.size(), c.Refused ? 1u : 0u);
        EXPECT_TRUE(told.empty() || told[0].rfind("Waveguide size " + std::string(c.Size), 0) == 0);
        EXPECT_EQ(Prompts.Messages.size(), told.size());
    }
    EXPECT_EQ(Prompts.Texts("information"), Texts{kQuote284});
}

// The flange groups can be used until a family without them is chosen.
TEST_F(WizardTest, FlangeGroupsAreUsableExceptForAPressureWindow) {
    Start();
    const auto usable = [&] {
        return std::vector<bool>{
            Wizard.FlangeBEnabled,      Wizard.CodeCaptionEnabled, Wizard.FlangeTypeCaptionEnabled,
            Wizard.ModelCaptionEnabled, Wizard.CoaxEnabled,        Wizard.CoaxTypeCaptionEnabled};
    };
    EXPECT_EQ(usable(), std::vector<bool>(6, true));
    Wizard.cbxProductTypeChange(FamilyType::PressureWindow);
    EXPECT_EQ(usable(), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(Wizard.FlangeACaption + "|" + Wizard.FlangeBCaption, " For Fitment to Flange |");
    Wizard.cbxProductTypeChange(FamilyType::Coax);
    EXPECT_TRUE(Wizard.CoaxEnabled && Wizard.CoaxInFront && Wizard.CodeCaptionEnabled);
    EXPECT_EQ(Wizard.FlangeACaption + "|" + Wizard.FlangeBCaption, " Flange | Coax Type ");
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    EXPECT_EQ(usable(), (std::vector<bool>{true, true, true, true, true, true}));
    EXPECT_FALSE(Wizard.CoaxInFront);
}

// What a new family or size keeps of the choices made: the size and the flanges it
// still offers; while a part number is applied, nothing earlier (a step-twist's flanges,
// which its part number does not name, are its first ones). Either way the part number
// is gone, the pictures follow the family and the flanges, and without a size nothing
// below it stays.
struct TKept {
    const char* Name;
    int Family;
    const char* Size;
    const char* FlangeA;
    const char* FlangeB; // or the coax type
    bool Applying;
    int NewFamily; // -1: none
    const char* NewSize;
    const char* Kept; // size|flange A|flange B|coax|family picture|leg B
};

class Kept : public WizardTest, public ::testing::WithParamInterface<TKept> {};

TEST_P(Kept, AreTheChoicesTheNewListsStillOffer) {
    const TKept& c = GetParam();
    Start();
    Choose(c.Family, c.Size);
    ChooseFlangeA(c.FlangeA);
    if (c.Family == FamilyType::Coax) {
        Wizard.cbxCoaxChange(IndexOf(CoaxCodes(), c.FlangeB));
    } else {
        ChooseFlangeB(c.FlangeB);
    }
    Wizard.chkFlangeAdaptorClick(c.Family == FamilyType::Straight);
    Wizard.cbxFinishChange(1);
    Wizard.PartNumber = "X";
    Wizard.AddOrderEnabled = true;
    ApplyingPartNumber = c.Applying;
    if (c.NewFamily >= 0) {
        Wizard.cbxProductTypeChange(c.NewFamily);
    }
    if (*c.NewSize) {
        ChooseSize(c.NewSize);
    }
    EXPECT_EQ(ChosenSize() + "|" + ChosenFlangeA() + "|" + ChosenFlangeB() + "|" +
                  Chosen(CoaxCodes(), Wizard.CoaxIndex) + "|" + Wizard.PhotoPicture + "|" +
                  Wizard.LegBLength.Text,
              c.Kept);
    for (const auto& [code, picture] : {std::pair{ChosenFlangeA(), Wizard.FlangeAPicture},
                                        {ChosenFlangeB(), Wizard.FlangeBPicture}}) {
        EXPECT_EQ(picture, code.empty() ? "" : "Flg" + code + ".gif");
    }
    EXPECT_EQ(Wizard.LengthPicture, "Dim" + Wizard.PhotoPicture.substr(5));
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_FALSE(Wizard.AddOrderEnabled);
    if (ChosenSize().empty()) {
        EXPECT_TRUE(Wizard.FlangeAItems().empty() && Wizard.FlangeBItems().empty());
        for (const TLengthList* list : {&Wizard.Length, &Wizard.LegALength, &Wizard.LegBLength}) {
            EXPECT_TRUE(list->ImperialItems.empty() && list->MetricItems.empty());
        }
        EXPECT_EQ(Wizard.Length.Text + Wizard.LengthText, "");
        EXPECT_TRUE(Wizard.Length.Enabled);
        EXPECT_FALSE(Wizard.FlangeAdaptorChecked);
        EXPECT_EQ(Wizard.FinishIndex, -1);
    }
    EXPECT_TRUE(Prompts.Messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, Kept, ::testing::Values(
    TKept{"NewSizeKeepsTheFlangesItOffers", FamilyType::EBend, "090", "B", "A", false, -1, "187", "187||A||PhotoE.gif|6.0"},
    TKept{"NewSizeKeepsTheCoaxType", FamilyType::Coax, "090", "A", "A", false, -1, "187", "187|A||A|PhotoC.gif|"},
    TKept{"FamilyOfferingTheSizeTakesItsOwnLegs", FamilyType::EBend, "090", "B", "A", false, FamilyType::HBend, "", "090|B|A||PhotoH.gif|1.5"},
    TKept{"FamilyWithoutTheSizeClearsEverything", FamilyType::Straight, "187", "C", "A", false, FamilyType::MiterE, "", "||||PhotoN.gif|"},
    TKept{"ApplyingANewFamily", FamilyType::EBend, "090", "B", "A", true, FamilyType::HBend, "", "||||PhotoH.gif|"},
    TKept{"ApplyingANewSize", FamilyType::EBend, "090", "B", "A", true, -1, "187", "187||||PhotoE.gif|6.0"},
    TKept{"ApplyingAStepTwist", FamilyType::EBend, "090", "B", "A", true, FamilyType::StepTwist, "284", "284|C|C||PhotoS.gif|"}),
    test::RowName());
// clang-format on

} // namespace
} // namespace cvn::test
