#include "catalogue/IniFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

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
