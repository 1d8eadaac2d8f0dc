#include "catalogue/Files.h"
#include "catalogue/Errors.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace cvn {
namespace {

namespace fs = std::filesystem;

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

TEST(FileNames, ProgramFolderIsTheFolderOfTheRunningBinary) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::exists(fs::path(folder) / fs::read_symlink("/proc/self/exe").filename()));
}

TEST(AtomicReplace, WritesTheWholeFileAndLeavesNoTemporaryBehind) {
    test::TTempFolder folder;
    const std::string target = folder.Path() + "out.txt";
    WriteFileAtomic(target, "first\r\n");
    WriteFileAtomic(target, std::string("sec\0ond\r\n", 9));
    EXPECT_EQ(folder.Read("out.txt"), std::string("sec\0ond\r\n", 9));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 3); // Data, Images, out.txt
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IROTH, 0u) << "replaced files keep the usual permissions";
}

TEST(AtomicReplace, AFailedWriteKeepsTheOldFileAndReportsCannotCreate) {
    test::TTempFolder folder;
    folder.Write("keep.txt", "old");
    // A folder in place of the file cannot be replaced by a file.
    folder.Write("busy/inner", "x");
    try {
        WriteFileAtomic(folder.Path() + "busy", "new");
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + folder.Path() + "busy");
    }
    EXPECT_THROW(WriteFileAtomic(folder.Path() + "no/such/folder/x.txt", "new"), EFCreateError);
    if (::geteuid() != 0) {
        fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(WriteFileAtomic(folder.Path() + "keep.txt", "new"), EFCreateError);
        fs::permissions(folder.Path(), fs::perms::owner_all);
    }
    EXPECT_EQ(folder.Read("keep.txt"), "old");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 4); // Data, Images, keep.txt, busy
}

} // namespace
} // namespace cvn
