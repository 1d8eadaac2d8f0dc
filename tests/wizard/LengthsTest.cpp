#include "tests/support/WizardFixture.h"

namespace cvn::test {
namespace {

// Page 0 one length list, 1 a preset length, 2 two leg lists; only a straight section's
// length and a miter's legs can be typed, and only a straight section has an adaptor.
TEST_F(WizardTest, EachFamilyHasItsLengthPageAndListStyle) {
    Start();
    const int pages[] = {1, 1, 2, 0, 2, 2, 2, 1, 0, 1, 1};
    for (int family = 0; family < FamilyType::Count; ++family) {
        SCOPED_TRACE(family);
        Wizard.cbxProductTypeChange(family);
        EXPECT_EQ(Wizard.LengthPage, pages[family]);
        if (pages[family] == 0) {
            EXPECT_EQ(Wizard.Length.Editable, family == FamilyType::Straight);
            EXPECT_TRUE(Wizard.Length.Enabled);
        }
        if (pages[family] == 2) {
            const bool miter = family == FamilyType::MiterH || family == FamilyType::MiterE;
            EXPECT_EQ(Wizard.LegALength.Editable, miter);
            EXPECT_EQ(Wizard.LegBLength.Editable, miter);
        }
        EXPECT_EQ(Wizard.FlangeAdaptorVisible, family == FamilyType::Straight);
    }
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

// Preset lengths from the dimensions in the unit the program starts in, not converted
// from the other; or why there is none.
TEST_F(WizardTest, PresetLengthsComeFromTheDimensionsOrSayWhyNot) {
    // clang-format off
    const struct { bool Metric; int Family; const char* Size; const char* Shown; } cases[] = {
        {false, FamilyType::Twist, "090", "3.2"}, {false, FamilyType::Twist, "187", "U/F"},
        {false, FamilyType::Tapered, "090", "2.0"}, {false, FamilyType::Coax, "090", "N/A"},
        {false, FamilyType::PressureWindow, "284", "N/A"}, {true, FamilyType::Twist, "090", "82"},
        {false, FamilyType::Straight, "187", "12.0"}, {true, FamilyType::Straight, "187", "305"}};
    // clang-format on
    for (const auto& c : cases) {
        Folder.Write("Corvane.ini", c.Metric ? "[UNITS]\r\ntype=M\r\n" : "");
        Start();
        Choose(c.Family, c.Size);
        EXPECT_EQ(c.Family == FamilyType::Straight ? Wizard.Length.Text : Wizard.LengthText,
                  c.Shown)
            << c.Family << " " << c.Size;
    }
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

// A typed straight-section length is raised to the next step of the unit's list
// (12.0 to 24.0 in. by 6, 305 to 605 mm by 100); one beyond either end is refused and
// that end is taken, no number is refused and the earlier length (18.0 in.) comes back;
// a refusal gives the box the focus again.
TEST_F(WizardTest, TypedLengthsAreRaisedToTheNextStepOrRefused) {
    // clang-format off
    const struct { bool Metric; const char* Typed; const char* Shown; const char* Error; } cases[] = {
        {false, "20", "24.0", ""}, {false, "18", "18.0", ""}, {false, "24", "24.0", ""},
        {false, "12.01", "18.0", ""}, {false, "30", "24.0", "Length \"30\" is not available."},
        {false, "6", "12.0", "Length \"6\" is not available."},
        {false, "abc", "18.0", "\"abc\" is not a valid Length value."},
        {true, "450", "505", ""}, {true, "305", "305", ""}, {true, "611", "605", "Length \"611\" is not available."}};
    // clang-format on
    Start();
    Choose(FamilyType::Straight, "187");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        c.Metric ? Wizard.mnuMetricClick() : Wizard.mnuImperialClick();
        PickLength(TLengthBox::Length, c.Metric ? "305" : "18.0");
        Wizard.cbxLengthEnter(TLengthBox::Length);
        EXPECT_EQ(Wizard.LastLengthIndex, c.Metric ? 0 : 1);
        Prompts.Messages.clear();
        Wizard.FocusBackTo.reset();
        Wizard.PartNumber = "R187PA0180ASG";
        Wizard.cbxLengthExit(TLengthBox::Length, c.Typed);
        EXPECT_EQ(Wizard.Length.Text, c.Shown);
        EXPECT_EQ(Prompts.Texts("error"), *c.Error ? Texts{c.Error} : Texts{});
        EXPECT_EQ(Wizard.FocusBackTo.has_value(), *c.Error != 0);
        if (*c.Error) { // what a refusal shows is where the next one goes back to
            EXPECT_EQ(Wizard.LastLengthIndex, Wizard.Length.ItemIndex);
        }
        EXPECT_EQ(Wizard.PartNumber, "");
    }
}

// A text refused as no length never stays in the box, also when there is no earlier
// length to go back to: otherwise Next would accept it and Create compose with it.
TEST_F(WizardTest, RefusedTypedLengthDoesNotSurviveWithoutAnEarlierLength) {
    Start();
    Choose(FamilyType::Straight, "187");
    ChooseFlangeA("A");
    ChooseFlangeB("A");
    Wizard.cbxLengthChange(-1, "13");
    Wizard.mnuMetricClick(); // 13 inches is no listed millimetre length
    ASSERT_EQ(Wizard.Length.ItemIndex, -1);
    Wizard.cbxLengthEnter(TLengthBox::Length);
    ASSERT_EQ(Wizard.LastLengthIndex, -1);
    for (int time = 1; time <= 2; ++time) {
        Wizard.cbxLengthChange(-1, "abc");
        Wizard.cbxLengthExit(TLengthBox::Length, "abc");
        EXPECT_EQ(Prompts.Texts("error").size(), static_cast<std::size_t>(time));
        EXPECT_EQ(Wizard.Length.Text, "");
        EXPECT_EQ(Wizard.FocusBackTo, TLengthBox::Length);
    }
    Prompts.Messages.clear();
    Wizard.btnNextClick();
    EXPECT_EQ(Wizard.Screen, 1);
    EXPECT_EQ(Prompts.Texts("information"), Texts{"Please fill all options to continue."});
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
}

} // namespace
} // namespace cvn::test
