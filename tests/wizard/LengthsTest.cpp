#include "tests/wizard/WizardFixture.h"

#include "catalogue/Errors.h"

#include <filesystem>

namespace cvn::test {
namespace {

void ReplaceFamilyRow(const TTempFolder& folder, const std::string& letter,
                      const std::string& row) {
    std::string text = folder.Read("Data/Family.tbl");
    const auto at = text.find("\r\n" + letter + "|");
    ASSERT_NE(at, std::string::npos);
    const auto end = text.find("\r\n", at + 2);
    text.replace(at + 2, end - at - 2, row);
    folder.Write("Data/Family.tbl", text);
}

TEST_F(WizardTest, EachFamilyHasItsLengthPageAndListStyle) {
    Start();
    struct TPage {
        int Page;
        bool LengthEditable;
        bool LegsEditable;
    };
    const TPage pages[] = {
        {1, false, false}, {1, false, false}, {2, false, false}, {0, false, false},
        {2, false, false}, {2, false, true},  {2, false, true},  {1, false, false},
        {0, true, false},  {1, false, false}, {1, false, false},
    };
    for (int family = 0; family < FamilyType::Count; ++family) {
        SCOPED_TRACE(family);
        Wizard.cbxProductTypeChange(family);
        const TPage& p = pages[family];
        EXPECT_EQ(Wizard.LengthPage, p.Page);
        if (p.Page == 0) {
            EXPECT_EQ(Wizard.Length.Editable, p.LengthEditable);
            EXPECT_TRUE(Wizard.Length.Enabled);
        }
        if (p.Page == 2) {
            EXPECT_EQ(Wizard.LegALength.Editable, p.LegsEditable);
            EXPECT_EQ(Wizard.LegBLength.Editable, p.LegsEditable);
        }
        EXPECT_EQ(Wizard.FlangeAdaptorVisible, family == FamilyType::Straight);
    }
}

TEST_F(WizardTest, StepsRunFromTheShortestToTheLongestLengthInBothUnits) {
    Start();
    Choose(FamilyType::Straight, "187");
    EXPECT_EQ(Wizard.Length.ImperialItems, (Texts{"12.0", "18.0", "24.0"}));
    // From 12 in (304.8 mm, whole 305) up to the millimetre column, by the mm step.
    EXPECT_EQ(Wizard.Length.MetricItems, (Texts{"305", "405", "505", "605"}));
    EXPECT_EQ(Wizard.Length.Text, "12.0");
    EXPECT_EQ(Wizard.Length.ItemIndex, 0);

    Choose(FamilyType::EBend, "090");
    const Texts legs = {"1.0", "1.5", "2.0", "2.5", "3.0"};
    EXPECT_EQ(Wizard.LegALength.ImperialItems, legs);
    EXPECT_EQ(Wizard.LegBLength.ImperialItems, legs);
    EXPECT_EQ(Wizard.LegALength.Text, "2.0");
    EXPECT_EQ(Wizard.LegBLength.Text, "2.0");
    EXPECT_EQ(Wizard.LegALength.MetricItems.front(), "25");
    EXPECT_EQ(Wizard.LegALength.MetricItems.back(), "75");

    // A size without a dimensions row offers no lengths.
    Choose(FamilyType::HBend, "187");
    EXPECT_TRUE(Wizard.LegALength.Items().empty());
    EXPECT_EQ(Wizard.LegALength.Text, "");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, MetricListsSelectTheMetricDefault) {
    Folder.Write("Corvane.ini", "[UNITS]\r\ntype=M\r\n");
    Start();
    Choose(FamilyType::Straight, "187");
    EXPECT_EQ(Wizard.Length.Items(), Wizard.Length.MetricItems);
    EXPECT_EQ(Wizard.Length.Text, "305");
    Choose(FamilyType::Twist, "090");
    EXPECT_EQ(Wizard.LengthText, "82");
}

TEST_F(WizardTest, FlexibleTwistsPickFromTheirOwnLengthTables) {
    Start();
    Choose(FamilyType::FlexTwist, "187");
    EXPECT_EQ(Wizard.Length.ImperialItems, (Texts{"6.0", "12.0", "18.0"}));
    EXPECT_EQ(Wizard.Length.MetricItems, (Texts{"152", "305", "457"}));
    EXPECT_EQ(Wizard.Length.Text, "12.0");
    EXPECT_FALSE(Wizard.Length.Editable);

    Wizard.PartNumber = "F187PAA0180AS";
    Wizard.cbxLengthChange(2, "18.0");
    EXPECT_EQ(Wizard.Length.Text, "18.0");
    EXPECT_EQ(Wizard.PartNumber, "");

    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.Length.Text, "457");

