// The one reader and the one writer every file of the program goes through, against
// what a user's disk can hold at a path: pipes, devices, links, folders, huge or
// foreign-encoded files, read-only folders and a full disk.

#include "catalogue/Files.h"
#include "catalogue/Encoding.h"
#include "catalogue/Errors.h"
#include "catalogue/IniFile.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "entry/PartHistory.h"
#include "orders/SiteList.h"
#include "tests/support/Faults.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace cvn {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs the job; when it is still blocked after a while (opening a pipe nobody
// writes), a writer comes and goes so that it ends and the suite never hangs.
template <class F> bool EndsWithoutAWriter(const std::string& fifo, F job) {
    auto done = std::async(std::launch::async, job);
    if (done.wait_for(3s) == std::future_status::ready) {
        done.get();
        return true;
    }
    for (int i = 0; i < 50 && done.wait_for(100ms) != std::future_status::ready; ++i) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    done.get();
    return false;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

struct TOddRead {
    const char* Name;
    bool (*Make)(const std::string& path); // false when this machine cannot
    const char* Error;                     // empty: the table loads
    const char* FirstLine;                 // what the first row starts with
};

// clang-format off
const TOddRead kOddReads[] = {
    {"Fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; }, "Family.tbl is not a regular file", ""},
    {"LinkToADevice", [](const std::string& p) { return ::symlink("/dev/null", p.c_str()) == 0; }, "Family.tbl is not a regular file", ""},
    {"Folder", [](const std::string& p) { return fs::create_directory(p); }, "Is a directory", ""},
    // Sparse: the size is there without the disk space.
    {"LargerThanTheLimit", [](const std::string& p) { std::error_code ec; WriteBytes(p, "x"); fs::resize_file(p, kMaxReadBytes + 1, ec); return !ec; }, "Family.tbl is larger than 64 MB", ""},
    {"Utf16LittleEndian", [](const std::string& p) { return WriteBytes(p, std::string("\xFF\xFEL\0e\0t\0|\0", 10)); }, "Family.tbl is UTF-16 text, not Windows-1252 text", ""},
    {"Utf16BigEndian", [](const std::string& p) { return WriteBytes(p, std::string("\xFE\xFF\0L\0e", 6)); }, "Family.tbl is UTF-16 text, not Windows-1252 text", ""},
    {"Utf16WithoutMark", [](const std::string& p) { return WriteBytes(p, std::string("L\0e\0t\0", 6)); }, "Family.tbl holds NUL bytes: it is not Windows-1252 text", ""},
    {"LinkToAFile", [](const std::string& p) { return WriteBytes(p + ".real", "a|b\r\n") && ::symlink((p + ".real").c_str(), p.c_str()) == 0; }, "", "a|b"},
    // Files under /proc give no size: the read goes on past what the size said.
    {"FileWithoutASize", [](const std::string& p) { return ::symlink("/proc/self/status", p.c_str()) == 0; }, "", "Name:"},
};
// clang-format on

void PrintTo(const TOddRead& row, std::ostream* os) {
    *os << row.Name;
}

class OddRead : public ::testing::TestWithParam<TOddRead> {};

TEST_P(OddRead, IsRefusedAtOnceNamingTheFileAndWhyOrReadWhole) {
    test::TTempFolder folder;
    const std::string path = folder.Path() + "Data/Family.tbl";
    ASSERT_TRUE(GetParam().Make(path));
    test::TScriptedPrompts prompts;
    TTxtTable table;
    EXPECT_TRUE(EndsWithoutAWriter(path, [&] { table = TTxtTable::CreateFromFile(path, prompts); }))
        << "the read waited for a writer";
    const std::string error = GetParam().Error;
    EXPECT_EQ(prompts.Texts("error"),
              error.empty() ? TStrings{} : TStrings{LoadErrorMessage(path, error)});
    ASSERT_EQ(table.RowCount() == 0, !error.empty());
    if (error.empty()) {
        EXPECT_EQ(table.Lines[0].rfind(GetParam().FirstLine, 0), 0u) << table.Lines[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddRead, ::testing::ValuesIn(kOddReads), test::RowName());

// ---- what a write finds at its path ----

struct TOddWrite {
    const char* Name;
    bool (*Make)(const std::string& dir); // what is at dir + "target" before
    bool Fails;
    mode_t KindAfter;   // of "target" itself
    const char* Holder; // the file that then holds the new bytes, if any
    mode_t Permissions; // of the holder; 0: as a new file gets them
};

// clang-format off
const TOddWrite kOddWrites[] = {
    {"Nothing", [](const std::string&) { return true; }, false, S_IFREG, "target", 0},
    {"APrivateFile", [](const std::string& d) { return WriteBytes(d + "target", "old") && ::chmod((d + "target").c_str(), 0600) == 0; }, false, S_IFREG, "target", 0600},
    {"ALinkToAFile", [](const std::string& d) { return WriteBytes(d + "real", "old") && ::symlink("real", (d + "target").c_str()) == 0; }, false, S_IFLNK, "real", 0},
    {"APipeNobodyReads", [](const std::string& d) { return ::mkfifo((d + "target").c_str(), 0644) == 0; }, true, S_IFIFO, nullptr, 0},
    {"AFolder", [](const std::string& d) { return fs::create_directory(d + "target"); }, true, S_IFDIR, nullptr, 0},
};
// clang-format on

void PrintTo(const TOddWrite& row, std::ostream* os) {
    *os << row.Name;
}

class OddWrite : public ::testing::TestWithParam<TOddWrite> {};

TEST_P(OddWrite, ReplacesWhatTheNameLeadsToOrFailsLeavingItAndNoTemporary) {
    test::TTempFolder folder;
    const std::string dir = folder.Path() + "Data/";
    ASSERT_TRUE(GetParam().Make(dir));
    const std::string bytes("ne\0w\r\n", 6);
    bool failed = false;
    EXPECT_TRUE(EndsWithoutAWriter(dir + "target", [&] {
        try {
            WriteFileAtomic(dir + "target", bytes);
        } catch (const EFCreateError& e) {
            failed = true;
            EXPECT_EQ(e.what(), "Cannot create file " + dir + "target");
        }
    }));
    EXPECT_EQ(failed, GetParam().Fails);
    EXPECT_EQ(StatOf(dir + "target").st_mode & S_IFMT, GetParam().KindAfter);
    if (GetParam().Holder != nullptr) {
        const std::string holder = std::string("Data/") + GetParam().Holder;
        EXPECT_EQ(folder.Read(holder), bytes);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        const mode_t expected = GetParam().Permissions ? GetParam().Permissions : 0666 & ~mask;
        EXPECT_EQ(StatOf(folder.Path() + holder).st_mode & 07777, expected);
    }
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_NE(entry.path().filename().string().rfind(".corvane", 0), 0u) << "left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddWrite, ::testing::ValuesIn(kOddWrites), test::RowName());

// /dev/stdout leads through /proc/self/fd to whatever the output is. The same kind
// of link in our own folder stands for it here: a faulty writer must not replace the
// machine's /dev/stdout.
TEST(OddWrite, ALinkToAnOpenFileBehindProcIsWrittenThrough) {
    test::TTempFolder folder;
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string link = folder.Path() + "stdout";
    ASSERT_EQ(::symlink(("/proc/self/fd/" + std::to_string(ends[1])).c_str(), link.c_str()), 0);
    EXPECT_NO_THROW(WriteFileAtomic(link, "to the output\r\n"));
    ::close(ends[1]);
    char buffer[64] = {};
    ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    const ssize_t n = ::read(ends[0], buffer, sizeof buffer - 1);
    ::close(ends[0]);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0), "to the output\r\n");
    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode)) << "the link was replaced by a file";
}

// The faults a user meets: a folder that cannot be written and a full disk. Callers
// are tested with a folder in the file's place, for the message each shows.
// In the child: the earlier file is there, the fault comes, the write is tried.
void WriteUnder(const test::TTempFolder& folder, bool fullDisk) {
    const std::string out = folder.Path() + "out/";
    test::TChildChecks checks;
    std::unique_ptr<test::TFullDisk> disk;
    if (fullDisk) {
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

class AtomicReplaceFault : public ::testing::TestWithParam<bool> {
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

INSTANTIATE_TEST_SUITE_P(Faults, AtomicReplaceFault, ::testing::Bool(), [](const auto& p) {
    return std::string(p.param ? "FullDisk" : "ReadOnlyFolder");
});

// Temporaries of a killed write: ours (".corvane-" and six letters or digits) older
// than a day go at the next write.
TEST(StaleTemporaries, TheNextWriteRemovesOnlyOurOwnOlderThanADay) {
    test::TTempFolder folder;
    const std::pair<const char*, int> files[] = {{".corvane-Ab12Cd", 25},
                                                 {".corvane-young1", 23},
                                                 {".corvane-toolong1", 25},
                                                 {"keep-Ab12Cd", 25},
                                                 {".corvane-Ab-2Cd", 25}};
    for (const auto& [name, hours] : files) {
        folder.Write(name, "left behind");
        fs::last_write_time(folder.Path() + name,
                            fs::file_time_type::clock::now() - std::chrono::hours(hours));
    }
    WriteFileAtomic(folder.Path() + "order.xls", "new");
    for (const auto& [name, hours] : files) {
        EXPECT_EQ(folder.Exists(name), name != files[0].first) << name;
    }
}

// What the program writes at close: a read-only folder gives no error for what did
// not change in the session.
TEST(UnchangedFiles, AreNotRewrittenButChangedOrRemovedOnesAre) {
    test::TTempFolder folder;
    folder.UseAsAppPath();
    test::TScriptedPrompts prompts;
    const std::string ini = folder.Path() + "Corvane.ini";
    WriteIniString(ini, "UNITS", "type", "M");
    TPartHistory history("Parts.hst");
    history.Add("R187PA0125BSG");
    history.Save();
    TTxtTable order;
    order.Lines = {"1|$684.00|1-2 Weeks|R187PA0125BSG|WR-187 straight"};
    WriteSiteList(order, prompts);
    const ino_t before[] = {StatOf(ini).st_ino, StatOf(DataPath + "Parts.hst").st_ino,
                            StatOf(AppPath + "corvane38.lom").st_ino};

    WriteIniString(ini, "UNITS", "type", "M");
    TPartHistory reloaded("Parts.hst");
    reloaded.Load();
    reloaded.Save();
    WriteSiteList(order, prompts);
    EXPECT_EQ(StatOf(ini).st_ino, before[0]);
    EXPECT_EQ(StatOf(DataPath + "Parts.hst").st_ino, before[1]);
    EXPECT_EQ(StatOf(AppPath + "corvane38.lom").st_ino, before[2]);

    order.Lines.push_back("2|$10.00|Stock|C090ANSG|coax");
    WriteSiteList(order, prompts);
    EXPECT_NE(folder.Read("corvane38.lom").find("C090ANSG"), std::string::npos);
    fs::remove(AppPath + "corvane38.lom");
    WriteSiteList(order, prompts);
    EXPECT_TRUE(folder.Exists("corvane38.lom"));
}

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
