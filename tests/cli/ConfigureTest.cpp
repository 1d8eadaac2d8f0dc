#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cvn {
namespace {

using Texts = std::vector<std::string>;

// The sample catalogue in a program folder of its own, so that anything the command
// might write beside the program would show.
class ConfigureCommand : public ::testing::Test {
protected:
    void SetUp() override { Folder.CopySample("Data"); }

    int Run(std::vector<std::string> args, const std::string& command = "configure") {
        args.insert(args.begin(), command);
        const test::TCliRun r = test::Cli(args, Folder.Path());
        Out = r.Out;
        Err = r.Err;
        return r.Exit;
    }

    // The lines of standard output that start with kind, without it.
    Texts Lines(const std::string& kind) const {
        Texts lines;
        std::istringstream in(Out);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(kind + "\t", 0) == 0) {
                lines.push_back(line.substr(kind.size() + 1));
            }
        }
        return lines;
    }
    std::string PartNumber() const {
        const Texts lines = Lines("part-number");
        return lines.size() == 1 ? lines[0] : "<" + std::to_string(lines.size()) + " lines>";
    }

    test::TTempFolder Folder;
    std::string Out;
    std::string Err;
};

TEST_F(ConfigureCommand, PrintsThePartNumberItsBandsSheetAndDescription) {
    EXPECT_EQ(Run({"family=8", "waveguide=187", "flangeA=B", "length=12.5", "flangeB=A", "band=S",
                   "finish=G"}),
              0);
    EXPECT_EQ(Err, "");
    // The four kinds of line, in their order, and nothing else.
    std::istringstream in(Out);
    Texts kinds;
    for (std::string line; std::getline(in, line);) {
        const std::string kind = line.substr(0, line.find('\t'));
        if (kinds.empty() || kinds.back() != kind) {
            kinds.push_back(kind);
        }
    }
    EXPECT_EQ(kinds, (Texts{"part-number", "frequency", "spec", "description"}));
    EXPECT_EQ(PartNumber(), "R187PA0125BSG");
    const Texts bands = Lines("frequency");
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands[0].rfind("S\t", 0), 0u);
    EXPECT_EQ(bands[0].substr(bands[0].size() - 2), "\t*");
    const Texts spec = Lines("spec");
    ASSERT_EQ(spec.size(), 8u);
    EXPECT_EQ(spec[0], "R\tProduct Type\tStraight Section");
    EXPECT_EQ(spec[4], "0125\tLength\t12.5");
    EXPECT_EQ(Lines("description").size(), 1u);
    EXPECT_EQ(Lines("description")[0].rfind("Straight Section, ", 0), 0u);

    // The program writes its settings and site list when it closes; this is no close.
    EXPECT_FALSE(Folder.Exists("Corvane.ini"));
    EXPECT_FALSE(Folder.Exists("corvane38.lom"));
}

TEST_F(ConfigureCommand, UnitsComeFromTheSettingsFileAndDescriptionsAreUtf8) {
    Folder.Write("Corvane.ini", "[UNITS]\r\ntype=M\r\n");
    EXPECT_EQ(Run({"family=8", "waveguide=187", "flangeA=A", "flangeB=A"}), 0);
    EXPECT_EQ(PartNumber().substr(0, 5), "R187M");
    EXPECT_EQ(Folder.Read("Corvane.ini"), "[UNITS]\r\ntype=M\r\n");
    EXPECT_EQ(Run({"family=1", "waveguide=090", "flangeA=A", "flangeB=B"}), 0);
    ASSERT_EQ(Lines("description").size(), 1u);
    EXPECT_EQ(Lines("description")[0].rfind("90\xC2\xB0 Twist, WR-90, Cover, Choke, ", 0), 0u);
}

// Each choice reaches the window's action for it; what the choices compose is the
// configurator's rule (EveryFamily in ComposeTest).
struct TConfigureRow {
    const char* Name;
    Texts Args;
    const char* PartNumber;
};

void PrintTo(const TConfigureRow& row, std::ostream* os) {
    *os << row.Name;
}

