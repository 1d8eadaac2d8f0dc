#include "cli/Cli.h"
#include "tests/support/Faults.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cvn {
namespace {

// In the child: the earlier order written, the disk filled, then a scripted order
// that would otherwise replace the file.
void OrderOnAFullDisk(const test::TTempFolder& folder) {
    const std::string earlier = "3|$1,234.50|2-3 Weeks|R187PA0125BSG|WR-187 Straight\r\n";
    test::TFullDisk disk(folder.Path() + "out/");
    test::TChildChecks checks;
    folder.Write("out/order.txt", earlier);
    disk.Fill();
    std::ostringstream out, err;
    const int exit = RunCli({"--app-dir", folder.Path(), "order", folder.Path() + "out/order.txt",
                             "7", "R187PA0250BSG"},
                            out, err);
    checks.Expect(exit != 0, "the order reported success on a full disk");
    checks.Expect(!err.str().empty(), "the write failure was not reported on stderr");
    checks.ExpectEqual(out.str(), "", "the order line was printed although not saved");
    checks.ExpectEqual(folder.Read("out/order.txt"), earlier, "the earlier order file");
    checks.Finish();
}

TEST(OrderFaultTest, AFullDiskKeepsTheEarlierOrderFileAndFails) {
    test::TTempFolder folder;
    folder.CopySample("Data");
    folder.Write("out/keep", "");
    // The same order where the disk has room: the failure above is the disk's.
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--app-dir", folder.Path(), "order", folder.Path() + "room.txt", "7",
                      "R187PA0250BSG"},
                     out, err),
              0)
        << err.str();
    EXPECT_EXIT(OrderOnAFullDisk(folder), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace cvn
