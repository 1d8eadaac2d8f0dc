// A catalogue table that cannot be read or holds a data error ends every command with
// exit 1 after its messages; an order file with a short line is not read at all.

#include "cli/Cli.h"
#include "tests/support/Cli.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace cvn {
namespace {

namespace fs = std::filesystem;

struct TFaultCase {
    const char* Name;
    const char* Table;  // what happens to it
    std::string Change; // "remove", "fifo" or the new contents
    std::vector<std::string> Command;
    std::string ErrorStart; // the first error message starts so (after "error: ")
};

class CatalogueFault : public ::testing::TestWithParam<TFaultCase> {};

TEST_P(CatalogueFault, EndsTheCommandWithExitOneAfterItsMessages) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    const TFaultCase& c = GetParam();
    const std::string table = folder.Path() + "Data/" + c.Table;
    if (c.Change == "remove" || c.Change == "fifo") {
        fs::remove(table);
        if (c.Change == "fifo") {
            ASSERT_EQ(::mkfifo(table.c_str(), 0644), 0);
        }
    } else {
        folder.Write(std::string("Data/") + c.Table, c.Change);
    }
    std::vector<std::string> args{"--app-dir", folder.Path()};
    for (const std::string& a : c.Command) {
        args.push_back(a == "ORDER" ? folder.Path() + "o.ord" : a);
    }
    std::ostringstream out, err;
    auto run = std::async(std::launch::async, [&] { return RunCli(args, out, err); });
    // A reader blocked on the pipe is let go by a writer that comes and goes.
    if (run.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the command waits on " << c.Table;
        for (int i = 0;
             i < 100 && run.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready;
             ++i) {
            const int fd = ::open(table.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    EXPECT_EQ(run.get(), 1) << err.str();
    const std::string expected = "error: " + c.ErrorStart;
    EXPECT_EQ(err.str().substr(0, expected.size()), expected) << err.str();
    EXPECT_FALSE(folder.Exists("o.ord")) << "an order was written from a broken catalogue";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueFault,
    ::testing::Values(
        TFaultCase{"SetupWithoutFamilyTable",
                   "Family.tbl",
                   "remove",
                   {"setup", "R187PA0125BSG"},
                   "Error loading "},
        TFaultCase{"SetupWithAPipeForFamilyTable",
                   "Family.tbl",
                   "fifo",
                   {"setup", "R187PA0125BSG"},
                   "Error loading "},
        TFaultCase{"PriceWithoutItsTable",
                   "StraightSectionPrice.tbl",
                   "remove",
                   {"price", "R187PA0125BSG", "1"},
                   "Error loading "},
        TFaultCase{"PriceFromANegativeRow",
                   "StraightSectionPrice.tbl",
                   "Waveguide|Base|Foot|Gray|Delivery|Max\r\n187|-400.00|25.50|10.00|Stock|5\r\n",
                   {"price", "R187PA0125BSG", "1"},
                   "Price -$"},
        TFaultCase{"OrderWithoutThePriceTable",
                   "StraightSectionPrice.tbl",
                   "remove",
                   {"order", "ORDER", "3", "R187PA0125BSG"},
                   "Error loading "},
        TFaultCase{"ConfigureWithAUtf16Table",
                   "WGSize.tbl",
                   std::string("\xFF\xFE"
                               "1\0|\0",
                               6),
                   {"configure", "family=8"},
                   "Error loading "}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(OrderFileWithAShortLine, IsNotReadAndNotWritten) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    folder.Write("s.ord", "1|$1|R187PA0125BSG\r\n");
    const test::TCliRun r =
        test::Cli({"order", folder.Path() + "s.ord", "3", "R187PA0125BSG"}, folder.Path());
    EXPECT_EQ(r.Exit, 2);
    EXPECT_NE(r.Err.find(folder.Path() + "s.ord line 1: 3 fields"), std::string::npos) << r.Err;
    EXPECT_EQ(folder.Read("s.ord"), "1|$1|R187PA0125BSG\r\n");
    EXPECT_EQ(r.Out, "");
}

} // namespace
} // namespace cvn
