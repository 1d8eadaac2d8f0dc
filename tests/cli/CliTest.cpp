#include "cli/Cli.h"
#include "catalogue/Version.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cvn {
namespace {

struct TRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

TRun RunCommand(std::vector<std::string> args) {
    std::ostringstream out, err;
    TRun r;
    r.Exit = RunCli(args, out, err);
    r.Out = out.str();
    r.Err = err.str();
    return r;
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteTable("StepTwist.tbl", {"WG|Band|Range|VSWR|Part Number|Length",
                                            "187|S|3.95 - 5.85 GHz|1.10|ST90187A|4.5"});
    }
    test::TTempFolder folder;
};

TEST_F(CommandLine, FieldsPrintsTheTenFieldsOfThePartsOwnFamily) {
    const TRun r = RunCommand({"--app-dir", folder.Path(), "fields", "R187PA0125BSG"});
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Out, "0\tR\n1\t187\n2\tA\n3\tB\n4\tS\n5\tG\n6\t5BS\n7\t0125\n8\t\n9\tP\n");
    EXPECT_EQ(r.Err, "");
    const TRun step = RunCommand({"--app-dir", folder.Path(), "fields", "ST90187A"});
    EXPECT_EQ(step.Out, "0\tS\n1\tT90\n2\t\n3\t\n4\t\n5\t\n6\t187\n7\t\n8\t\n9\tN\n");
}

TEST_F(CommandLine, FamilyClassesByLetterOrByTheStepTwistTable) {
    EXPECT_EQ(RunCommand({"--app-dir", folder.Path(), "family", "N187PA040B060SG"}).Out, "6\n");
    EXPECT_EQ(RunCommand({"--app-dir", folder.Path(), "family", "ST90187A"}).Out, "9\n");
    EXPECT_EQ(RunCommand({"--app-dir", folder.Path(), "family", "PW187A"}).Out, "11\n");
}

TEST_F(CommandLine, LoadErrorsGoToStderrTheAnswerStillComesAndTheExitIsOne) {
    const std::string empty = folder.Path() + "elsewhere";
    const TRun r = RunCommand({"--app-dir", empty, "family", "X1"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "11\n");
    EXPECT_EQ(r.Err,
              "error: Error loading \"" + empty +
                  "/Data/StepTwist.tbl\" with error message, \"No such file or directory\".\n");
}

TEST_F(CommandLine, BadUsageExitsTwoWithTheUsageOnStderr) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--app-dir"}, {"nonsense"}, {"fields"}, {"family", "A", "B"}, {"check", "x"}}) {
        const TRun r = RunCommand(args);
        EXPECT_EQ(r.Exit, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.Out, "");
        EXPECT_NE(r.Err.find("usage: corvane38-cli"), std::string::npos);
    }
    const TRun help = RunCommand({"--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_NE(help.Out.find("check"), std::string::npos);
}

TEST_F(CommandLine, VersionPrintsTheProgramAndTheProjectVersion) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"--app-dir", "/nowhere", "--version"}}) {
        const TRun r = RunCommand(args);
        EXPECT_EQ(r.Exit, 0);
        EXPECT_EQ(r.Out, "corvane38-cli " CORVANE_VERSION "\n");
        EXPECT_EQ(r.Err, "");
    }
}

TEST_F(CommandLine, DataErrorsEndTheCommandWithTheirTextInUtf8) {
    folder.WriteTable("CoaxPrice.tbl", {"WG|Band|x|Price|Delivery|Max", "187|S|x|12\xb0"
                                                                        "5|Stock|5"});
    const TRun r = RunCommand({"--app-dir", folder.Path(), "price", "C187ANSG", "1"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err,
              "error: '12\u00b05' is not a valid floating point value in CoaxPrice.tbl row 2\n");
}

TEST(CommandLineCheck, TheSampleCatalogueIsConsistent) {
    const TRun r = RunCommand({"--app-dir", CORVANE_SAMPLE_APP_DIR, "check"});
    EXPECT_EQ(r.Out, "catalogue ok\n");
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Err, "");
}

} // namespace
} // namespace cvn
