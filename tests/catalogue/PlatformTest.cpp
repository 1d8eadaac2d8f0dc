#include "catalogue/Encoding.h"
#include "catalogue/Files.h"
#include "catalogue/IniFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

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
    EXPECT_EQ(Win1252CodePoint(0x9f), U'\u0178');
}

TEST(Encoding, MapsTheCataloguesCharactersAndNeverFailsOnForeignInput) {
    struct TCase {
        const char* Utf8;
        const char* Win1252;
        bool BothWays; // false: only from UTF-8
    };
    // clang-format off
    const TCase cases[] = {
        {"90\u00b0 Twist", "90\xb0 Twist", true},
        {"\u20ac \u2013 \u2122", "\x80 \x96 \x99", true},
        {"\u0081", "\x81", true},
        {"\u00b0\u00e9\u2019", "\xb0\xe9\x92", true},
        {"\u4e2d|\U0001F600", "?|?", false},    // not in Windows-1252
        {"a\xff" "b", "a\xff" "b", false},      // stray byte kept
        {"\xe2\x82", "\xe2\x82", false},        // cut sequence kept
        {"\xc0\xaf", "\xc0\xaf", false},        // overlong form kept
        {"\xed\xa0\x80", "\xed\xa0\x80", false}, // surrogate kept
    };
    // clang-format on
    for (const TCase& c : cases) {
        EXPECT_EQ(Utf8ToWin1252(c.Utf8), c.Win1252) << c.Utf8;
        if (c.BothWays) {
            EXPECT_EQ(Win1252ToUtf8(c.Win1252), c.Utf8) << c.Utf8;
        }
    }
}

TEST(IniFile, ReadsIgnoringCaseBlanksQuotesAndAByteOrderMarkAtTheStartOnly) {
    using namespace std::string_literals;
    test::TTempFolder folder;
    const std::string file = folder.Path() + "Corvane.ini";
    struct TCase {
        std::optional<std::string> Bytes; // none: no file
        const char* Section;
        const char* Key;
        const char* Expected; // the default is "dflt"
    };
    const std::string settings =
        "; settings\r\n[units]\r\nTYPE = M \r\n[PREVIEW]\r\nsize=\"75\"\r\n"
        "broken line\r\n";
    // clang-format off
    const TCase cases[] = {
        {settings, "UNITS", "type", "M"},
        {settings, "Preview", "Size", "75"},
        {settings, "UNITS", "size", "dflt"},
        {settings, "OTHER", "type", "dflt"},
        {std::nullopt, "UNITS", "type", "dflt"},
        {"\xEF\xBB\xBF[UNITS]\r\ntype=M\r\n", "UNITS", "type", "M"},
        {"[PREVIEW]\r\n\xEF\xBB\xBFsize=75\r\n", "PREVIEW", "size", "dflt"},
        {"\x00\xff[[[\r\n=\r\n]]\n\xb0=\xb0\0"s, "UNITS", "type", "dflt"},
    };
    // clang-format on
    for (const TCase& c : cases) {
        std::filesystem::remove(file);
        if (c.Bytes) {
            folder.Write("Corvane.ini", *c.Bytes);
        }
        EXPECT_EQ(ReadIniString(file, c.Section, c.Key, "dflt"), c.Expected)
            << c.Bytes.value_or("(none)") << " " << c.Section << "." << c.Key;
    }
    folder.Write("Corvane.ini", settings);
    EXPECT_EQ(ReadIniInteger(file, "PREVIEW", "size", 100), 75);
    EXPECT_EQ(ReadIniInteger(file, "UNITS", "type", 100), 100);
}

TEST(IniFile, WriteChangesOrAddsOneLineAndKeepsEverythingElse) {
    test::TTempFolder folder;
    const std::string file = folder.Path() + "Corvane.ini";
    struct TCase {
        std::optional<std::string> Before; // none: no file
        const char* Section;
        const char* Key;
        const char* Value;
        std::string After;
    };
    using namespace std::string_literals;
    // clang-format off
    const TCase cases[] = {
        {"; comment\r\n[UPDATE]\r\ndate=46000\r\n\r\n[Units]\r\nType=P\r\nother=1\r\n", "UNITS", "type", "M", "; comment\r\n[UPDATE]\r\ndate=46000\r\n\r\n[Units]\r\ntype=M\r\nother=1\r\n"},
        {"[UPDATE]\r\ndate=46000\r\n\r\n[Units]\r\nType=P\r\n", "update", "days", "30", "[UPDATE]\r\ndate=46000\r\ndays=30\r\n\r\n[Units]\r\nType=P\r\n"},
        {"[A]\r\nx=1\r\n", "NEW", "key", "v,a\\l", "[A]\r\nx=1\r\n[NEW]\r\nkey=v,a\\l\r\n"},
        {std::nullopt, "UNITS", "type", "P", "[UNITS]\r\ntype=P\r\n"},
        // A mark does not hide the first section: the key changes in place.
        {"\xEF\xBB\xBF[UNITS]\r\ntype=M\r\n[PREVIEW]\r\nsize=75\r\n", "UNITS", "type", "P", "[UNITS]\r\ntype=P\r\n[PREVIEW]\r\nsize=75\r\n"},
        {"\x00\xff[[[\r\n=\r\n"s, "UNITS", "type", "M", "\x00\xff[[[\r\n=\r\n[UNITS]\r\ntype=M\r\n"s},
    };
    // clang-format on
    for (const TCase& c : cases) {
        std::filesystem::remove(file);
        if (c.Before) {
            folder.Write("Corvane.ini", *c.Before);
        }
        WriteIniString(file, c.Section, c.Key, c.Value);
        EXPECT_EQ(folder.Read("Corvane.ini"), c.After) << c.Section << "." << c.Key;
        EXPECT_EQ(ReadIniString(file, c.Section, c.Key, ""), c.Value);
    }
}

} // namespace
} // namespace cvn