    ChooseSize("12a"); // no FlexSpecs row
    EXPECT_TRUE(Wizard.Length.ImperialItems.empty());
    EXPECT_TRUE(Wizard.Length.MetricItems.empty());
    EXPECT_EQ(Wizard.Length.Text, "");
}

TEST_F(WizardTest, PresetLengthsComeFromTheDimensionsOrSayWhyNot) {
    Start();
    Choose(FamilyType::Twist, "090");
    EXPECT_EQ(Wizard.LengthText, "3.2"); // 3.24 in
    Choose(FamilyType::Twist, "187");
    EXPECT_EQ(Wizard.LengthText, "U/F");
    Choose(FamilyType::Tapered, "090");
    EXPECT_EQ(Wizard.LengthText, "2.0");
    Choose(FamilyType::Coax, "090");
    EXPECT_EQ(Wizard.LengthText, "N/A");
    Choose(FamilyType::PressureWindow, "284");
    EXPECT_EQ(Wizard.LengthText, "N/A");
}

TEST_F(WizardTest, StepTwistLengthBelongsToTheChosenFrequencyRange) {
    Start();
    Choose(FamilyType::StepTwist, "284");
    ASSERT_EQ(Wizard.FrequencyChoices.size(), 2u);
    EXPECT_EQ(Wizard.SelectedFrequency, 0);
    EXPECT_EQ(Wizard.LengthText, "3.24"); // as the table writes it

    // The length follows the band the size is chosen with.
    Wizard.FrequencyChoiceClick(1);
    ChooseSize("284");
    EXPECT_EQ(Wizard.FrequencyChoices[1].FreqBand, "A");
    EXPECT_EQ(Wizard.SelectedFrequency, 1);
    EXPECT_EQ(Wizard.LengthText, "3.5");
    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.LengthText, "89"); // 88.9 mm
    Wizard.mnuImperialClick();

