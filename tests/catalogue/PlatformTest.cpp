#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/Files.h"
#include "catalogue/IniFile.h"
#include "tests/support/Faults.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
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

// Files under /proc give no size: the read goes on past what the size said.
TEST(FileRead, AFileWhoseSizeIsGivenAsNoneIsStillReadToItsEnd) {
    std::string bytes, error;
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", bytes, error)) << error;
    EXPECT_NE(bytes.find("\nPid:"), std::string::npos) << bytes.size() << " bytes read";
}

// The one writer every file of the program goes through, under the faults a user
// meets: a folder that cannot be written and a full disk. Its callers are tested with
// a folder in the file's place, for the message each shows.
enum class TWriteFault { ReadOnlyFolder, FullDisk };

const char* NameOf(TWriteFault fault) {
    return fault == TWriteFault::FullDisk ? "FullDisk" : "ReadOnlyFolder";
}

void PrintTo(TWriteFault fault, std::ostream* os) {
    *os << NameOf(fault);
}

// In the child: the earlier file is there, the fault comes, the write is tried.
void WriteUnder(const test::TTempFolder& folder, TWriteFault fault) {
    const std::string out = folder.Path() + "out/";
    test::TChildChecks checks;
    std::unique_ptr<test::TFullDisk> disk;
    if (fault == TWriteFault::FullDisk) {
        disk = std::make_unique<test::TFullDisk>(out);
        folder.Write("out/keep.txt", "old");
        disk->Fill();
    } else {
        std::string why;
        checks.Expect(test::MakeReadOnly({out}, why), why);
    }
    try {
        WriteFileAtomic(out + "keep.txt", std::string(100000, 'x'));
        checks.Expect(false, "the write reported success");
    } catch (const EFCreateError& e) {
        checks.ExpectEqual(e.what(), "Cannot create file " + out + "keep.txt", "the message");
    }
    checks.ExpectEqual(folder.Read("out/keep.txt"), "old", "the earlier file");
    for (const auto& entry : fs::directory_iterator(out)) {
        checks.Expect(entry.path().filename().string().rfind(".corvane", 0) != 0,
                      "a temporary file was left behind");
    }
    checks.Finish();
}

class AtomicReplaceFault : public ::testing::TestWithParam<TWriteFault> {
protected:
    void SetUp() override {
        Folder.Write("out/keep.txt", "old");
        test::HandToChild(Folder.Path());
    }
    void TearDown() override { test::HandToChild(Folder.Path()); }
    test::TTempFolder Folder;
};

TEST_P(AtomicReplaceFault, KeepsTheEarlierFileAndReportsCannotCreate) {
    EXPECT_EXIT(WriteUnder(Folder, GetParam()), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Faults, AtomicReplaceFault,
                         ::testing::Values(TWriteFault::ReadOnlyFolder, TWriteFault::FullDisk),
                         [](const auto& p) { return std::string(NameOf(p.param)); });

TEST(Encoding, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    const std::string utf8 = Win1252ToUtf8(all);
    EXPECT_EQ(Utf8ToWin1252(utf8), all);
    for (int i = 0; i < 256; ++i) {
        const std::string one(1, static_cast<char>(i));
        EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(one)), one) << i;
    }
}

TEST(Encoding, MapsTheCataloguesSpecialCharacters) {
    EXPECT_EQ(Win1252ToUtf8("90\xb0 Twist"), "90\u00b0 Twist");
    EXPECT_EQ(Win1252ToUtf8("\x80 \x96 \x99"), "\u20ac \u2013 \u2122");
    EXPECT_EQ(Win1252ToUtf8("\x81"), "\u0081");
    EXPECT_EQ(Utf8ToWin1252("\u00b0\u00e9\u2019"), "\xb0\xe9\x92");
    EXPECT_EQ(Win1252CodePoint(0x9f), U'\u0178');
}

TEST(Encoding, UnmappableAndMalformedInputNeverFails) {
    EXPECT_EQ(Utf8ToWin1252("\u4e2d|\U0001F600"), "?|?");
    EXPECT_EQ(Utf8ToWin1252("a\xff"
                            "b"),
              "a\xff"
              "b");                                           // stray byte kept
    EXPECT_EQ(Utf8ToWin1252("\xe2\x82"), "\xe2\x82");         // cut sequence kept
    EXPECT_EQ(Utf8ToWin1252("\xc0\xaf"), "\xc0\xaf");         // overlong form kept
    EXPECT_EQ(Utf8ToWin1252("\xed\xa0\x80"), "\xed\xa0\x80"); // surrogate kept
}

