#include "tests/support/Cli.h"
#include "catalogue/Version.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteTable("StepTwist.tbl", {"WG|Band|Range|VSWR|Part Number|Length",
                                            "187|S|3.95 - 5.85 GHz|1.10|ST90187A|4.5"});
    }
    test::TCliRun Run(const std::vector<std::string>& args) const {
        return test::Cli(args, folder.Path());
    }
    test::TTempFolder folder;
};

TEST_F(CommandLine, FieldsPrintsTheTenFieldsOfThePartsOwnFamily) {
    const test::TCliRun r = Run({"fields", "R187PA0125BSG"});
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Out, "0\tR\n1\t187\n2\tA\n3\tB\n4\tS\n5\tG\n6\t5BS\n7\t0125\n8\t\n9\tP\n");
    EXPECT_EQ(r.Err, "");
    const test::TCliRun step = Run({"fields", "ST90187A"});
    EXPECT_EQ(step.Out, "0\tS\n1\tT90\n2\t\n3\t\n4\t\n5\t\n6\t187\n7\t\n8\t\n9\tN\n");
}

TEST_F(CommandLine, FamilyClassesByLetterOrByTheStepTwistTable) {
    EXPECT_EQ(Run({"family", "N187PA040B060SG"}).Out, "6\n");
    EXPECT_EQ(Run({"family", "ST90187A"}).Out, "9\n");
    EXPECT_EQ(Run({"family", "PW187A"}).Out, "11\n");
}

TEST_F(CommandLine, LoadErrorsGoToStderrTheAnswerStillComesAndTheExitIsOne) {
    const std::string empty = folder.Path() + "elsewhere";
    const test::TCliRun r = test::Cli({"family", "X1"}, empty);
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "11\n");
    EXPECT_EQ(r.Err,
              "error: Error loading \"" + empty +
                  "/Data/StepTwist.tbl\" with error message, \"No such file or directory\".\n");
}

TEST_F(CommandLine, BadUsageExitsTwoWithTheUsageOnStderr) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--app-dir"}, {"nonsense"}, {"fields"}, {"family", "A", "B"}, {"check", "x"}}) {
        const test::TCliRun r = test::Cli(args);
        EXPECT_EQ(r.Exit, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.Out, "");
        EXPECT_NE(r.Err.find("usage: corvane38-cli"), std::string::npos);
    }
    const test::TCliRun help = test::Cli({"--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_NE(help.Out.find("check"), std::string::npos);
}

TEST_F(CommandLine, VersionPrintsTheProgramAndTheProjectVersion) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"--app-dir", "/nowhere", "--version"}}) {
        const test::TCliRun r = test::Cli(args);
        EXPECT_EQ(r.Exit, 0);
        EXPECT_EQ(r.Out, "corvane38-cli " CORVANE_VERSION "\n");
        EXPECT_EQ(r.Err, "");
    }
}

TEST_F(CommandLine, DataErrorsEndTheCommandWithTheirTextInUtf8) {
    folder.WriteTable("CoaxPrice.tbl", {"WG|Band|x|Price|Delivery|Max", "187|S|x|12\xb0"
                                                                        "5|Stock|5"});
    const test::TCliRun r = Run({"price", "C187ANSG", "1"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err,
              "error: '12\u00b05' is not a valid floating point value in CoaxPrice.tbl row 2\n");
}

} // namespace
} // namespace cvn