    ChooseSize("090");
    EXPECT_EQ(Wizard.LengthText, "1.5");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, TypedLengthsAreRaisedToTheNextStepOrRefused) {
    Start();
    Choose(FamilyType::Straight, "187");
    Wizard.cbxLengthEnter(TLengthBox::Length);
    EXPECT_EQ(Wizard.LastLengthIndex, 0);

    Wizard.PartNumber = "R187PA0120ASG";
    Wizard.cbxLengthExit(TLengthBox::Length, "20");
    EXPECT_EQ(Wizard.Length.Text, "24.0");
    EXPECT_TRUE(Prompts.Messages.empty());
    EXPECT_FALSE(Wizard.FocusBackTo.has_value());
    EXPECT_EQ(Wizard.PartNumber, "");

    Wizard.cbxLengthExit(TLengthBox::Length, "18");
    EXPECT_EQ(Wizard.Length.Text, "18.0");
    Wizard.cbxLengthExit(TLengthBox::Length, "24");
    EXPECT_EQ(Wizard.Length.Text, "24.0");
    EXPECT_TRUE(Prompts.Messages.empty());

    Wizard.cbxLengthExit(TLengthBox::Length, "30");
    EXPECT_EQ(Prompts.Texts("error"), Texts{"Length \"30\" is not available."});
    EXPECT_EQ(Wizard.Length.Text, "24.0");
    EXPECT_EQ(Wizard.LastLengthIndex, 2);
    EXPECT_EQ(Wizard.FocusBackTo, TLengthBox::Length);

    Prompts.Messages.clear();
    Wizard.FocusBackTo.reset();
    Wizard.cbxLengthExit(TLengthBox::Length, "5");
    EXPECT_EQ(Prompts.Texts("error"), Texts{"Length \"5\" is not available."});
    EXPECT_EQ(Wizard.Length.Text, "12.0");
    EXPECT_EQ(Wizard.LastLengthIndex, 0);
    EXPECT_EQ(Wizard.FocusBackTo, TLengthBox::Length);

    Prompts.Messages.clear();
    Wizard.cbxLengthChange(1, "18.0");
    Wizard.cbxLengthEnter(TLengthBox::Length);
    Wizard.cbxLengthExit(TLengthBox::Length, "abc");
    EXPECT_EQ(Prompts.Texts("error"), Texts{"\"abc\" is not a valid Length value."});
    EXPECT_EQ(Wizard.Length.Text, "18.0");
    EXPECT_EQ(Wizard.Length.ItemIndex, 1);

    // In millimetres the metric list bounds and steps the typed value.
    Prompts.Messages.clear();
    Wizard.mnuMetricClick();
    Wizard.cbxLengthExit(TLengthBox::Length, "450");
    EXPECT_EQ(Wizard.Length.Text, "505");
    EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(WizardTest, OnlyEditableListsWithItemsCheckWhatIsTyped) {
    Start();
    Choose(FamilyType::EBend, "090");
    Wizard.cbxLengthEnter(TLengthBox::LegA);
    Wizard.cbxLengthExit(TLengthBox::LegA, "abc");
    Choose(FamilyType::Straight, "284"); // refused: the list stays empty
    Wizard.cbxLengthExit(TLengthBox::Length, "abc");
    EXPECT_TRUE(Prompts.Texts("error").empty());

    Choose(FamilyType::MiterH, "187");
    Wizard.cbxLengthEnter(TLengthBox::LegB);
    Wizard.cbxLengthExit(TLengthBox::LegB, "3.2");
    EXPECT_EQ(Wizard.LegBLength.Text, "3.5");
    EXPECT_EQ(Wizard.LegALength.Text, "3.0");
    Wizard.cbxLengthExit(TLengthBox::LegB, "9");
    EXPECT_EQ(Prompts.Texts("error"), Texts{"Length \"9\" is not available."});
    EXPECT_EQ(Wizard.LegBLength.Text, "4.0");
    EXPECT_EQ(Wizard.FocusBackTo, TLengthBox::LegB);
}

TEST_F(WizardTest, UnitSwitchConvertsWhatIsShownAndAsksAgainForLostLengths) {
    Start();
    Choose(FamilyType::Twist, "090");
    Wizard.Screen = 2;
    // What is shown is converted: 3.2 in (of 3.24) is 81.28 mm.
    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.LengthText, "81");
    EXPECT_EQ(Wizard.UnitLabel(), "mm");
    Wizard.mnuImperialClick();
    EXPECT_EQ(Wizard.LengthText, "3.2"); // 81 x 0.03937 = 3.189
    EXPECT_EQ(Wizard.Screen, 2);

    Choose(FamilyType::Coax, "090");
    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.LengthText, "N/A");
    EXPECT_EQ(Wizard.Screen, 2);
    Wizard.mnuImperialClick();

    // 18 in is 457 mm, which the metric list does not hold: back to screen 1.
    Choose(FamilyType::Straight, "187");
    Wizard.cbxLengthChange(1, "18.0");
    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.Length.Text, "");
    EXPECT_EQ(Wizard.Length.ItemIndex, -1);
    EXPECT_EQ(Wizard.Screen, 1);

    Wizard.mnuImperialClick();
    Choose(FamilyType::EBend, "090");
    Wizard.cbxLegBLengthChange(1, "1.5");
    Wizard.Screen = 2;
    Wizard.mnuMetricClick(); // 2.0 in = 51 mm, 1.5 in = 38 mm: neither is listed
    EXPECT_EQ(Wizard.LegALength.Text, "");
    EXPECT_EQ(Wizard.Screen, 1);
}

TEST_F(WizardTest, FlangeAdaptorFixesTheLengthInEitherUnit) {
    Start(CORVANE_SAMPLE_APP_DIR);
    Choose(FamilyType::Straight, "090");
    ASSERT_NE(Wizard.Length.Text, "4.0");
    Wizard.PartNumber = "R090PA0120ASG";
    Wizard.chkFlangeAdaptorClick(true);
    EXPECT_EQ(Wizard.Length.Text, "4.0");
    EXPECT_FALSE(Wizard.Length.Enabled);
    EXPECT_EQ(Wizard.PartNumber, "");

    Wizard.mnuMetricClick();
    EXPECT_EQ(Wizard.Length.Text, "102"); // 101.6 mm
    Wizard.mnuImperialClick();
    EXPECT_EQ(Wizard.Length.Text, "4.0"); // 102 x 0.03937 = 4.016

    // A new size keeps the adaptor length instead of its own default.
    Wizard.mnuMetricClick();
    ChooseSize("042");
    EXPECT_EQ(Wizard.Length.Text, "102");
    EXPECT_FALSE(Wizard.Length.Enabled);

    Wizard.chkFlangeAdaptorClick(false);
    EXPECT_TRUE(Wizard.Length.Enabled);
    EXPECT_EQ(Wizard.Length.Text, "102");
    Wizard.chkFlangeAdaptorClick(true);

    // The bend that keeps the size has no adaptor: its legs get their own default.
    Wizard.cbxProductTypeChange(FamilyType::EBend);
    ASSERT_EQ(ChosenSize(), "042");
    const int row = FindRow(Wizard.DimensionsTable, {{1, "E"}, {2, "042"}});
    ASSERT_GE(row, 0);
    EXPECT_EQ(Wizard.LegALength.Text, Wizard.DimensionsTable.GetField(row, 7));

    // Back on the straight section the box is still ticked and the list still fixed.
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    EXPECT_TRUE(Wizard.FlangeAdaptorChecked);
    EXPECT_FALSE(Wizard.Length.Enabled);
    EXPECT_EQ(Wizard.Length.Text, "102");
}