class IniFile : public ::testing::Test {
protected:
    test::TTempFolder folder;
    std::string file = folder.Path() + "Corvane.ini";
};

TEST_F(IniFile, ReadsIgnoringTheCaseOfSectionsAndKeysWithDefaults) {
    folder.Write("Corvane.ini", "; settings\r\n[units]\r\nTYPE = M \r\n[PREVIEW]\r\nsize=\"75\"\r\n"
                                "broken line\r\n");
    EXPECT_EQ(ReadIniString(file, "UNITS", "type", "P"), "M");
    EXPECT_EQ(ReadIniString(file, "Preview", "Size", ""), "75");
    EXPECT_EQ(ReadIniString(file, "UNITS", "size", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(file, "OTHER", "type", "P"), "P");
    EXPECT_EQ(ReadIniInteger(file, "PREVIEW", "size", 100), 75);
    EXPECT_EQ(ReadIniInteger(file, "UNITS", "type", 100), 100);
    EXPECT_EQ(ReadIniString(folder.Path() + "missing.ini", "UNITS", "type", "P"), "P");
}

TEST_F(IniFile, WriteChangesOneLineAndKeepsEverythingElse) {
    const std::string before = "; comment\r\n[UPDATE]\r\ndate=46000\r\n\r\n[Units]\r\n"
                               "Type=P\r\nother=1\r\n\r\n[PREVIEW]\r\nsize=100\r\n";
    folder.Write("Corvane.ini", before);
    WriteIniString(file, "UNITS", "type", "M");
    EXPECT_EQ(folder.Read("Corvane.ini"), "; comment\r\n[UPDATE]\r\ndate=46000\r\n\r\n[Units]\r\n"
                                          "type=M\r\nother=1\r\n\r\n[PREVIEW]\r\nsize=100\r\n");
    WriteIniString(file, "update", "days", "30");
    EXPECT_EQ(ReadIniString(file, "UPDATE", "days", ""), "30");
    EXPECT_EQ(folder.Read("Corvane.ini").substr(0, 44),
              "; comment\r\n[UPDATE]\r\ndate=46000\r\ndays=30\r\n\r\n");
    WriteIniString(file, "NEW", "key", "v,a\\l");
    EXPECT_EQ(ReadIniString(file, "new", "KEY", ""), "v,a\\l");
    EXPECT_EQ(ReadIniString(file, "PREVIEW", "size", ""), "100");
}

TEST_F(IniFile, WriteCreatesAMissingFileWithCrLf) {
    WriteIniString(file, "UNITS", "type", "P");
    EXPECT_EQ(folder.Read("Corvane.ini"), "[UNITS]\r\ntype=P\r\n");
}

TEST_F(IniFile, AByteOrderMarkDoesNotHideTheFirstSection) {
    folder.Write("Corvane.ini", "\xEF\xBB\xBF[UNITS]\r\ntype=M\r\n[PREVIEW]\r\nsize=75\r\n");
    EXPECT_EQ(ReadIniString(file, "UNITS", "type", "P"), "M");
    EXPECT_EQ(ReadIniInteger(file, "PREVIEW", "size", 100), 75);
    // A write changes the key in place rather than adding a second [UNITS].
    WriteIniString(file, "UNITS", "type", "P");
    EXPECT_EQ(folder.Read("Corvane.ini"), "[UNITS]\r\ntype=P\r\n[PREVIEW]\r\nsize=75\r\n");
    // Only a mark at the very start is one.
    folder.Write("Corvane.ini", "[PREVIEW]\r\n\xEF\xBB\xBFsize=75\r\n");
    EXPECT_EQ(ReadIniInteger(file, "PREVIEW", "size", 100), 100);
}

TEST_F(IniFile, GarbageFilesReadAsDefaultsAndSurviveAWrite) {
    using namespace std::string_literals;
    const std::string garbage = "\x00\xff[[[\r\n=\r\n]]\n\xb0=\xb0\0"s;
    folder.Write("Corvane.ini", garbage);
    EXPECT_EQ(ReadIniString(file, "UNITS", "type", "P"), "P");
    WriteIniString(file, "UNITS", "type", "M");
    EXPECT_EQ(ReadIniString(file, "UNITS", "type", "P"), "M");
}

} // namespace
} // namespace cvn
