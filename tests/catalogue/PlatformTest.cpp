#include "catalogue/Encoding.h"
#include "catalogue/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(FileNames, TableAndPictureNamesFindTheirFilesIgnoringCaseAndBackslashes) {
    test::TTempFolder folder;
    folder.Write("Images/splashimage.gif", "GIF");
    folder.Write("Data/Family.tbl", "x");
    const std::string root = folder.Path();
    EXPECT_EQ(ResolvePath(root + "images\\SplashImage.GIF"), root + "Images/splashimage.gif");
    EXPECT_EQ(ResolvePath(root + "DATA/family.TBL"), root + "Data/Family.tbl");
    EXPECT_TRUE(FileExists(root + "data\\FAMILY.tbl"));
    EXPECT_TRUE(DirectoryExists(root + "IMAGES"));
    EXPECT_FALSE(FileExists(root + "Images"));
    EXPECT_FALSE(FileExists(root + "Data/Missing.tbl"));
    // What does not exist keeps the rest of its name as written.
    EXPECT_EQ(ResolvePath(root + "data/New/File.TXT"), root + "Data/New/File.TXT");
    EXPECT_EQ(NativePath("a\\b\\c"), "a/b/c");
    EXPECT_EQ(WithTrailingSlash("x"), "x/");
    EXPECT_EQ(WithTrailingSlash("x/"), "x/");
}

TEST(Encoding, EveryByteSurvivesTheRoundTripThroughUtf8AloneAndTogether) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        const std::string one(1, static_cast<char>(i));
        EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(one)), one) << i;
        all += one;
    }
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
}

} // namespace
} // namespace cvn