TEST_F(WizardTest, AStepOfZeroOrLessIsADataErrorWithAnEmptyList) {
    for (const char* step : {"0", "-6.0", "0.00001"}) {
        SCOPED_TRACE(step);
        ReplaceFamilyRow(Folder, "R", std::string("R|Straight Section|") + step + "|100|D|P");
        TScriptedPrompts prompts;
        TConfigurator wizard(prompts);
        wizard.FormCreate(Folder.Path());
        wizard.cbxProductTypeChange(FamilyType::Straight);
        try {
            wizard.cbxWaveguideChange(1); // 187
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("greater than zero"), std::string::npos)
                << e.what();
        }
        EXPECT_TRUE(wizard.Length.ImperialItems.empty());
        EXPECT_TRUE(wizard.Length.MetricItems.empty());
        EXPECT_EQ(wizard.Length.Text, "");
    }
}

TEST_F(WizardTest, TextWhereANumberBelongsStopsTheListWithTheConversionMessage) {
    Folder.WriteTable("Dimensions.tbl", {"Family|WG|Min|Max|MaxMM|Def|DefMM",
                                         "R|187|12.0|2 4|610|12.0|305", "D|090|3.24|3.24|82|x|82"});
    Folder.WriteTable("FlexImperialLengths.tbl", {"Length (in.)", "6", "twelve"});
    Start();
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    try {
        ChooseSize("187");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'2 4' is not a valid floating point value");
    }
    EXPECT_TRUE(Wizard.Length.Items().empty());
    EXPECT_EQ(FlangeACodes(), (Texts{"A", "C"}));

    Wizard.cbxProductTypeChange(FamilyType::Twist);
    EXPECT_THROW(ChooseSize("090"), EConvertError);
    EXPECT_EQ(Wizard.LengthText, "");

    Wizard.cbxProductTypeChange(FamilyType::FlexTwist);
    EXPECT_THROW(ChooseSize("187"), EConvertError);
    EXPECT_TRUE(Wizard.Length.ImperialItems.empty());
    EXPECT_EQ(Wizard.Length.Text, "");
}

TEST_F(WizardTest, ADataErrorForAKeptSizeStillShowsTheNewFamily) {
    ReplaceFamilyRow(Folder, "M", "M|Miter H|0|5|DimM.gif|PhotoM.gif");
    Start();
    Choose(FamilyType::EBend, "187");
    Wizard.cbxProductTypeChange(FamilyType::Straight);
    ASSERT_EQ(Wizard.LengthPage, 0);
    ASSERT_FALSE(Wizard.LegBLength.Items().empty()); // left from the bend
    EXPECT_THROW(Wizard.cbxProductTypeChange(FamilyType::MiterH), EConvertError);
    EXPECT_EQ(ChosenSize(), "187");
    EXPECT_EQ(Wizard.LengthPage, 2);
    EXPECT_TRUE(Wizard.LegALength.Editable);
    EXPECT_EQ(Wizard.PhotoPicture, "PhotoM.gif");
    EXPECT_EQ(Wizard.LengthPicture, "DimM.gif");
    EXPECT_FALSE(Wizard.FlangeAdaptorVisible);
    EXPECT_TRUE(Wizard.LegALength.Items().empty());
    EXPECT_TRUE(Wizard.LegBLength.Items().empty());
}

TEST_F(WizardTest, MissingLengthTablesLeaveEmptyListsAndPresetsUnknown) {
    std::filesystem::remove(Folder.Path() + "Data/Dimensions.tbl");
    std::filesystem::remove(Folder.Path() + "Data/FlexSpecs.tbl");
    Start();
    ASSERT_EQ(Prompts.Texts("error").size(), 1u);
    Choose(FamilyType::Straight, "187");
    EXPECT_TRUE(Wizard.Length.Items().empty());
    Choose(FamilyType::Twist, "090");
    EXPECT_EQ(Wizard.LengthText, "U/F");
    Choose(FamilyType::FlexTwist, "187");
    EXPECT_TRUE(Wizard.Length.Items().empty());
    const Texts errors = Prompts.Texts("error");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[1].find("FlexSpecs.tbl"), std::string::npos);
}

} // namespace
} // namespace cvn::test