class ConfigureRows : public ConfigureCommand,
                      public ::testing::WithParamInterface<TConfigureRow> {};

TEST_P(ConfigureRows, ComposeThePartNumber) {
    ASSERT_EQ(Run(GetParam().Args), 0) << Err;
    EXPECT_EQ(Err, "");
    EXPECT_EQ(PartNumber(), GetParam().PartNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ConfigureRows,
    ::testing::Values(
        TConfigureRow{"Straight",
                      {"family=8", "waveguide=187", "flangeA=B", "length=12.5", "flangeB=A",
                       "band=S", "finish=G"},
                      "R187PA0125BSG"},
        TConfigureRow{"StraightInMillimetres",
                      {"units=M", "family=8", "waveguide=187", "flangeA=A", "flangeB=C",
                       "length=400", "finish=N"},
                      "R187MA0402CSN"},
        TConfigureRow{"StraightWithAdaptor",
                      {"family=8", "waveguide=187", "flangeA=A", "flangeB=A", "adaptor=1"},
                      "R187PA0040ASG"},
        TConfigureRow{
            "Coax", {"family=0", "waveguide=090", "flangeA=A", "coax=N", "band=A"}, "C090ANAG"},
        TConfigureRow{
            "TwoLegs",
            {"family=2", "waveguide=187", "flangeA=B", "flangeB=A", "legA=8.0", "legB=6.0"},
            "E187PA080B060SG"},
        TConfigureRow{"FlexibleTwist",
                      {"family=3", "waveguide=187", "flangeA=A", "flangeB=B", "length=18.0"},
                      "F187PA0180BS"},
        TConfigureRow{"PressureWindow", {"family=7", "waveguide=090", "flangeA=E"}, "P090WE"},
        TConfigureRow{"StepTwist", {"family=9", "waveguide=090", "band=A"}, "ST090A"}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST_F(ConfigureCommand, AChoiceTheWindowDoesNotOfferEndsTheSession) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"family=11"}, "family=11"},
        {{"units=I"}, "units=I"},
        {{"family=8", "flangeA=A"}, "flangeA=A"},                  // no size yet
        {{"family=0", "waveguide=090", "flangeB=A"}, "flangeB=A"}, // behind the coax list
        {{"family=7", "waveguide=090", "flangeB=A"}, "flangeB=A"},
        {{"family=3", "waveguide=187", "length=13.0"}, "length=13.0"}, // pick only
        {{"family=8", "waveguide=187", "adaptor=1", "length=24.0"}, "length=24.0"},
        {{"family=2", "waveguide=187", "adaptor=1"}, "adaptor=1"},
        {{"family=8", "waveguide=187", "band=Z"}, "band=Z"},
        {{"family=9", "waveguide=187", "finish=G"}, "finish=G"},
    };
    for (const auto& [args, refused] : cases) {
        EXPECT_EQ(Run(args), 2) << refused;
        EXPECT_EQ(Out, "") << refused;
        EXPECT_EQ(Err.substr(Err.rfind("not offered")), "not offered: " + refused + "\n");
    }
}

TEST_F(ConfigureCommand, BadUsageIsRefusedBeforeAnythingRuns) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"colour=red"},
                                                 {"family"},
                                                 {"--answer"},
                                                 {"--answer", "yes"},
                                                 {"family=8", "--answer"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(Out, "");
        EXPECT_NE(Err.find("usage: corvane38-cli configure"), std::string::npos);
    }
}

