#include "tests/wizard/WizardFixture.h"

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

TEST_F(WizardTest, ANewSizeKeepsTheFlangesItStillOffers) {
    Start();
    Choose(FamilyType::EBend, "090");
    ChooseFlangeA("B");
    ChooseFlangeB("A");
    EXPECT_EQ(Wizard.FlangeAPicture, "FlgB.gif");

    ChooseSize("187"); // has A and C: B is gone, A stays
    EXPECT_EQ(ChosenFlangeA(), "");
    EXPECT_EQ(ChosenFlangeB(), "A");
    EXPECT_EQ(Wizard.FlangeAPicture, "");
    EXPECT_EQ(Wizard.FlangeBPicture, "FlgA.gif");

    Wizard.cbxProductTypeChange(FamilyType::Coax);
    ChooseSize("090");
    Wizard.cbxCoaxChange(IndexOf(CoaxCodes(), "A"));
    ChooseFlangeA("A");
    ChooseSize("187");
    EXPECT_EQ(CoaxCodes(), Texts{"A"});
    EXPECT_EQ(Wizard.CoaxIndex, 0);
    EXPECT_EQ(ChosenFlangeA(), "A");
    EXPECT_EQ(Wizard.FlangeBIndex, -1);
}

TEST_F(WizardTest, SwitchingBetweenFamiliesThatOfferTheSizeKeepsItAndItsFlanges) {
    Start();
    Choose(FamilyType::EBend, "090");
    ChooseFlangeA("B");
    ChooseFlangeB("A");
    Wizard.PartNumber = "E090PB020A020SG";

    Wizard.cbxProductTypeChange(FamilyType::HBend);
    EXPECT_EQ(ChosenSize(), "090");
    EXPECT_EQ(ChosenFlangeA(), "B");
    EXPECT_EQ(ChosenFlangeB(), "A");
    EXPECT_EQ(Wizard.FlangeAPicture, "FlgB.gif");
    EXPECT_EQ(Wizard.PhotoPicture, "PhotoH.gif");
    EXPECT_EQ(Wizard.LengthPicture, "DimH.gif");
    // The legs are those of the H bend's own row.
    EXPECT_EQ(Wizard.LegALength.Items(), (Texts{"1.0", "1.5", "2.0"}));
    EXPECT_EQ(Wizard.LegBLength.Text, "1.5");
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, AFamilyWithoutTheSizeClearsEverythingBelowIt) {
    Start();
    Choose(FamilyType::Straight, "187");
    ChooseFlangeA("C");
    ChooseFlangeB("A");
    Wizard.chkFlangeAdaptorClick(true);
    Wizard.cbxFinishChange(1);
    Wizard.PartNumber = "R187PA0120CSN";
    Wizard.AddOrderEnabled = true;

    Wizard.cbxProductTypeChange(FamilyType::MiterE); // offers only 090
    EXPECT_EQ(Sizes(), Texts{"090"});
    EXPECT_EQ(Wizard.WaveguideIndex, -1);
    EXPECT_TRUE(Wizard.FlangeAItems().empty() && Wizard.FlangeBItems().empty());
    EXPECT_EQ(std::vector({Wizard.FlangeAIndex, Wizard.FlangeBIndex}), std::vector({-1, -1}));
    EXPECT_EQ(Wizard.FlangeAPicture + Wizard.FlangeBPicture, "");
    for (const TLengthList* list : {&Wizard.Length, &Wizard.LegALength, &Wizard.LegBLength}) {
        EXPECT_TRUE(list->ImperialItems.empty() && list->MetricItems.empty() && list->Text.empty());
    }
    EXPECT_TRUE(Wizard.Length.Enabled);
    EXPECT_FALSE(Wizard.FlangeAdaptorChecked);
    EXPECT_EQ(Wizard.LengthText, "");
    EXPECT_EQ(Wizard.FinishIndex, -1);
    EXPECT_EQ(Wizard.PartNumber, "");
    EXPECT_FALSE(Wizard.AddOrderEnabled);
    EXPECT_EQ(Wizard.PhotoPicture, "PhotoN.gif");
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

TEST_F(WizardTest, WhileApplyingAPartNumberNothingEarlierIsRestored) {
    Start();
    Choose(FamilyType::EBend, "090");
    ChooseFlangeA("B");
    ApplyingPartNumber = true;
    Wizard.cbxProductTypeChange(FamilyType::HBend);
    EXPECT_EQ(Wizard.WaveguideIndex, -1);
    EXPECT_TRUE(FlangeACodes().empty());

    ChooseSize("090");
    ChooseFlangeA("B");
    ChooseSize("187");
    EXPECT_EQ(FlangeACodes(), (Texts{"A", "C"}));
    EXPECT_EQ(Wizard.FlangeAIndex, -1);

    // A step-twist's part number names no flanges: its first ones are chosen anyway.
    Choose(FamilyType::StepTwist, "284");
    EXPECT_EQ(FlangeACodes(), (Texts{"C", "A"}));
    EXPECT_EQ(Wizard.FlangeAIndex, 0);
    EXPECT_EQ(Wizard.FlangeBIndex, 0);
}

} // namespace
} // namespace cvn::test
