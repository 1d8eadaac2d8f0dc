#include "cli/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cvn {
namespace {

class SetupCommand : public ::testing::Test {
protected:
    void SetUp() override { folder.CopySample("Data"); }

    int Run(const std::string& command, std::vector<std::string> args) {
        std::ostringstream out, err;
        args.insert(args.begin(), {"--app-dir", folder.Path(), command});
        const int exit = RunCli(args, out, err);
        Out = out.str();
        Err = err.str();
        return exit;
    }

    test::TTempFolder folder;
    std::string Out;
    std::string Err;
};

TEST_F(SetupCommand, PrintsWhatConfigureGivesForTheSameChoices) {
    ASSERT_EQ(Run("configure", {"family=8", "waveguide=187", "flangeA=A", "length=12.5",
                                "flangeB=B", "band=S", "finish=G"}),
              0);
    const std::string configured = Out;
    ASSERT_NE(configured.find("part-number\tR187PA0125BSG\n"), std::string::npos) << configured;
    EXPECT_EQ(Run("setup", {"R187PA0125BSG"}), 0);
    EXPECT_EQ(Out, configured);
    EXPECT_EQ(Err, "");
}

TEST_F(SetupCommand, TakesThePartNumberTrimmedAndUpperCasedAndWritesNoHistory) {
    EXPECT_EQ(Run("setup", {"  e090pa040b040sg\t"}), 0);
    EXPECT_EQ(Out.substr(0, Out.find('\n')), "part-number\tE090PA040B040SG");
    EXPECT_NE(Out.find("spec\t040\tLength A\t4.0\n"), std::string::npos) << Out;
    EXPECT_FALSE(folder.Exists("Data/Parts.hst"));
    EXPECT_FALSE(folder.Exists("Corvane.ini"));
}

TEST_F(SetupCommand, AnUnrecognisedPartNumberStopsAtNext) {
    EXPECT_EQ(Run("setup", {"ZZZ123"}), 0);
    // Nothing is chosen but the finish, which the window starts with.
    EXPECT_EQ(Out, "part-number\t\nspec\tG\tFinish\tGray\ndescription\t, , , Gray\n");
    EXPECT_EQ(Err, "information: Please fill all options to continue.\n");
    EXPECT_EQ(Run("setup", {}), 2);
}

} // namespace
} // namespace cvn