// Confirmations are answered by --answer (default continue); the tapered dialog has
// no Swap button, so that answer goes on as configured there.
TEST_F(ConfigureCommand, ConfirmationsAreAnsweredAsAsked) {
    const std::vector<std::string> miter = {"family=5",  "waveguide=187", "flangeA=C",
                                            "flangeB=A", "legA=8.0",      "legB=6.0"};
    const std::vector<std::string> tapered = {"family=10", "waveguide=090", "flangeA=A",
                                              "flangeB=C"};
    // The text is the configurator's; here: one line, its line breaks shown as \r.
    const std::string confirm = "confirm: The flange and corresponding length of each leg";
    const struct {
        const std::vector<std::string>* Choices;
        const char* Answer;
        const char* Part;
    } cases[] = {
        {&miter, nullptr, "M187PC080A060SG"}, {&miter, "continue", "M187PC080A060SG"},
        {&miter, "swap", "M187PA080C060SG"},  {&miter, "cancel", ""},
        {&tapered, "swap", "T090ACG"},        {&tapered, "cancel", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = *c.Choices;
        if (c.Answer) {
            args.insert(args.begin(), {"--answer", c.Answer});
        }
        EXPECT_EQ(Run(args), 0);
        if (c.Choices == &miter) {
            EXPECT_EQ(Err.rfind(confirm, 0), 0u) << Err;
            EXPECT_NE(Err.find("verify your configuration.\\rThe shorter leg"), std::string::npos);
            EXPECT_EQ(Err.find('\n'), Err.size() - 1);
        } else {
            EXPECT_EQ(Err.rfind("confirm: The waveguide size is different on each end", 0), 0u);
        }
        EXPECT_EQ(PartNumber(), c.Part) << (c.Answer ? c.Answer : "default");
    }
}

TEST_F(ConfigureCommand, RefusalsExitZeroAndDataErrorsExitOneBothPrintingTheState) {
    // Next refuses: nothing composed.
    EXPECT_EQ(Run({"family=8", "waveguide=187"}), 0);
    EXPECT_EQ(Err, "information: Please fill all options to continue.\n");
    EXPECT_EQ(PartNumber(), "");
    EXPECT_EQ(Lines("spec").size(), 6u);

    // A data error abandons that action only, as in the program; the catalogue's
    // fault makes the exit status 1.
    Folder.WriteTable("FlexVSWR.tbl", {"WG|Band|To|VSWR", "187|S|twelve|1.10"});
    EXPECT_EQ(Run({"family=3", "waveguide=187", "flangeA=A", "flangeB=A"}), 1);
    EXPECT_EQ(Err.rfind("error: 'twelve' is not a valid floating point value\n", 0), 0u);
    EXPECT_EQ(Lines("description").size(), 1u);
}

// setup PART: the wizard set up from a part number, printed as configure prints it.
TEST_F(ConfigureCommand, SetupPrintsWhatConfigureGivesForTheSameChoices) {
    ASSERT_EQ(Run({"family=8", "waveguide=187", "flangeA=A", "length=12.5", "flangeB=B", "band=S",
                   "finish=G"}),
              0);
    const std::string configured = Out;
    ASSERT_NE(configured.find("part-number\tR187PA0125BSG\n"), std::string::npos) << configured;
    EXPECT_EQ(Run({"R187PA0125BSG"}, "setup"), 0);
    EXPECT_EQ(Out, configured);
    EXPECT_EQ(Err, "");
}

TEST_F(ConfigureCommand, SetupTakesThePartNumberTrimmedAndUpperCasedAndWritesNoHistory) {
    EXPECT_EQ(Run({"  e090pa040b040sg\t"}, "setup"), 0);
    EXPECT_EQ(Out.substr(0, Out.find('\n')), "part-number\tE090PA040B040SG");
    EXPECT_NE(Out.find("spec\t040\tLength A\t4.0\n"), std::string::npos) << Out;
    EXPECT_FALSE(Folder.Exists("Data/Parts.hst"));
    EXPECT_FALSE(Folder.Exists("Corvane.ini"));
}

TEST_F(ConfigureCommand, SetupOfAnUnrecognisedPartNumberStopsAtNext) {
    EXPECT_EQ(Run({"ZZZ123"}, "setup"), 0);
    // Nothing is chosen but the finish, which the window starts with.
    EXPECT_EQ(Out, "part-number\t\nspec\tG\tFinish\tGray\ndescription\t, , , Gray\n");
    EXPECT_EQ(Err, "information: Please fill all options to continue.\n");
    EXPECT_EQ(Run({}, "setup"), 2);
}

} // namespace
} // namespace cvn
